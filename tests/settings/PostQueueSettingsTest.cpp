// The post queues (the queue list, creating a missing queue) and the dialogs
// that store queues: personnel, special types, call handling.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "settings/CallHandlingSettings.h"
#include "settings/PersonnelSettings.h"
#include "settings/PostQueues.h"
#include "settings/QueueTypeSettings.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kx::settings {
namespace {

class PostQueueTest : public ::testing::Test {
protected:
    test::TempSite site;
    test::RecordingMessageBoxes boxes;

    void SetUp() override
    {
        makeQueue("kxt/kxtpost.dbf", std::vector<int>(30, -9));
        site.write("kxt/kxtpost.ndx", "index");
    }
    // A queue table whose record i holds T41 = lines[i - 1].
    void makeQueue(const std::string& path, const std::vector<int>& lines)
    {
        std::filesystem::create_directories(site.path("kxt"));
        std::vector<FIELD4INFO> fields;
        for (int i = 1; i <= 41; ++i)
            fields.push_back({mailbox::PhysicalName(i), 'N', 4, 0});
        CDatabase table;
        ASSERT_TRUE(table.Create(site.path(path).c_str(), fields));
        for (int value : lines) {
            table.Append();
            table.Bottom();
            table.Replace("T41", value);
        }
        table.Close();
    }
    std::set<std::string> kxt() const
    {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(site.path("kxt")))
            names.insert(e.path().filename().string());
        return names;
    }
    std::string ini(const char* file) const { return site.read("windows/" + std::string(file)); }
    bool has(const char* file, const std::string& line) const
    {
        return ("\n" + ini(file)).find("\n" + line + "\r\n") != std::string::npos;
    }
};

TEST_F(PostQueueTest, TheListWalksTheMappedLinesOfEachQueue)
{
    const struct {
        std::vector<int> lines;
        const char* mapMaxLines;
        const char* text;
    } cases[] = {
        {std::vector<int>(30, -9), "30", "Postqueue 2  ( lines 0 to 0 ) "},
        {{-9, 0, 0, -9, 0}, "30", "Postqueue 2  ( lines 2 to 3 ) "},  // a -9 after the run ends it
        {{0, 0}, "30", "Postqueue 2  ( lines 1 to 2 ) "},             // a table shorter than the mapping
        {{-9, -9, 0, 0}, "3", "Postqueue 2  ( lines 3 to 3 ) "},      // lines beyond MapMaxLines are not read
    };
    for (const auto& c : cases) {
        std::filesystem::remove(site.path("kxt/kxtpost2.dbf"));
        makeQueue("kxt/kxtpost2.dbf", c.lines);
        site.write("windows/kxt.ini", std::string("[SETTINGS]\r\nMapMaxLines=") + c.mapMaxLines + "\r\n");
        const std::vector<Option> items = PostQueueItems();
        ASSERT_EQ(items.size(), 10u);
        EXPECT_EQ(items[2].text, c.text);
        EXPECT_EQ(items[1].text, "Postqueue 1  not existent");
    }
    // Lines 31 to 60 of a 60-line table are beyond the default mapping of 30.
    std::vector<int> upper(30, -9);
    upper.resize(60, 0);
    std::filesystem::remove(site.path("kxt/kxtpost2.dbf"));
    makeQueue("kxt/kxtpost2.dbf", upper);
    site.write("windows/kxt.ini", "");
    EXPECT_EQ(PostQueueItems()[2].text, "Postqueue 2  ( lines 0 to 0 ) ");
}

