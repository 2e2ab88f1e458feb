#pragma once
// Makes a complete, realistic demonstration site: the Windows directory with
// the INI files, the mailbox table with keys 0 to 9999, groups and members,
// the platform directory with modules and post-queue templates, and a
// working directory. Deterministic: the same site every time.

#include <string>

namespace kx::ctl {

class DemoSite {
public:
    // `root` is a native directory that does not exist or is empty.
    // Configures the site paths to it. False with `error` set on failure.
    static bool build(const std::string& root, std::string& error);

    // Keys of the demo site that tests and the README rely on.
    static constexpr long kSampleAlarmKey = 4711;
};

}  // namespace kx::ctl
