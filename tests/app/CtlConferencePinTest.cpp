// kxalarmctl conference-pin on a demo site: the list of the range, a pin
// set, and a refusal that writes nothing.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using CtlConferencePinTest = test::CtlDemoFixture;

TEST_F(CtlConferencePinTest, ListsTheRangeSetsAPinAndRefusesADuplicate)
{
    site.write("windows/kxaconfpool.ini", "[Config]\r\nFirstConferenceNbr=7\r\nLastConferenceNbr=9\r\n");
    ASSERT_EQ(ctl({"conference-pin", "8", "42"}).exitCode, 0);
    const test::CtlResult refused = ctl({"conference-pin", "9", "0042"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("The pin code 0042 is already used by conference number 8."), std::string::npos)
        << refused.err;
    EXPECT_EQ(ctl({"conference-pin", "9"}).exitCode, 64);
    const test::CtlResult list = ctl({"conference-pin"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "7\t\n8\t0042\n9\t\n");
    EXPECT_EQ(site.read("windows/kxaconfpool.ini"),
              "[Config]\r\nFirstConferenceNbr=7\r\nLastConferenceNbr=9\r\n[PinCodes]\r\n8=0042\r\n");
}

}  // namespace
}  // namespace kx
