#include "numbers/DdiConverter.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/ProgramLauncher.h"
#include "settings/SettingsRegistry.h"

#include <cstdlib>

namespace kx::numbers {

using namespace settings;

namespace {

const Registration<DdiConverter> kRegistration(console::cmd::DdiConverter);

constexpr Text kEnterDdiFirst = KX_TEXT("DdiConverter", "Please enter a DDI to test first!");
constexpr Text kScriptEngineNotStarted = KX_TEXT("DdiConverter", "The script engine could not be started:\n%1");
constexpr Text kConversionActive = KX_TEXT("DdiConverter", "DDI conversion active");
constexpr Text kSuppressDigitsActive =
    KX_TEXT("DdiConverter", "Define valid digits (not defined digits will be suppressed)");
constexpr Text kValidDigits = KX_TEXT("DdiConverter", "Valid digits:");
constexpr Text kCutLeading = KX_TEXT("DdiConverter", "Cut leading digits from DDI:");
constexpr Text kCutTrailing = KX_TEXT("DdiConverter", "Cut trailing digits from DDI:");
constexpr Text kLastDigits = KX_TEXT("DdiConverter", "Use only the last digits");
constexpr Text kDigits = KX_TEXT("DdiConverter", "Number of digits:");
constexpr Text kReplace = KX_TEXT("DdiConverter", "Replace:");
constexpr Text kReplaceWith = KX_TEXT("DdiConverter", "With:");
constexpr Text kReplaceAt = KX_TEXT("DdiConverter", "At position:");
constexpr Text kEmptyDigit = KX_TEXT("DdiConverter", "empty");
constexpr Text kAllPositions = KX_TEXT("DdiConverter", "All positions");
constexpr Text kPosition = KX_TEXT("DdiConverter", "%1. Position");  // %1: 1 to 9
constexpr Text kAddOffset = KX_TEXT("DdiConverter", "Add offset:");
constexpr Text kResult = KX_TEXT("DdiConverter", "Result:");
constexpr Text kTest = KX_TEXT("DdiConverter", "Test");
constexpr Text kRefresh = KX_TEXT("DdiConverter", "Refresh");
constexpr Text kTestDdi = KX_TEXT("DdiConverter", "DDI to test:");

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kSection = "kxaddiconv";
constexpr const char* kTestFile = "kxaddiconv.ini";
constexpr int kHistorySize = 10;
constexpr std::size_t kTestBuffer = 80;  // test numbers and results: 79 characters

std::string historyKey(int n)
{
    return std::to_string(n);
}

// "0" .. "9" and "empty", written as "E".
std::vector<Option> replacementDigits()
{
    std::vector<Option> items = DigitItems(0, 9);
    items.push_back({"E", kEmptyDigit, {}});
    return items;
}

std::vector<Option> replacementPositions()
{
    std::vector<Option> items = {{"0", kAllPositions, {}}};
    for (int n = 1; n <= 9; ++n)
        items.push_back({std::to_string(n), kPosition, std::to_string(n)});
    return items;
}

std::vector<SettingRow> converterRows()
{
    std::vector<SettingRow> rows = {
        CheckSetting("DDIConversionActive", kAlarmIni, kSection, false).label(kConversionActive),
        CheckSetting("SuppressDigitsActive", kAlarmIni, kSection, false)
            .label(kSuppressDigitsActive)
            .when("DDIConversionActive"),
        TextSetting("SuppressDigits", kAlarmIni, kSection, "0123456789", 80)
            .label(kValidDigits)
            .when("SuppressDigitsActive"),
        ListPositionSetting("CutLeadingDigits", kAlarmIni, kSection, 0, DigitItems(0, 9))
            .label(kCutLeading)
            .when("DDIConversionActive"),
        ListPositionSetting("CutTrailingDigits", kAlarmIni, kSection, 0, DigitItems(0, 9))
            .label(kCutTrailing)
            .when("DDIConversionActive"),
        CheckSetting("LastDigits", kAlarmIni, kSection, false).label(kLastDigits).when("DDIConversionActive"),
        // The list shows the value at position value - 1; a value that is
        // not positive shows the first item, "1", which OK then writes.
        ListSetting("UseLastDigits", kAlarmIni, kSection, "4", DigitItems(1, 9))
            .asNumber()
            .label(kDigits)
            .when("LastDigits")
            .readBy([](const SettingRow& row) {
                const int v = ProfileNumber(row.file, row.section, row.key, 4);
                return std::to_string(v > 0 ? v : 1);
            }),
    };
    for (int n = 1; n <= 6; ++n) {
        const std::string i = std::to_string(n);
        rows.push_back(
            CheckSetting("ReplaceActive" + i, kAlarmIni, kSection, false).label(kReplace).when("DDIConversionActive"));
        rows.push_back(TextSetting("Replace" + i, kAlarmIni, kSection).label(kReplace).when("ReplaceActive" + i));
        // "E" is the item "empty"; any other text is read as a number, so
        // that an empty or missing key selects "0".
        rows.push_back(ListSetting("ReplaceWith" + i, kAlarmIni, kSection, "0", replacementDigits())
                           .label(kReplaceWith)
                           .when("ReplaceActive" + i)
                           .readBy([](const SettingRow& row) {
                               const std::string stored = ProfileString(row.file, row.section, row.key, "", 256);
                               if (stored == "E")
                                   return stored;
                               return std::to_string(std::atoi(stored.c_str()));
                           }));
        rows.push_back(ListPositionSetting("ReplaceAtPos" + i, kAlarmIni, kSection, 0, replacementPositions())
                           .label(kReplaceAt)
                           .when("ReplaceActive" + i));
    }
    rows.push_back(IntSetting("AddOffset", kAlarmIni, kSection, 0).label(kAddOffset).when("DDIConversionActive"));

    // The test: the number (no key of its own), the buttons and the results.
    rows.push_back(
        TextSetting("TestDDI", {}, {}, {}, kTestBuffer).label(kTestDdi).notWrittenOnOk().when("DDIConversionActive"));
    rows.push_back(ButtonRow("test", kTest).when("DDIConversionActive"));
    rows.push_back(ButtonRow("refresh", kRefresh).when("DDIConversionActive"));
    for (const std::string& key : DdiConverter::ResultKeys())
        rows.push_back(DisplayValue(key, key == "Result" ? kResult : Text{}).when("DDIConversionActive"));
    return rows;
}

// Keys "0" to "9" of "TestDdi", as they stand (empty ones included).
std::vector<std::string> readHistory()
{
    std::vector<std::string> history;
    for (int n = 0; n < kHistorySize; ++n)
        history.push_back(ProfileString(kTestFile, "TestDdi", historyKey(n), "", kTestBuffer));
    return history;
}

}  // namespace

const std::vector<std::string>& DdiConverter::ResultKeys()
{
    static const std::vector<std::string> keys = {
        "AfterSuppress", "AfterCutLeading", "AfterCutTrailing", "AfterUseLast",  "AfterReplace1", "AfterReplace2",
        "AfterReplace3", "AfterReplace4",   "AfterReplace5",    "AfterReplace6", "AfterOffset",   "Result"};
    return keys;
}

DdiConverter::DdiConverter() : SettingsModel(kName, kTitle, converterRows()) {}

void DdiConverter::fill()
{
    std::vector<Option> items;
    for (const std::string& ddi : readHistory())
        if (!ddi.empty())
            items.push_back({ddi, {}, ddi});
    setOptions("TestDDI", std::move(items));
}

void DdiConverter::pressed(std::string_view button)
{
    if (button == "test")
        test();
    else if (button == "refresh")
        refresh();
}

void DdiConverter::test()
{
    const std::string ddi = value("TestDDI");
    if (ddi.empty()) {
        ErrorBox(kEnterDdiFirst);
        return;
    }

    IniWrites writes;
    // The history: a new number goes in front and the oldest drops out; a
    // number already listed leaves the order as it is.
    const std::vector<std::string> history = readHistory();
    bool listed = false;
    for (const std::string& entry : history)
        listed = listed || entry == ddi;
    if (!listed) {
        writes.push_back({kTestFile, "TestDdi", historyKey(0), ddi});
        for (int n = 1; n < kHistorySize; ++n)
            writes.push_back({kTestFile, "TestDdi", historyKey(n), history[n - 1]});
    }
    // The number and the settings as they stand in the dialog, in the form OK writes them.
    writes.push_back({kTestFile, "TestData", "InString", ddi});
    IniWrites settings;
    collectWrites(settings);
    for (IniWrite& w : settings) {
        if (w.key == "DDIConversionActive")
            continue;
        writes.push_back({kTestFile, "TestData", w.key, std::move(w.value)});
    }
    const bool written = writeAll(writes);
    fill();
    if (!written)
        return;

    const LaunchResult run = RunAndWait(kTestCommand);
    if (!run.started) {
        // Without the module the fields would show an earlier run's results as this one's.
        ErrorBox(kScriptEngineNotStarted, run.error);
        return;
    }
    refresh();
}

void DdiConverter::refresh()
{
    for (const std::string& key : ResultKeys())
        set(key, ProfileString(kTestFile, "ResultData", key, "", kTestBuffer));
}

}  // namespace kx::numbers
