#include "alarmconfig/ConferencePage.h"

#include "alarmconfig/BroadcastPage.h"
#include "alarmconfig/NumberPassword.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/TextEncoding.h"
#include "settings/ItemSources.h"

#include <cstdlib>

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<ConferencePage> kPage({1});

constexpr Text kStartAlarm = KX_TEXT("ConferencePage", "Start alarm for the conference:");
constexpr Text kEdit = KX_TEXT("ConferencePage", "Edit");
constexpr Text kParallel = KX_TEXT("ConferencePage", "The selected alarm is of type: parallel conferences");
constexpr Text kWithFirst =
    KX_TEXT("ConferencePage", "The selected alarm is of type:  2 party conference with the first who answers");
constexpr Text kNotConference = KX_TEXT("ConferencePage", "Warning: The selected alarm is not of type conference !");
constexpr Text kRingTone =
    KX_TEXT("ConferencePage", "Simulate ringing signal (ring tone), as long as nobody else is in the conference.");
constexpr Text kOnHold = KX_TEXT("ConferencePage", "Play on-hold-message while nobody else is in the conference");
constexpr Text kDirect = KX_TEXT("ConferencePage", "Lead caller directly into the conference");
constexpr Text kRingToneFirst = KX_TEXT(
    "ConferencePage", "Simulate ringing signal (ring tone) instead of a message, while waiting for the conference");
constexpr Text kKey3Menu = KX_TEXT("ConferencePage", "Play menu to start conference only if key 3 is pressed");
constexpr Text kSpecificMessage =
    KX_TEXT("ConferencePage", "When launching an alarm for conference, record a specific message, which will be "
                              "heard before entering into the conference");
constexpr Text kUsePassword = KX_TEXT("ConferencePage", "Password needs to be entered to start the conference");
constexpr Text kPassword = KX_TEXT("ConferencePage", "Password:");
constexpr Text kOnTimeout = KX_TEXT("ConferencePage", "On timeout waiting for conference, start alarm-in");
constexpr Text kMaxWait =
    KX_TEXT("ConferencePage", "Maximum time to wait for conference partners to be found: %1 seconds");
constexpr Text kExtended = KX_TEXT("ConferencePage", "Extended settings");
constexpr Text kNoDtmf =
    KX_TEXT("ConferencePage", "Deactivate DTMF tones to stop playing the message if a key is pressed");
constexpr Text kAsynchronous =
    KX_TEXT("ConferencePage", "Play  message asynchronous and start conference after %1 seconds");
constexpr Text kWhitelist = KX_TEXT("ConferencePage", "Use whitelist for phonenumbers which can start this alarm");
constexpr Text kEditWhitelist = KX_TEXT("ConferencePage", "Edit whitelist");
constexpr Text kChangeType = KX_TEXT("ConferencePage", "Change alarmtype ?");
constexpr Text kNotConferenceType = KX_TEXT("ConferencePage", "The type of the alarm %1 is not conference !");
constexpr Text kToParallel = KX_TEXT("ConferencePage", "Change alarm-type to conference / parallel");
constexpr Text kToWithFirst = KX_TEXT("ConferencePage", "Change alarm-type to conference with first");

// The kinds of conference alarms (type_alt of an alarm).
constexpr int kParallelConference = 3;
constexpr int kConferenceWithFirst = 4;
// A waiting time below this is stored as the default.
constexpr long kShortestWait = 10;
constexpr const char* kDefaultWait = "60";

// A control's own state that makes a value together with another control.
SettingRow controlRow(std::string name, Kind kind, Text label = {})
{
    SettingRow row = DisplayValue(std::move(name), label).unlisted();
    row.kind = kind;
    row.defaultValue.assign(1, '0');
    return row;
}

// A value of a record field that two controls make: kxalarmctl's name for it.
SettingRow madeByControls(std::string field, std::function<Change(SettingsModel&, std::string_view)> assign)
{
    SettingRow row = ViewValue(
        field, [field](const SettingsModel& m) { return m.value(field); }, std::move(assign));
    row.field = field;
    return row;
}

Change refuse(const SettingsModel& m, std::string_view control, std::string_view text)
{
    ErrorBox(kNotAnItem, ValueCaption(*m.row(control)), text);
    return Change::Refused;
}

Change assignWaiting(SettingsModel& m, std::string_view text)
{
    if (m.value("alarmKind") == std::to_string(kParallelConference))
        return m.change("waiting", text);
    if (text != "2" && text != "0")
        return refuse(m, "ringTone", text);
    return m.change("ringTone", text == "2" ? "1" : "0");
}

Change assignTimeout(SettingsModel& m, std::string_view text)
{
    if (text == "0")
        return m.change("timeoutOn", "0");
    if (!m.row("timeoutAlarmIn")->option(text))
        return refuse(m, "timeoutOn", text);
    m.change("timeoutOn", "1");
    return m.change("timeoutAlarmIn", text);
}

}  // namespace

