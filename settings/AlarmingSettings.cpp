#include "settings/AlarmingSettings.h"

#include "console/CommandIds.h"
#include "settings/SettingsRegistry.h"

namespace kx::settings {

namespace {

const Registration<SequentialSettings> kSequential(console::cmd::SequentAlarmSettings);
const Registration<ParallelSettings> kParallel(console::cmd::ParallelAlarmSettings);
const Registration<ConfirmationSettings> kConfirmation(console::cmd::ConfirmationSettings);
const Registration<ConferenceSettings> kConference(console::cmd::ConferenceSettings);
const Registration<AlarmResultSettings> kAlarmResult(console::cmd::ResultViewerSettings);

constexpr Text kPlayMessage = KX_TEXT("AlarmingModeSettings", "Play the alarm message ");
constexpr Text kCallBack = KX_TEXT("AlarmingModeSettings", "Activate call back for SMS and pager on number:");
constexpr Text kSleepAfterPage =
    KX_TEXT("SequentialSettings", "Wait for a call back on sms or pager call, in seconds:");
constexpr Text kSequentialDialMore =
    KX_TEXT("SequentialSettings", "Dial next number of person on no answer, busy, negative confirmation or answer if "
                                  "confirmation is active.");
constexpr Text kParallelDialMore =
    KX_TEXT("ParallelSettings", "Dial next number on no answer, busy or negative confirmation");
constexpr Text kRings0Allowed = KX_TEXT("ParallelSettings", "Allow rings 0. This is used to only send mini messages");

constexpr Text kRepeatConfirmation = KX_TEXT("ConfirmationSettings", "Repeat the confirmation ");
constexpr Text kConfAfterEachMsg = KX_TEXT("ConfirmationSettings", "If the alarm message will be repeated, play the "
                                                                   "confirmation menu after each alarm message");
constexpr Text kConfirmedBy =
    KX_TEXT("ConfirmationSettings",
            "Set number of person who confirmed the alarm first, as alarmmessage. The message is used if an alarm is "
            "started on success. This can be activated in the escalations settings of the alarm.");
constexpr Text kPrefix = KX_TEXT("ConfirmationSettings", "Use message prefix:");

constexpr Text kWaitForConf =
    KX_TEXT("ConferenceSettings", "Max. wait duration until a conference partner has been found:");
constexpr Text kWaitingRepeat =
    KX_TEXT("ConferenceSettings", "Repeat this message while waiting for a conference every ");
constexpr Text kMaxDuration = KX_TEXT("ConferenceSettings", "Maximum duration of conference:");
constexpr Text kRecAsync = KX_TEXT("ConferenceSettings", "Record conferences asynchronous (if recording is selected)");

constexpr Text kPrint = KX_TEXT("AlarmResultSettings", "Send the alarm result after ");
constexpr Text kFax = KX_TEXT("AlarmResultSettings", "Send the alarm result as fax onto the number:");
constexpr Text kMail = KX_TEXT("AlarmResultSettings", "Send the alarm result as E-mail to:");
constexpr Text kStartViewer = KX_TEXT("AlarmResultSettings", "Launch the alarm viewer automatically after each alarm");

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr std::size_t kTextBuffer = 80;
constexpr std::size_t kLongTextBuffer = 128;
constexpr long kDefaultMaxDuration = 3600;

// The rows both alarming modes begin with; `section` is "sequent" or "parallel".
std::vector<SettingRow> modeRows(const char* section, std::vector<SettingRow> more)
{
    std::vector<SettingRow> rows = {
        IntSetting("RepeatMessage", kAlarmIni, section, 2).label(kPlayMessage).spin(1, 50),
        CheckSetting("PagerCallBack", kAlarmIni, section, false).label(kCallBack),
        TextSetting("CallBackNumber", "kxamsg.ini", "Config", {}, kTextBuffer).label(kCallBack).when("PagerCallBack"),
    };
    for (SettingRow& row : more)
        rows.push_back(std::move(row));
    return rows;
}

}  // namespace

void AlarmingModeSettings::collectWrites(IniWrites& writes) const
{
    addWrite(writes, "RepeatMessage");
    addWrite(writes, "PagerCallBack");
    if (isOn("PagerCallBack")) {
        addWrite(writes, "CallBackNumber");
        writes.push_back({"kxapagcb.ini", "Config", "CBNumber", value("CallBackNumber")});
    }
    for (const char* name : laterKeys())
        addWrite(writes, name);
}

SequentialSettings::SequentialSettings()
    : AlarmingModeSettings(
          kName, kTitle,
          modeRows(
              "sequent",
              {IntSetting("SleepAfterPage", kAlarmIni, "sequent", 300).label(kSleepAfterPage).when("PagerCallBack"),
               CheckSetting("DialMoreNbrsOnKo", kAlarmIni, "sequent", false).label(kSequentialDialMore)}))
{}

ParallelSettings::ParallelSettings()
    : AlarmingModeSettings(
          kName, kTitle,
          modeRows("parallel", {CheckSetting("DialMoreNbrsOnKo", kAlarmIni, "parallel", false).label(kParallelDialMore),
                                CheckSetting("Rings0Allowed", "kxaconf.ini", "Config", false).label(kRings0Allowed)}))
{}

ConfirmationSettings::ConfirmationSettings()
    : SettingsModel(
          kName, kTitle,
          {
              IntSetting("RepeatConfirmation", kAlarmIni, "kxacon", 3).label(kRepeatConfirmation),
              CheckSetting("ConfAfterEachMsgPlay", kAlarmIni, "kxacon", false).label(kConfAfterEachMsg),
              CheckSetting("SetConfirmedByForAlarmOnSuccess", kAlarmIni, "kxarun2", false).label(kConfirmedBy),
              TextSetting("ConfirmedByPreMessage", kAlarmIni, "kxarun2", {}, kTextBuffer)
                  .label(kPrefix)
                  .when("SetConfirmedByForAlarmOnSuccess"),
          })
{}

ConferenceSettings::ConferenceSettings()
    : SettingsModel(kName, kTitle,
                    {
                        IntSetting("WaitForConf", kAlarmIni, "kxaconf", 60).label(kWaitForConf),
                        IntSetting("WaitingMsgRepeatDelay", kAlarmIni, "kxaconf", 15).label(kWaitingRepeat),
                        IntSetting("MaxDurationMinutes", kAlarmIni, "kxaconf", 60)
                            .at(kAlarmIni, "kxaconf", "MaxDurationInSeconds")
                            .label(kMaxDuration),
                        CheckSetting("RecAsync", kAlarmIni, "kxarecconf", false).label(kRecAsync),
                    })
{}

void ConferenceSettings::fill()
{
    m_storedSeconds = ProfileNumber(kAlarmIni, "kxaconf", "MaxDurationInSeconds", kDefaultMaxDuration);
    set("MaxDurationMinutes", std::to_string(m_storedSeconds / 60));
}

void ConferenceSettings::collectWrites(IniWrites& writes) const
{
    SettingsModel::collectWrites(writes);
    // Seconds that are no whole minutes stay as stored until the minutes change.
    const std::string& minutes = value("MaxDurationMinutes");
    const bool changed = minutes != std::to_string(m_storedSeconds / 60);
    for (IniWrite& w : writes)
        if (w.key == "MaxDurationInSeconds")
            w.value = std::to_string(changed ? number("MaxDurationMinutes") * 60 : m_storedSeconds);
}

AlarmResultSettings::AlarmResultSettings()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("PrintAlarmResult", kAlarmIni, "kxaprint", false).label(kPrint),
              IntSetting("SleepBeforePrint", kAlarmIni, "kxaprint", 0).label(kPrint).when("PrintAlarmResult"),
              CheckSetting("FaxAlarmResult", kAlarmIni, "kxaprint", false).label(kFax),
              TextSetting("FaxNumber", kAlarmIni, "kxaprint", {}, kLongTextBuffer).label(kFax).when("FaxAlarmResult"),
              CheckSetting("SendAlarmResultEmail", kAlarmIni, "kxaprint", false).label(kMail),
              TextSetting("SendEmailTo", kAlarmIni, "kxaprint", {}, kLongTextBuffer)
                  .label(kMail)
                  .when("SendAlarmResultEmail"),
              // Not offered by the dialog: written back exactly as it was read.
              TextSetting("StartViewer", kAlarmIni, "kxarun", "0", kTextBuffer).label(kStartViewer),
          })
{}

}  // namespace kx::settings