TEST_F(PostQueueTest, EnsureAsksOnlyForAMissingTableAndMakesBothFilesOrNeither)
{
    const std::set<std::string> templates = {"kxtpost.dbf", "kxtpost.ndx"};
    const std::set<std::string> created = {"kxtpost.dbf", "kxtpost.ndx", "kxtpost2.dbf", "kxtpost2.ndx",
                                           "kxtpost2.cgp"};
    // clang-format off
    const struct {
        const char* name;
        const char* existing;  // bytes of kxtpost2.dbf, "" when missing
        bool removeIndexTemplate, yes;
        bool asked, stops, allowed;
        std::set<std::string> after;
    } cases[] = {
        {"yes", "", false, true, true, false, true, created},
        {"no", "", false, false, true, false, false, templates},
        {"missing template", "", true, true, true, false, false, {"kxtpost.dbf"}},
        {"unreadable table", "garbage", false, true, false, true, false, {"kxtpost.dbf", "kxtpost.ndx", "kxtpost2.dbf"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& name : kxt())
            if (!templates.count(name))
                std::filesystem::remove(site.path("kxt/" + name));
        site.write("kxt/kxtpost.ndx", "index");
        if (c.removeIndexTemplate)
            std::filesystem::remove(site.path("kxt/kxtpost.ndx"));
        if (*c.existing)
            site.write("kxt/kxtpost2.dbf", c.existing);
        boxes.clear();
        boxes.answer(c.yes);
        PostQueueCheck check;
        EXPECT_EQ(check.ask(2), !c.stops);
        EXPECT_TRUE(check.ask(2) || c.stops);  // asked once per OK
        if (!c.stops)
            check.createAgreed();
        EXPECT_EQ(check.allowed(2), c.allowed);
        EXPECT_TRUE(check.allowed(0));
        EXPECT_EQ(kxt(), c.after);
        EXPECT_EQ(!boxes.shown().empty() && boxes.shown()[0].kind == 'C', c.asked);
        if (c.allowed) {
            EXPECT_EQ(site.read("kxt/kxtpost2.cgp"), "kxtpost2\r\n");
        }
        if (*c.existing) {
            EXPECT_EQ(site.read("kxt/kxtpost2.dbf"), c.existing);
        }
    }
    // A group file that cannot be written is reported; the queue is used all the same.
    site.write("kxt/kxtpost.ndx", "index");
    std::filesystem::create_directories(site.path("kxt/kxtpost3.cgp"));
    boxes.clear();
    boxes.answer(true);
    PostQueueCheck check;
    ASSERT_TRUE(check.ask(3));
    check.createAgreed();
    EXPECT_TRUE(check.allowed(3));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].kind, 'E');
}

TEST_F(PostQueueTest, PersonnelWritesEveryTypeTheQueuesAndThePhones)
{
    site.write("windows/kxpers.ini", "[Types]\r\nGSM=1\r\n[PostQueueTypes]\r\nPostQueueForEXT=2\r\n");
    const struct {
        const char* phones;  // typed, or stored when `stored`
        bool stored, yes, ok;
        const char* queue;  // PostQueueForEXT written
        const char* dialMore;
    } cases[] = {
        {"2", false, true, true, "PostQueueForEXT=2", "DialMoreNbrsOnKo=1"},
        {"1", false, false, true, "PostQueueForEXT=0", "DialMoreNbrsOnKo=0"},
        {"5", false, true, false, nullptr, nullptr},                          // typed outside 1 to 4: refused
        {"7", true, false, true, "PostQueueForEXT=0", "DialMoreNbrsOnKo=1"},  // stored: kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phones);
        std::filesystem::remove(site.path("kxt/kxtpost2.dbf"));
        site.write("windows/kxalarm.ini",
                   c.stored ? std::string("[parallel]\r\nNumberOfPhonesPerPerson=") + c.phones : std::string());
        const std::string before = ini("kxpers.ini");
        boxes.answer(c.yes);
        PersonnelSettings model;
        model.load();
        EXPECT_TRUE(model.isOn("GSM"));
        ASSERT_EQ(model.change("-@-", "1"), Change::Done);
        if (!c.stored) {
            ASSERT_EQ(model.change("NumberOfPhonesPerPerson", c.phones), Change::Done);
        }
        ASSERT_EQ(model.ok(), c.ok);
        if (!c.ok) {
            EXPECT_EQ(ini("kxpers.ini"), before);
            continue;
        }
        EXPECT_TRUE(has("kxpers.ini", "-@-=1") && has("kxpers.ini", "GSM=1") && has("kxpers.ini", "WAP=0"));
        EXPECT_TRUE(has("kxpers.ini", c.queue)) << ini("kxpers.ini");
        EXPECT_TRUE(has("kxalarm.ini", std::string("NumberOfPhonesPerPerson=") + c.phones));
        EXPECT_TRUE(has("kxalarm.ini", c.dialMore));
    }
    // An existing queue table that does not open stops OK before any question or write.
    site.write("kxt/kxtpost2.dbf", "garbage");
    site.write("windows/kxpers.ini", "[PostQueueTypes]\r\nPostQueueForEXT=2\r\n");
    const std::string before = ini("kxpers.ini");
    boxes.clear();
    PersonnelSettings model;
    model.load();
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(ini("kxpers.ini"), before);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].kind, 'E');
}

