#pragma once
// A demo site for kxalarmctl tests: made once per test suite (it takes a
// moment), and copied for each test, which works on its own copy.

#include "tests/app/CtlRunner.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kx::test {

class CtlDemoFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_demo = new TempSite();
        std::filesystem::remove_all(s_demo->root());
        const CtlResult r = RunCtl({"demo", s_demo->root()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    static void TearDownTestSuite()
    {
        delete s_demo;
        s_demo = nullptr;
    }
    void SetUp() override
    {
        std::filesystem::copy(s_demo->root(), site.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // kxalarmctl on this test's copy, from its working directory.
    CtlResult ctl(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--root", site.root(), "--windir", site.windows()});
        return RunCtl(args, site.path("work"));
    }

    static inline TempSite* s_demo = nullptr;
    TempSite site;
};

}  // namespace kx::test
