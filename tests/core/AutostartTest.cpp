#include "core/Autostart.h"

#include "platform/Profile.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kx {
namespace {

using autostart::Outcome;

// "Program|Params|Enabled" per slot from 1; "" is a free slot.
std::string List(const std::vector<std::string>& slots)
{
    std::string ini;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string& s = slots[i];
        const std::size_t a = s.find('|'), b = s.rfind('|');
        ini += "[Startup_" + std::to_string(i + 1) + "]\r\nProgram=" + s.substr(0, a) +
               "\r\nParams=" + s.substr(a + 1, b - a - 1) + "\r\nEnabled=" + s.substr(b + 1) + "\r\n";
    }
    return ini;
}

std::vector<std::string> Others(int count)
{
    return std::vector<std::string>(static_cast<std::size_t>(count), "notepad.exe||1");
}

// The keys of one slot as "key=value ..." in file order.
std::string Slot(int slot)
{
    const std::string section = "Startup_" + std::to_string(slot);
    std::string out;
    for (const std::string& key : ProfileKeyNames("kxtserv.ini", section))
        out += (out.empty() ? "" : " ") + key + "=" + ProfileString("kxtserv.ini", section, key, "", 4096);
    return out;
}

TEST(Autostart, RowsFindAskAndWrite)
{
    const std::string kDirectory = "<a directory>";  // the list cannot be written
    const std::string longName = std::string(90, 'x') + "\\KXAMASTER.EXE";
    std::vector<std::string> behindFree = {"notepad.exe||1", "||0", "kxe.exe|kxaping 1|1"};
    std::vector<std::string> fullMaster = Others(19);
    fullMaster.push_back("kxamaster.exe||1");  // slot 20 lies outside the range
    struct Case {
        const char* what;
        const autostart::Row& row;
        std::string before;
        bool yes;
        Outcome outcome;
        const char* boxes;  // kinds of the boxes shown: C question, I information, E error
        int slot;           // the slot written, 0: the file is unchanged
        std::string after;
    } cases[] = {
        {"case ignored, switched on", autostart::kServerWatcher, List({"kxe.exe|KXAPING 1|1"}), true,
         Outcome::AlreadyEnabled, "", 0, ""},
        {"disabled, Yes: Program kept", autostart::kServerWatcher, List({"kxe.exe|KXAPING 1|0"}), true,
         Outcome::Enabled, "C", 1, "Program=kxe.exe Params=KXAPING 1 Enabled=1 RunSystem=0"},
        {"disabled, No", autostart::kServiceWatcher, List({"kxe.exe|kxaservw 1|0"}), false, Outcome::Declined, "C", 0,
         ""},
        {"watcher stops at a free slot", autostart::kServerWatcher, List(behindFree), true, Outcome::Added, "C", 2,
         "Program=kxe.exe Params=kxaping 1 Enabled=1 RunSystem=0 Minimized=1 Duration=4"},
        {"master scans the whole range", autostart::kMasterSlave, List({"notepad.exe||1", "||0", "KXAMASTER.EXE|x|0"}),
         true, Outcome::Enabled, "C", 3, "Program=KXAMASTER.EXE Params= Enabled=1 Minimized=1 RunSystem=1 Duration=0"},
        {"master not searched in Params", autostart::kMasterSlave, List({"kxe.exe|kxamaster|1"}), true, Outcome::Added,
         "C", 2, "Program=kxamaster.exe Params= Enabled=1 Minimized=1 RunSystem=1 Duration=0"},
        {"whole value matched, not 80 bytes", autostart::kMasterSlave, List({longName + "||1"}), true,
         Outcome::AlreadyEnabled, "", 0, ""},
        {"range full, Yes: told", autostart::kMasterSlave, List(fullMaster), true, Outcome::NoFreeSlot, "CI", 0, ""},
        {"watcher range full", autostart::kServiceWatcher, List(Others(29)), true, Outcome::NoFreeSlot, "CI", 0, ""},
        {"e-mail found in Program", autostart::kEmailReceiver, List({"C:\\KXT\\KXAEMAILIN.EXE|-x|0"}), true,
         Outcome::Enabled, "C", 1,
         "Program=C:\\KXT\\KXAEMAILIN.EXE Params= Enabled=1 Minimized=1 RunSystem=0 Duration=0"},
        {"e-mail found in Params, whole value", autostart::kEmailReceiver,
         List({"kxe.exe|" + std::string(45, '-') + "kxaemailin 1|0"}), true, Outcome::Enabled, "C", 1,
         "Program=kxe.exe Params=" + std::string(45, '-') +
             "kxaemailin 1 Enabled=1 Minimized=1 RunSystem=0 Duration=0"},
        {"no list file", autostart::kEmailReceiver, "", true, Outcome::Added, "C", 1,
         "Program=kxe.exe Params=kxaemailin 1 Enabled=1 Minimized=1 RunSystem=0 Duration=0"},
        {"not there, No", autostart::kEmailReceiver, List({"notepad.exe||1"}), false, Outcome::Declined, "C", 0, ""},
        {"unwritable list", autostart::kEmailReceiver, kDirectory, true, Outcome::WriteFailed, "CE", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempSite site;
        test::RecordingMessageBoxes boxes;
        if (c.before == kDirectory)
            std::filesystem::create_directories(site.win("kxtserv.ini"));
        else if (!c.before.empty())
            site.write("windows/kxtserv.ini", c.before);
        boxes.answer(c.yes);
        EXPECT_EQ(autostart::Register(c.row), c.outcome);
        std::string kinds;
        for (const auto& shown : boxes.shown())
            kinds += shown.kind;
        EXPECT_EQ(kinds, c.boxes);
        if (kinds == "CE")  // the error names the file
            EXPECT_NE(boxes.texts().back().find("kxtserv.ini"), std::string::npos);
        else if (c.slot == 0)
            EXPECT_EQ(site.read("windows/kxtserv.ini"), c.before);
        else
            EXPECT_EQ(Slot(c.slot), c.after);
    }
}

}  // namespace
}  // namespace kx
