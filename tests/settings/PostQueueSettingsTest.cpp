// The post queues: the queue list, creating a missing queue.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "settings/PostQueues.h"
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
    const struct {
        const char* name;
        const char* existing;  // bytes of kxtpost2.dbf, "" when missing
        bool removeIndexTemplate;
        bool yes;
        bool asked, stops, allowed;
        std::set<std::string> after;
    } cases[] = {
        {"yes", "", false, true, true, false, true, created},
        {"no", "", false, false, true, false, false, templates},
        {"missing template", "", true, true, true, false, false, {"kxtpost.dbf"}},
        {"unreadable table",
         "garbage",
         false,
         true,
         false,
         true,
         false,
         {"kxtpost.dbf", "kxtpost.ndx", "kxtpost2.dbf"}},
    };
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
        if (c.allowed)
            EXPECT_EQ(site.read("kxt/kxtpost2.cgp"), "kxtpost2\r\n");
        if (*c.existing)
            EXPECT_EQ(site.read("kxt/kxtpost2.dbf"), c.existing);
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

}  // namespace
}  // namespace kx::settings
