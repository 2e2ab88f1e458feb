#include "settings/GeneralSettings.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"

namespace kx::settings {

namespace {

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
        IntSetting("FirstAlarmKey", kAlarmIni, "config", 7000).label(str::FirstAlarmLabel),
        IntSetting("LastAlarmKey", kAlarmIni, "config", 9999).label(str::LastAlarmLabel),
        IntSetting("FirstAlarmInKey", kAlarmIni, "config", 1000).label(str::FirstAlarmInLabel),
        IntSetting("LastAlarmInKey", kAlarmIni, "config", 9999).label(str::LastAlarmInLabel),

        CheckSetting("ISDN", kAlarmIni, "config", true)
            .label(str::IsdnConnectionLabel)
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
                        ErrorBox(str::SettingNotAnItem, ValueCaption(*m.row("ISDN")), text);
                        return Change::Refused;
                    }
                    m.change("ISDN", "1");
                    return m.change("E1Protocol", qsig ? "QSIG" : "CTR4");
                }),
        // The radio group; E1Protocol itself is only written, never read.
        RadioSetting("E1Protocol", kLineServerIni, kIsdnBoard, "CTR4",
                     {{"QSIG", str::QsigProtocolLabel, {}}, {"CTR4", str::NormalIsdnProtocolLabel, {}}})
            .when("ISDN")
            .readBy(
                [](const SettingRow&) { return std::string(EqualsNoCase(storedIsdn(), "QSIG") ? "QSIG" : "CTR4"); }),
        ListSetting("QsigPbx", kLineServerIni, kIsdnBoard, "NONE",
                    {{"NONE", str::PbxNone, {}}, {"ABC", str::PbxAbc, {}}, {"Cornet", str::PbxCornet, {}}})
            .at(kLineServerIni, kIsdnBoard, "PBX_Protocol")
            .label(str::PbxQsigLabel)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .readBy([](const SettingRow&) {
                const std::string stored = storedPbxProtocol();
                if (EqualsNoCase(stored, "ABC"))
                    return std::string("ABC");
                return std::string(EqualsNoCase(stored, "CORNET") ? "Cornet" : "NONE");
            }),
        ListSetting("IsdnPbx", kLineServerIni, kIsdnBoard, "NONE",
                    {{"NONE", str::PbxNone, {}}, {"ISVPN", str::PbxIsvpn, {}}})
            .at(kLineServerIni, kIsdnBoard, "PBX_Protocol")
            .label(str::PbxIsdnLabel)
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
                ErrorBox(str::SettingNotAnItem, "PBX_Protocol", text);
                return Change::Refused;
            })
            .when("ISDN"),

        CheckSetting("SendMsgAsOwnPhone", kAlarmIni, "config", true)
            .label(str::SendMsgAsOwnPhoneLabel)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .clearedIf(kNormalIsdn),
        CheckSetting("SendUUI", kAlarmIni, "config", false)
            .label(str::SendUuiLabel)
            .when("ISDN")
            .when("E1Protocol", {"QSIG"})
            .clearedIf(kNormalIsdn),
        CheckSetting("SendDDI", kAlarmIni, "config", false)
            .label(str::SendDdiLabel)
            .when("ISDN")
            .when("E1Protocol", {"CTR4"})
            .clearedIf(kQsig),
        CheckSetting("AddNumberAtBeginning", kAlarmIni, "kxaldmsg", false)
            .label(str::AddNumberAtBeginningLabel)
            .when("ISDN"),
        TextSetting("NumberToAdd", kAlarmIni, "kxaldmsg").label(str::NumberToAddLabel).when("AddNumberAtBeginning"),
        TextSetting("ExtDialPrefix", kAlarmIni, "config").label(str::ExtDialPrefixLabel),
    };
}

}  // namespace

GeneralSettings::GeneralSettings() : SettingsModel("general", str::GeneralSettingsTitle, generalRows()) {}

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
    // In this order; the first failure is the one reported.
    const struct {
        const char* name;
        int message;
    } bounds[] = {
        {"FirstAlarmKey", str::FirstAlarmOutOfRange},
        {"LastAlarmKey", str::LastAlarmOutOfRange},
        {"FirstAlarmInKey", str::FirstAlarmInOutOfRange},
        {"LastAlarmInKey", str::LastAlarmInOutOfRange},
    };
    for (const auto& b : bounds) {
        const long v = number(b.name);
        if (v < kLowestKey || v > kHighestKey) {
            ErrorBox(b.message, value(b.name));
            return false;
        }
    }
    if (number("LastAlarmKey") < number("FirstAlarmKey")) {
        ErrorBox(str::AlarmRangeReversed);
        return false;
    }
    if (number("LastAlarmInKey") < number("FirstAlarmInKey")) {
        ErrorBox(str::AlarmInRangeReversed);
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
