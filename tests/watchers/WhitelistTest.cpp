// Whitelists: every step of the dialog as the operator takes it, on a copy
// of the demo site, asserting the file, the alarm-ins' list numbers (no
// other field moved) and the messages.

#include "watchers/Whitelist.h"
#include "tests/common/DemoSiteFixture.h"

#include <filesystem>

namespace kx::watchers {
namespace {

constexpr long kKeys[] = {5001, 5002, 5003};

// "[Lists]" with every slot 1 to 49 named, and a list of 50 numbers.
std::string fullLists()
{
    std::string text = "[Lists]\n";
    for (int slot = 1; slot <= 49; ++slot)
        text += std::to_string(slot) + "=L" + std::to_string(slot) + "\n";
    return text;
}
std::string fiftyNumbers(bool asIni)
{
    std::string text = asIni ? "[Lists]\n1=Lobby\n[Lobby]\n" : "";
    for (int n = 1; n <= 50; ++n) {
        const std::string number = "n" + std::string(n < 10 ? "0" : "") + std::to_string(n);
        text += asIni ? std::to_string(n) + "=" + number + "\n" : (n > 1 ? "," : "") + number;
    }
    return text;
}

class WhitelistTest : public test::DemoSiteFixture {
protected:
    // One step: "<operation> <argument>"; a leading "!" expects a refusal.
    void run(Whitelist& list, const std::string& step)
    {
        const bool refused = step[0] == '!';
        const std::string op = step.substr(refused, step.find(' ') - refused);
        const std::string arg = step.find(' ') == std::string::npos ? "" : step.substr(step.find(' ') + 1);
        bool done = true;
        if (op == "open")
            done = list.open(std::stol(arg));
        else if (op == "select")
            done = list.select(arg);
        else if (op == "addlist")
            done = list.addList(arg);
        else if (op == "delete")
            done = list.deleteList();
        else if (op == "add")
            done = list.addNumber(arg);
        else if (op == "remove")
            done = list.removeNumber(arg);
        else if (op == "save")
            done = list.save();
        else if (op == "yes" || op == "no")
            boxes.answer(op == "yes");
        else if (op == "breaktable")
            std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/vm001.bak"));
        EXPECT_EQ(done, !refused) << step;
    }
};

TEST_F(WhitelistTest, EveryStepWritesExactlyWhatItShould)
{
    const std::string x39(39, 'x'), x40(40, 'x'), d39(39, '1'), d40(40, '1');
    const std::string lobby = "[Lists]\n1=Lobby\n[Lobby]\n1=9\n";
    const std::string abc = "[Lists]\n1=A\n2=B\n3=C\n[A]\n1=a1\n[C]\n1=c1\n";
    using Phones = std::vector<std::string>;  // type_phone of 5001, 5002, 5003
    const struct {
        const char* what;
        std::string ini;
        Phones phones;
        std::vector<std::string> steps;
        std::string after;  // the file afterwards ("=" : unchanged)
        std::string current;
        std::string numbers;
        Phones phonesAfter;
        std::string boxes;
    } cases[] = {
        // clang-format off
        {"three numbers over five empty keys 4 and 5; an empty key stays untouched",
         "[Lists]\n1=Lobby\n[Lobby]\n1=5\n2=4\n3=3\n4=2\n5=1\n7=\n", {"1", "0", "0"}, {"remove 1", "remove 2", "save"},
         "[Lists]\n1=Lobby\n[Lobby]\n1=3\n2=4\n3=5\n4=\n5=\n7=\n", "Lobby", "3,4,5", {"1", "0", "0"}, ""},
        {"no name: the list is named after the key, in the first free slot",
         "[Lists]\n1=Lobby\n3=Gate\n", {"0", "0", "0"}, {"add 0301", "save"},
         "[Lists]\n1=Lobby\n3=Gate\n2=5001\n[5001]\n1=0301\n", "5001", "0301", {"2", "0", "0"}, ""},
        {"a typed name is added on Save; another alarm-in shares it by name in any case",
         "", {"0", "0", "0"}, {"select Shared", "add 1", "save", "open 5002", "select  SHARED ", "save"},
         "[Lists]\n1=Shared\n[Shared]\n1=1\n", "Shared", "1", {"1", "1", "0"}, ""},
        {"numbers are trimmed, sorted byte by byte, and one already shown is ignored",
         "", {"0", "0", "0"}, {"add  0301 ", "add 0301", "add b", "add B", "add \xE9", "add 0"},
         "=", "", "0,0301,B,b,\xE9", {"0", "0", "0"}, ""},
        {"Add of an existing name selects it with its numbers",
         lobby, {"0", "0", "0"}, {"add 5", "addlist  lobby ", "save"},
         "=", "Lobby", "9", {"1", "0", "0"}, ""},
        {"Add of a new name writes its slot at once and shows no numbers",
         lobby, {"1", "0", "0"}, {"addlist", "add 7"},
         "[Lists]\n1=Lobby\n2=5001\n[Lobby]\n1=9\n", "5001", "7", {"1", "0", "0"}, ""},
        {"no free slot: Add and Save refused, nothing written",
         fullLists(), {"0", "0", "0"}, {"!addlist New", "select New", "add 1", "!save"},
         "=", "New", "1", {"0", "0", "0"}, "EE"},
        {"only slots 1 to 49 are lists",
         "[Lists]\n50=Far\n[Far]\n1=7\n", {"50", "0", "0"}, {"select Far", "save"},
         "[Lists]\n50=Far\n1=Far\n[Far]\n1=\n", "Far", "", {"1", "0", "0"}, ""},
        {"names: not Lists, no brackets, at most 39 characters",
         "", {"0", "0", "0"},
         {"!select Lists", "!select  lists ", "!select a[b", "!select a]b", "!select " + x40, "select " + x39},
         "=", x39, "", {"0", "0", "0"}, "EEEEE"},
        {"numbers: not empty, at most 39 characters",
         "", {"0", "0", "0"}, {"!add  ", "!add " + d40, "add " + d39},
         "=", "", d39, {"0", "0", "0"}, "EE"},
        {"50 numbers shown: the next is refused with a message",
         fiftyNumbers(true), {"1", "0", "0"}, {"!add 999"},
         "=", "Lobby", fiftyNumbers(false), {"1", "0", "0"}, "E"},
        {"a list others use: No keeps everything",
         abc, {"3", "3", "1"}, {"open 5002", "open 5001", "select c", "no", "!delete"},
         "=", "C", "c1", {"3", "3", "1"}, "C"},
        {"a list others use: Yes frees the slot and every reference to it; the section stays",
         abc, {"3", "3", "1"}, {"yes", "delete"},
         "[Lists]\n1=A\n2=B\n3=\n[A]\n1=a1\n[C]\n1=c1\n", "A", "a1", {"0", "0", "1"}, "C"},
        {"a list only this alarm-in uses is deleted without a question",
         abc, {"2", "3", "1"}, {"delete"},
         "[Lists]\n1=A\n2=\n3=C\n[A]\n1=a1\n[C]\n1=c1\n", "A", "a1", {"0", "3", "1"}, ""},
        {"a mailbox table that does not open fails the save before anything is written",
         lobby, {"0", "0", "0"}, {"select Lobby", "add 1", "breaktable", "!save"},
         "=", "Lobby", "1,9", {"0", "0", "0"}, "E"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.clear();
        writeIni("kxawhitelist.ini", c.ini);
        std::vector<std::vector<std::string>> before;
        for (std::size_t i = 0; i < 3; ++i) {
            setFields(kKeys[i], {{"type_phone", c.phones[i]}});
            before.push_back(record(kKeys[i]));
        }
        const std::string iniBefore = iniLines("kxawhitelist.ini");

        Whitelist list;
        ASSERT_TRUE(list.open(5001));
        for (const std::string& step : c.steps)
            run(list, step);
        if (site.exists("db1/vm001.bak"))
            std::filesystem::rename(site.path("db1/vm001.bak"), site.path("db1/vm001.dbf"));

        EXPECT_EQ(iniLines("kxawhitelist.ini"), c.after == "=" ? iniBefore : c.after);
        std::string numbers;
        for (const std::string& n : list.numbers())
            numbers += (numbers.empty() ? "" : ",") + n;
        EXPECT_EQ(list.name() + "|" + numbers, c.current + "|" + c.numbers);
        for (std::size_t i = 0; i < 3; ++i)
            expectRecord(kKeys[i], before[i], {{"type_phone", c.phonesAfter[i]}});
        EXPECT_EQ(boxKinds(), c.boxes);
        for (const auto& shown : boxes.shown())
            EXPECT_TRUE(shown.kind != 'C' || shown.defaultNo) << shown.text;
    }
}

}  // namespace
}  // namespace kx::watchers
