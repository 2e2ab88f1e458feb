#include "integration/AlarmMessageSettings.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "settings/SettingsRegistry.h"

namespace kx::integration {

namespace {

using namespace settings;

const Registration<AlarmMessageSettings> kRegistration(console::cmd::MessageSettings);

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kMessageIni = "kxamsg.ini";
constexpr const char* kMessageSection = "Config";
constexpr const char* kParallel = "parallel";
constexpr const char* kBusyCause = "0x91";

constexpr Text kRinging = KX_TEXT("AlarmMessageSettings", "Maximum length of message when ringing:");
constexpr Text kAnswered = KX_TEXT("AlarmMessageSettings", "Maximum length of message after answering:");
constexpr Text kInfo = KX_TEXT("AlarmMessageSettings", "Maximum length of info message:");
constexpr Text kUui = KX_TEXT("AlarmMessageSettings", "Maximum length of mini-message / UUI:");
constexpr Text kSms = KX_TEXT("AlarmMessageSettings", "Maximum length of SMS message:");
constexpr Text kPager = KX_TEXT("AlarmMessageSettings", "Maximum length of pager message:");
constexpr Text kAddSms = KX_TEXT("AlarmMessageSettings", "Add text to SMS message");
constexpr Text kAddPager = KX_TEXT("AlarmMessageSettings", "Add text to pager message");
constexpr Text kPre = KX_TEXT("AlarmMessageSettings", "Text to add at beginning of message:");
constexpr Text kPost = KX_TEXT("AlarmMessageSettings", "Text to add at end of message:");
constexpr Text kDeposit =
    KX_TEXT("AlarmMessageSettings", "Deposit mini-message after internal parallel call on ISDN code.");
constexpr Text kDepositBusy = KX_TEXT("AlarmMessageSettings", "Deposit mini-message on busy (ISDN code: 0x91)");
constexpr Text kDepositCode = KX_TEXT("AlarmMessageSettings", "Deposit mini-message on ISDN code:");

SettingRow displayLength(const char* name, const char* file, Text label)
{
    return IntSetting(name, file, "Settings", 16).at(file, "Settings", "MaxCharsForMessage").label(label).spin(1, 32);
}

bool depositAvailable()
{
    return EqualsNoCase(ProfileString(kAlarmIni, "config", "ISDN", "1"), "QSIG") &&
           EqualsNoCase(ProfileString("kxt.ini", "D300", "PBX_Protocol", ""), "ABC");
}

}  // namespace

AlarmMessageSettings::AlarmMessageSettings()
    : SettingsModel(kName, kTitle,
                    {
                        displayLength("MaxCharsRinging", "kxamsg1.ini", kRinging),
                        displayLength("MaxCharsAnswered", "kxamsg2.ini", kAnswered),
                        displayLength("MaxCharsInfo", "kxamsg3.ini", kInfo),
                        IntSetting("MaxUuiLength", kMessageIni, kMessageSection, 96).label(kUui).spin(1, 200),
                        IntSetting("MaxSmsLength", kMessageIni, kMessageSection, 140).label(kSms).spin(1, 200),
                        IntSetting("MaxPagerLength", kMessageIni, kMessageSection, 120).label(kPager).spin(1, 200),
                        CheckSetting("AddPreDefinedMsgForSMS", kMessageIni, kMessageSection, false).label(kAddSms),
                        CheckSetting("AddPreDefinedMsgForPager", kMessageIni, kMessageSection, false).label(kAddPager),
                        // Read from "config", written to "Config": section names compare
                        // without regard to case, so both are the one section.
                        TextSetting("PreMessage", kMessageIni, kMessageSection, {}, 40).label(kPre),
                        TextSetting("PostMessage", kMessageIni, kMessageSection, {}, 40).label(kPost),
                        ViewValue(
                            "DepositAvailable", [](const SettingsModel& m) { return m.value("DepositAvailable"); },
                            [](SettingsModel&, std::string_view) { return Change::ReadOnly; }),
                        CheckSetting("DepositMMSOnInaccessible", kAlarmIni, kParallel, false)
                            .label(kDeposit)
                            .when("DepositAvailable"),
                        CheckSetting("DepositMMSOnISDNError1", kAlarmIni, kParallel, false)
                            .flags(kBusyCause, "")
                            .label(kDepositBusy)
                            .when("DepositMMSOnInaccessible"),
                        TextSetting("DepositMMSOnISDNError2", kAlarmIni, kParallel, {}, 40)
                            .label(kDepositCode)
                            .when("DepositMMSOnInaccessible"),
                        TextSetting("DepositMMSOnISDNError3", kAlarmIni, kParallel, {}, 40)
                            .label(kDepositCode)
                            .when("DepositMMSOnInaccessible"),
                    })
{}

void AlarmMessageSettings::fill()
{
    const bool available = depositAvailable();
    set("DepositAvailable", available ? "1" : "0");
    if (!available)
        set("DepositMMSOnInaccessible", "0");
}

void AlarmMessageSettings::collectWrites(IniWrites& writes) const
{
    const bool deposit = value("DepositAvailable") == "1" && isOn("DepositMMSOnInaccessible");
    addWrite(writes, "DepositMMSOnInaccessible", deposit ? "1" : "0");
    if (deposit)
        for (const char* name : {"DepositMMSOnISDNError1", "DepositMMSOnISDNError2", "DepositMMSOnISDNError3"})
            addWrite(writes, name);
    for (const char* name :
         {"MaxUuiLength", "MaxSmsLength", "MaxPagerLength", "MaxCharsRinging", "MaxCharsAnswered", "MaxCharsInfo",
          "AddPreDefinedMsgForPager", "AddPreDefinedMsgForSMS", "PreMessage", "PostMessage"})
        addWrite(writes, name);
}

}  // namespace kx::integration
