#pragma once
// A demonstration site for a benchmark program, built once under the
// temporary directory with the given name and configured as the site; the
// working directory becomes its work/ folder. Throws when it cannot be built.

#include "app/ctl/DemoSite.h"
#include "platform/SitePaths.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kx::bench {

inline std::string BuildBenchSite(const char* name)
{
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(path);
    std::string error;
    if (!ctl::DemoSite::build(path, error))
        throw std::runtime_error(error);
    SitePaths::configure(path, {});
    std::filesystem::current_path(path + "/work");
    return path;
}

}  // namespace kx::bench
