#include "platform/StringTable.h"
#include "platform/MessageBoxes.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <set>

namespace kx {
namespace {

TEST(StringTable, NumbersAreUnique)
{
    std::set<int> seen;
    for (const auto& [id, text] : StringTableEntries()) {
        EXPECT_TRUE(seen.insert(id).second) << id;
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(LoadString(id), text.source);
    }
    EXPECT_EQ(LoadString(12345), "");
}

TEST(StringTable, FillsArgumentsAndOneNumber)
{
    EXPECT_EQ(FormatString(str::AlarmDatabaseNotOpened, "d:\\data\\.\\vm001.dbf"),
              "Error, impossible to open alarm-database d:\\data\\.\\vm001.dbf !");
    EXPECT_EQ(FillArguments("%2 before %1, %3 stays", "a", "b"), "b before a, %3 stays");
    EXPECT_EQ(FormatStringNumber(str::ConfirmDeactivateMinutes, 30).substr(0, 44),
              "Deactivate selected alarms for 30 minutes ?\n");
    EXPECT_EQ(FillNumber("%d %%", 42), "42 %");
    EXPECT_EQ(FillNumber("%08X stays, %5d fills", 7), "%08X stays,     7 fills");
    EXPECT_EQ(FillNumber("%ld and %d", -3), "-3 and %d");
}

TEST(StringTable, TranslatorReplacesTexts)
{
    SetTextTranslator([](const char*, const char* source) {
        return std::string(source) == "Error" ? std::string("Fehler") : std::string(source);
    });
    EXPECT_EQ(LoadString(str::Error) + "|" + LoadString(str::Information) + "|" + Tr(KX_TEXT("Test", "Error"), "x"),
              "Fehler|Information|Fehler");
    SetTextTranslator(nullptr);
    EXPECT_EQ(LoadString(str::Error), "Error");
}

TEST(MessageBoxes, CaptionsAndConvertedArguments)
{
    test::RecordingMessageBoxes boxes;
    ErrorBox(str::GroupDatabaseNotOpened, "\\db1\\gr\xFCppen.dbf");
    boxes.answer(true);
    EXPECT_TRUE(ConfirmBox(str::ConfirmLaunchAlarm, true, "4711 Fire"));
    EXPECT_FALSE(ConfirmBoxNumber(str::ConfirmDeactivateHours, 2, false));
    InfoBox(str::SelectAlarmFirst);
    FixedErrorBox("CDatabase::Go");
    std::vector<std::string> seen;  // kind, caption, and whether No is the default
    for (const auto& shown : boxes.shown())
        seen.push_back(std::string(1, shown.kind) + " " + shown.caption + (shown.defaultNo ? " (No)" : ""));
    ASSERT_EQ(seen, (std::vector<std::string>{"E Error", "C Please confirm... (No)", "C Please confirm...",
                                              "I Information", "E Error"}));
    const std::vector<std::string> texts = boxes.texts();
    EXPECT_EQ(texts[0], "Error, impossible to open group database \\db1\\gr\xC3\xBCppen.dbf !");
    EXPECT_NE(texts[2].find("for 2 hour(s)"), std::string::npos);
    EXPECT_EQ(texts[4], "CDatabase::Go");
}

}  // namespace
}  // namespace kx
