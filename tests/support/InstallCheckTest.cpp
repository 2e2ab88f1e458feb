// The library as other programs see it: installed with `cmake --install`,
// used from outside the build tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(KxSupportInstall, ProgramOutsideTheBuildTreeCompilesLinksAndRuns)
{
    const std::string command =
        std::string("'") + KX_SOURCE_DIR + "/tests/support/install_check.sh' '" + KX_BINARY_DIR + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
