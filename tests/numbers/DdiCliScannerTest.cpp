// DDI-CLI alarm scanner: no checks, the exact section afterwards, the lists
// left empty without a table (the lists themselves are those of the item
// sources, tested with the settings pattern; a dialog test selects by key).

#include "numbers/DdiCliScanner.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx::numbers {
namespace {

TEST(DdiCliScannerTest, Ok_ZeroKeysWhileActiveAreAcceptedAndNoTableMeansNoItems)
{
    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    DdiCliScanner model;
    site.write("windows/kxaconf.ini", "[Config]\r\nVm001Path=\\nowhere\\\r\n");
    model.load();
    EXPECT_TRUE(model.options("UseDistAlarmInSettings").empty());
    EXPECT_FALSE(model.isEnabled("FirstKey"));
    ASSERT_EQ(model.change("Active", "1"), settings::Change::Done);
    for (const char* name : {"FirstKey", "LastKey", "UseDistAlarmInSettings", "UseConfAlarmInSettings"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(site.read("windows/kxalarm.ini"),
              "[kxaddiclialr]\r\nActive=1\r\nFirstKey=0\r\nLastKey=0\r\nUseDistAlarmInSettings=1001\r\n"
              "UseConfAlarmInSettings=1001\r\n");
}

}  // namespace
}  // namespace kx::numbers