TEST_F(PostQueueTest, PersonnelGroupDigitsFollowTheGroupTable)
{
    const struct {
        unsigned idxg, number;
        const char* threeDigits;
        const char* digits;
    } cases[] = {{3, 3, "1", "3"}, {3, 2, "1", "2"}, {3, 3, "0", "2"}, {0, 0, "1", ""}};
    for (const auto& c : cases) {
        std::filesystem::remove(site.path("db1/kxgroups.dbf"));
        std::filesystem::create_directories(site.path("db1"));
        if (c.idxg) {
            CDatabase table;
            ASSERT_TRUE(table.Create(site.path("db1/kxgroups.dbf").c_str(),
                                     {{"IDXG", 'C', c.idxg, 0}, {"NUMBER", 'C', c.number, 0}}));
            table.Close();
        }
        site.write("windows/kxpers.ini", std::string("[DBInfo]\r\n3DigitGroupNumbers=") + c.threeDigits + "\r\n");
        PersonnelSettings model;
        model.load();
        EXPECT_EQ(model.value("GroupDigits"), c.digits) << c.idxg << c.number << c.threeDigits;
    }
}

TEST_F(PostQueueTest, SpecialTypesReadOnlyTheirExactNameAndWriteAllNine)
{
    site.write("windows/kxpers.ini",
               "[PostQueueTypes]\r\nPostQueue1=PQ1\r\nPostQueue2=pq2\r\nPostQueue3=PQ2\r\nPostQueue4=1\r\n");
    QueueTypeSettings model;
    model.load();
    EXPECT_TRUE(model.isOn("PostQueue1"));
    for (const char* name : {"PostQueue2", "PostQueue3", "PostQueue4", "PostQueue5"})
        EXPECT_FALSE(model.isOn(name)) << name;
    ASSERT_EQ(model.change("PostQueue9", "1"), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxpers.ini"), "[PostQueueTypes]\r\nPostQueue1=PQ1\r\nPostQueue2=\r\nPostQueue3=\r\nPostQueue4=\r\n"
                                 "PostQueue5=\r\nPostQueue6=\r\nPostQueue7=\r\nPostQueue8=\r\nPostQueue9=PQ9\r\n");
}

TEST_F(PostQueueTest, CallHandlingQueuesAreOnWhenStoredAndKeepWhatTheListCannotShow)
{
    site.write("windows/kxalarm.ini", "[kxadlko]\r\nCheckKxt_st=1\r\nRepostOnOtherQueueOnISDNError=12\r\n"
                                      "OnISDNErrorPri1RepostOnQueue=0\r\nDialAgainIfBusy=1\r\n");
    boxes.answer(false);
    CallHandlingSettings model;
    model.load();
    EXPECT_TRUE(model.isOn("RepostOnOtherQueueOnISDNErrorBox"));
    EXPECT_EQ(model.shown("RepostOnOtherQueueOnISDNError"), "12");
    EXPECT_EQ(model.shown("OnISDNErrorPri2RepostOnQueue"), "");
    EXPECT_EQ(model.options("BusyInQueueList").size(), 10u);
    ASSERT_EQ(model.changeShown("OnISDNErrorPri2RepostOnQueue", "1"), Change::Done);  // queue 1 is missing: "no"
    ASSERT_EQ(model.changeShown("BusyInQueue", "0"), Change::Done);
    EXPECT_TRUE(model.isOn("BusyInQueueBox"));
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxalarm.ini"),
              "[kxadlko]\r\nCheckKxt_st=1\r\nRepostOnOtherQueueOnISDNError=12\r\n"
              "OnISDNErrorPri1RepostOnQueue=0\r\nDialAgainIfBusy=1\r\nDialAgainIfNoAnsDiffTime=0\r\n"
              "OnISDNErrorPri2RepostOnQueue=\r\nOnISDNErrorPri3RepostOnQueue=\r\nBusyInQueue=0\r\n"
              "MaxTriesOnISDNError=5\r\nMaxTriesIfBusy=5\r\nMaxTriesOnDiffTime=5\r\n"
              "MaxDiffTimeInSec=10\r\n");
}

}  // namespace
}  // namespace kx::settings
