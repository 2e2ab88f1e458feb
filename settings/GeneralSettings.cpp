#include "settings/GeneralSettings.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "settings/SettingsRegistry.h"

namespace kx::settings {

namespace {

const Registration<GeneralSettings> kRegistration(console::cmd::GeneralSettings);

constexpr Text kFirstAlarm = KX_TEXT("GeneralSettings", "First alarm number:");
constexpr Text kLastAlarm = KX_TEXT("GeneralSettings", "Last alarm number:");
constexpr Text kFirstAlarmIn = KX_TEXT("GeneralSettings", "First alarm-in number:");
constexpr Text kLastAlarmIn = KX_TEXT("GeneralSettings", "Last alarm-in number:");
constexpr Text kFirstAlarmOutOfRange =
    KX_TEXT("GeneralSettings", "The first alarm number '%1' should be between 10 and 9999 ! ");
constexpr Text kLastAlarmOutOfRange =
    KX_TEXT("GeneralSettings", "The last alarm number '%1' should be between 10 and 9999 ! ");
constexpr Text kFirstAlarmInOutOfRange =
    KX_TEXT("GeneralSettings", "The first alarm-in '%1' should be between 10 and 9999 ! ");
constexpr Text kLastAlarmInOutOfRange =
    KX_TEXT("GeneralSettings", "The last alarm-in '%1' should be between 10 and 9999 ! ");
constexpr Text kAlarmRangeReversed =
    KX_TEXT("GeneralSettings", "The last alarm number should be higher then the first alarm number !");
constexpr Text kAlarmInRangeReversed =
    KX_TEXT("GeneralSettings", "The last alarm-in should be higher then the first alarm-in !");
constexpr Text kIsdn = KX_TEXT("GeneralSettings", "ISDN connection to the alarmserver");
constexpr Text kQsigProtocol = KX_TEXT("GeneralSettings", "QSIG ISDN protocol");
constexpr Text kNormalIsdnProtocol = KX_TEXT("GeneralSettings", "Normal ISDN protocol (CTR4 / EURO-ISDN)");
constexpr Text kQsigPbx = KX_TEXT("GeneralSettings", "PABX QSIG protocol:");
constexpr Text kIsdnPbx = KX_TEXT("GeneralSettings", "PABX ISDN protocol:");
constexpr Text kPbxNone = KX_TEXT("GeneralSettings", "None");
constexpr Text kSendMsgAsOwnPhone = KX_TEXT("GeneralSettings", "Send alarm message as own number (DDI).");
constexpr Text kSendUui = KX_TEXT("GeneralSettings", "UUI alarm message sent as mini-message.");
constexpr Text kSendDdi = KX_TEXT("GeneralSettings", "Send the alarm number as own number (DDI). ");
constexpr Text kAddNumber = KX_TEXT("GeneralSettings", "Use calling party number for outgoing calls:");
constexpr Text kNumberToAdd = KX_TEXT("GeneralSettings", "Calling party number");
constexpr Text kExtDialPrefix = KX_TEXT("GeneralSettings", "Prefix for external calls (to get dial tone): ");

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kLineServerIni = "kxt.ini";
constexpr const char* kIsdnBoard = "D300";

constexpr int kLowestKey = 10;
constexpr int kHighestKey = 9999;

// The stored ISDN text: "0" is no ISDN; "QSIG" in any case is QSIG; anything
// else is normal ISDN.
std::string storedIsdn()
{
    return ProfileString(kAlarmIni, "config", "ISDN", "1");
}

std::string storedPbxProtocol()
{
    return ProfileString(kLineServerIni, kIsdnBoard, "PBX_Protocol", "");
}

const std::vector<Condition> kQsig = {{"ISDN", {"1"}}, {"E1Protocol", {"QSIG"}}};
const std::vector<Condition> kNormalIsdn = {{"ISDN", {"1"}}, {"E1Protocol", {"CTR4"}}};

std::vector<SettingRow> generalRows()
{
    return {
        IntSetting("FirstAlarmKey", kAlarmIni, "config", 7000)
            .label(kFirstAlarm)
            .range(kLowestKey, kHighestKey, kFirstAlarmOutOfRange),
        IntSetting("LastAlarmKey", kAlarmIni, "config", 9999)
            .label(kLastAlarm)
            .range(kLowestKey, kHighestKey, kLastAlarmOutOfRange),
        IntSetting("FirstAlarmInKey", kAlarmIni, "config", 1000)
            .label(kFirstAlarmIn)
            .range(kLowestKey, kHighestKey, kFirstAlarmInOutOfRange),
        IntSetting("LastAlarmInKey", kAlarmIni, "config", 9999)
            .label(kLastAlarmIn)
            .range(kLowestKey, kHighestKey, kLastAlarmInOutOfRange),

        CheckSetting("ISDN", kAlarmIni, "config", true)
            .label(kIsdn)
            .readBy([](const SettingRow&) { return std::string(storedIsdn() == "0" ? "0" : "1"); })
            .shownAs(
                [](const SettingsModel& m) {
                    if (!m.isOn("ISDN"))
                        return std::string("0");
                    return std::string(m.value("E1Protocol") == "QSIG" ? "QSIG" : "1");
                },
                [](SettingsModel& m, std::string_view text) {
                    if (text == "0")
                        return m.change("ISDN", "0");
                    const bool qsig = EqualsNoCase(text, "QSIG");
                    if (!qsig && text != "1") {
                        ErrorBox(kNotAnItem, ValueCaption(*m.row("ISDN")), text);
                        return Change::Refused;
                    }
                    m.change("ISDN", "1");
                    return m.change("E1Protocol", qsig ? "QSIG" : "CTR4");
                }),
        // The radio group; E1Protocol itself is only written, never read.
        RadioSetting("E1Protocol", kLineServerIni, kIsdnBoard, "CTR4",
                     {{"QSIG", kQsigProtocol, {}}, {"CTR4", kNormalIsdnProtocol, {}}})
            .when("ISDN")
            .readBy(
                [](const SettingRow&) { return std::string(EqualsNoCase(storedIsdn(), "QSIG") ? "QSIG" : "CTR4"); }),
        ListSetting("QsigPbx", kLineServerIni, kIsdnBoard, "NONE",
                    {{"NONE", kPbxNone, {}}, {"ABC", {}, "ABC"}, {"Cornet", {}, "Cornet"}})
            .at(kLineServerIni, kIsdnBoard, "PBX_Protocol")
            .label(kQsigPbx)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .readBy([](const SettingRow&) {
                const std::string stored = storedPbxProtocol();
                if (EqualsNoCase(stored, "ABC"))
                    return std::string("ABC");
                return std::string(EqualsNoCase(stored, "CORNET") ? "Cornet" : "NONE");
            }),
        ListSetting("IsdnPbx", kLineServerIni, kIsdnBoard, "NONE", {{"NONE", kPbxNone, {}}, {"ISVPN", {}, "ISVPN"}})
            .at(kLineServerIni, kIsdnBoard, "PBX_Protocol")
            .label(kIsdnPbx)
            .when("ISDN")
            .when("E1Protocol", {"CTR4"})
            .readBy([](const SettingRow&) {
                return std::string(EqualsNoCase(storedPbxProtocol(), "ISVPN") ? "ISVPN" : "NONE");
            }),
        ViewValue(
            "PBX_Protocol",
            [](const SettingsModel& m) {
                if (m.value("E1Protocol") == "QSIG")
                    return m.value("QsigPbx");
                return m.value("IsdnPbx") == "ISVPN" ? std::string("ISVPN") : std::string("NONE");
            },
            // Chooses in whichever list offers the value; NONE in the enabled one.
            [](SettingsModel& m, std::string_view text) {
                if (EqualsNoCase(text, "NONE"))
                    return m.change(m.value("E1Protocol") == "QSIG" ? "QsigPbx" : "IsdnPbx", "NONE");
                if (EqualsNoCase(text, "ISVPN"))
                    return m.change("IsdnPbx", "ISVPN");
                if (EqualsNoCase(text, "ABC"))
                    return m.change("QsigPbx", "ABC");
                if (EqualsNoCase(text, "CORNET"))
                    return m.change("QsigPbx", "Cornet");
                ErrorBox(kNotAnItem, "PBX_Protocol", text);
                return Change::Refused;
            })
            .when("ISDN"),

        CheckSetting("SendMsgAsOwnPhone", kAlarmIni, "config", true)
            .label(kSendMsgAsOwnPhone)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .clearedIf(kNormalIsdn),
        CheckSetting("SendUUI", kAlarmIni, "config", false)
            .label(kSendUui)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .clearedIf(kNormalIsdn),
        CheckSetting("SendDDI", kAlarmIni, "config", false)
            .label(kSendDdi)
            .when("ISDN")
            .when("E1Protocol", {"CTR4"})
            .clearedIf(kQsig),
        CheckSetting("AddNumberAtBeginning", kAlarmIni, "kxaldmsg", false).label(kAddNumber).when("ISDN"),
        TextSetting("NumberToAdd", kAlarmIni, "kxaldmsg").label(kNumberToAdd).when("AddNumberAtBeginning"),
        TextSetting("ExtDialPrefix", kAlarmIni, "config").label(kExtDialPrefix),
    };
}

}  // namespace

GeneralSettings::GeneralSettings() : SettingsModel(kName, kTitle, generalRows()) {}

config::KeyRanges GeneralSettings::keyRanges() const
{
    config::KeyRanges ranges;
    ranges.firstAlarmKey = static_cast<int>(number("FirstAlarmKey"));
    ranges.lastAlarmKey = static_cast<int>(number("LastAlarmKey"));
    ranges.firstAlarmInKey = static_cast<int>(number("FirstAlarmInKey"));
    ranges.lastAlarmInKey = static_cast<int>(number("LastAlarmInKey"));
    return ranges;
}

bool GeneralSettings::check()
{
    // After each value's own range; equal first and last values pass.
    if (number("LastAlarmKey") < number("FirstAlarmKey")) {
        ErrorBox(kAlarmRangeReversed);
        return false;
    }
    if (number("LastAlarmInKey") < number("FirstAlarmInKey")) {
        ErrorBox(kAlarmInRangeReversed);
        return false;
    }
    return true;
}

void GeneralSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"FirstAlarmKey", "LastAlarmKey", "FirstAlarmInKey", "LastAlarmInKey", "ExtDialPrefix"})
        addWrite(writes, name);

    const bool isdn = isOn("ISDN");
    const bool qsig = value("E1Protocol") == "QSIG";
    addWrite(writes, "ISDN", !isdn ? "0" : qsig ? "QSIG" : "1");

    // With ISDN off none of the protocol keys is touched.
    if (isdn) {
        if (qsig) {
            addWrite(writes, "E1Protocol", "QSIG");
            addWrite(writes, "QsigPbx");
            addWrite(writes, "SendMsgAsOwnPhone");
            addWrite(writes, "SendUUI");
        } else {
            // ISVPN always sends the message as own number, whatever the check box says.
            const bool isvpn = value("IsdnPbx") == "ISVPN";
            addWrite(writes, "E1Protocol", "CTR4");
            addWrite(writes, "SendMsgAsOwnPhone", isvpn ? "1" : "0");
            addWrite(writes, "IsdnPbx", isvpn ? "ISVPN" : "NONE");
        }
        addWrite(writes, "AddNumberAtBeginning");
        addWrite(writes, "NumberToAdd");
    }
    addWrite(writes, "SendDDI");

    // The line server needs the connection to the PBX for either way of
    // sending the own number; it is switched on here, never off.
    if (isdn && (isOn("SendDDI") || isOn("SendMsgAsOwnPhone")) &&
        ProfileInt(kLineServerIni, kIsdnBoard, "CNXtoPBX", 0) == 0)
        writes.push_back({kLineServerIni, kIsdnBoard, "CNXtoPBX", "1"});
}

}  // namespace kx::settings