ConferencePage::ConferencePage()
    : AlarmInPage({1},
                  {
                      KeyField("p_ogm3", "p_ogm3", PageAlarmItems(true)).label(kStartAlarm),
                      ButtonRow("edit", kEdit),
                      ViewValue("alarmKind", nullptr, nullptr).unlisted(),
                      DisplayValue("note"),
                      madeByControls("msg_ch_f", assignWaiting).when("alarmKind", {"3", "4"}),
                      controlRow("waiting", Kind::Radio)
                          .items({{"2", kRingTone, {}}, {"1", kOnHold, {}}, {"0", kDirect, {}}})
                          .shownWhen("alarmKind", {"3"}),
                      controlRow("ringTone", Kind::Check, kRingToneFirst).shownWhen("alarmKind", {"4"}),
                      CheckField("mbx_ch_f", "mbx_ch_f").label(kKey3Menu),
                      CheckField("msg_ch_r", "msg_ch_r").label(kSpecificMessage),
                      CheckField("p_msg_r", "p_msg_r").flags("1", "-1").label(kUsePassword),
                      TextField("num6_3", "num6_3").when("p_msg_r").label(kPassword),
                      madeByControls("p_mbx_f", assignTimeout),
                      controlRow("timeoutOn", Kind::Check, kOnTimeout),
                      controlRow("timeoutAlarmIn", Kind::List, kOnTimeout).itemsFrom(AlarmInItems()).when("timeoutOn"),
                      IntField("num6_2", "num6_2").label(kMaxWait),
                      ButtonRow("extended", kExtended),
                      CheckField("num1_5", "num1_5").label(kNoDtmf),
                      CheckField("num1_4", "num1_4").label(kAsynchronous),
                      IntField("num4_3", "num4_3").when("num1_4").label(kAsynchronous),
                      CheckField("n_msg", "n_msg").label(kWhitelist),
                      ButtonRow("whitelist", kEditWhitelist).when("n_msg"),
                  })
{}

int ConferencePage::kindOfAlarm(long alarmKey) const
{
    CDatabase* db = table();
    if (!db || alarmKey <= 0 || mailbox::RecordOfKey(alarmKey) > db->RecCount())
        return -1;
    std::string status, kind;
    db->Go(mailbox::RecordOfKey(alarmKey));
    if (db->Read(mailbox::field::Status, status) != 1 || status != mailbox::kStatusAlarm)
        return -1;
    db->Read(mailbox::PhysicalName(mailbox::PositionOfLogicalName("type_alt")).c_str(), kind);
    return static_cast<int>(std::strtol(kind.c_str(), nullptr, 10));
}

void ConferencePage::showAlarmKind()
{
    const int kind = kindOfAlarm(number("p_ogm3"));
    set("alarmKind", std::to_string(kind));
    const Text& note = kind == kParallelConference    ? kParallel
                       : kind == kConferenceWithFirst ? kWithFirst
                                                      : kNotConference;
    set("note", Utf8ToCp1252Lossy(Tr(note)));
}

void ConferencePage::showWaiting()
{
    set("waiting", value("msg_ch_f"));
    set("ringTone", value("msg_ch_f") == "2" ? "1" : "0");
}

void ConferencePage::fill()
{
    showAlarmKind();
    // The controls of the values that two controls make, from the stored values.
    showWaiting();
    set("timeoutOn", value("p_mbx_f") != "0" ? "1" : "0");
    set("timeoutAlarmIn", value("p_mbx_f"));
}

void ConferencePage::changed(std::string_view name)
{
    if (name == "p_ogm3")
        showAlarmKind();
    if (name == "p_ogm3" || name == "waiting" || name == "ringTone")
        set("msg_ch_f", waitingValue());
    if (name == "timeoutOn" || name == "timeoutAlarmIn")
        set("p_mbx_f", timeoutValue());
}

std::string ConferencePage::waitingValue() const
{
    switch (alarmKind()) {
    case kParallelConference:
        return value("waiting");
    case kConferenceWithFirst:
        return isOn("ringTone") ? "2" : "0";
    default:
        return "0";
    }
}

std::string ConferencePage::timeoutValue() const
{
    return isOn("timeoutOn") ? value("timeoutAlarmIn") : "0";
}

bool ConferencePage::check()
{
    return !isOn("p_msg_r") || CheckNumberPassword(value("num6_3"), ValueCaption(*row("num6_3")));
}

void ConferencePage::collectRecordWrites(RecordWrites& writes) const
{
    for (const SettingRow& r : rows()) {
        if (!r.inRecord())
            continue;
        if (r.name == "msg_ch_f")
            addRecordWrite(writes, r.name, waitingValue());
        else if (r.name == "p_mbx_f")
            addRecordWrite(writes, r.name, timeoutValue());
        else if (r.name == "num6_3" && !isOn("p_msg_r"))
            continue;  // the password is kept while it is not asked for
        else if (r.name == "num6_2" && number("num6_2") < kShortestWait)
            addRecordWrite(writes, r.name, kDefaultWait);
        else
            addRecordWrite(writes, r.name);
    }
}

void ConferencePage::pressed(std::string_view button)
{
    if (button == "edit" && !EditAlarm(number("p_ogm3")))
        pressFailed();
}

bool ConferencePage::afterSave()
{
    const long alarmKey = number("p_ogm3");
    const int kind = kindOfAlarm(alarmKey);
    if (alarmKey < 10 || kind < 0 || kind == kParallelConference || kind == kConferenceWithFirst)
        return true;
    const int choice =
        ChoiceBox(kChangeType, kNotConferenceType, {kToParallel, kToWithFirst}, 0, std::to_string(alarmKey));
    if (choice < 0)
        return true;
    // Written only while the key is still an alarm (another program may have
    // freed or reused it since).
    const std::string newKind = std::to_string(choice == 0 ? kParallelConference : kConferenceWithFirst);
    if (!WriteRecordUnit(*table(), alarmKey, mailbox::kStatusAlarm, {{"type_alt", newKind}}))
        return false;
    showAlarmKind();
    showWaiting();  // as saved, now under the alarm's new kind
    return true;
}

}  // namespace kx::alarmconfig
