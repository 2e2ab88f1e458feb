#pragma once
// Plan tests run on a copy of the demonstration site, in a working
// directory of their own that holds only the plan files each test makes.

#include "plans/PlanFiles.h"
#include "tests/common/DemoSiteFixture.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace kx::test {

class PlansFixture : public DemoSiteFixture {
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        std::filesystem::create_directories(site.path("plans"));
        std::filesystem::current_path(site.path("plans"));
    }

    // A file of the working directory, written or read as bytes.
    void put(const std::string& name, const std::string& bytes) const { site.write("plans/" + name, bytes); }
    std::string bytes(const std::string& name) const { return site.read("plans/" + name); }
    // Every entry of the working directory, sorted ("name/" for a directory).
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(site.path("plans")))
            names.push_back(e.path().filename().string() + (e.is_directory() && !e.is_symlink() ? "/" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string boxTexts() const
    {
        std::string all;
        for (const std::string& text : boxes.texts())
            all += text + "|";
        return all;
    }
};

}  // namespace kx::test
