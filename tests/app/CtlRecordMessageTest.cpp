// kxalarmctl record-message: the dialog as it opens, and the number dialled
// for an alarm or alarm-in of the lists, through a stand-in job queue.

#include "tests/app/CtlDemoFixture.h"
#include "tests/common/StandInPrograms.h"

namespace kx {
namespace {

class CtlRecordMessageTest : public test::CtlDemoFixture {};

TEST_F(CtlRecordMessageTest, ShowsTheDialogAndDialsForKeysOfTheLists)
{
    const test::StandInPrograms queue(site.path("bin"));
    queue.add("kxtque");
    EXPECT_EQ(ctl({"record-message", "4711", "0301234567"}).out, "00301234567\n");
    EXPECT_EQ(ctl({"record-message", "5000"}).out, "00301234567\n");  // Nbr0 by default
    EXPECT_EQ(queue.waitForCalls(2), (std::vector<std::string>{"kxtque|postjob|1|_rec1am|-s100301234567|-i14711",
                                                               "kxtque|postjob|1|_rec1am|-s100301234567|-i15000"}));
    const test::CtlResult shown = ctl({"record-message", "5000", "--show"});
    EXPECT_EQ(shown.out.substr(0, shown.out.find("Nbr2")),
              "Frame\tPlay / record the message for the alarm-in 5000 Incoming 5000 \nNbr0\t0301234567\nNbr1\t\n");
    for (const char* refused : {"6000", "7"})  // a mailbox and a system key
        EXPECT_EQ(ctl({"record-message", refused, "0301"}).exitCode, 1) << refused;
    EXPECT_EQ(ctl({"record-message", "4711", "0301-1"}).exitCode, 1);
    EXPECT_EQ(queue.calls().size(), 2u);
}

}  // namespace
}  // namespace kx
