#include "settings/EmailSettings.h"

#include "console/CommandIds.h"
#include "core/Autostart.h"
#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"
#include "settings/ItemSources.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"

namespace kx::settings {

namespace {

const Registration<EmailSettings> kRegistration(console::cmd::EmailSettings);

constexpr Text kSend = KX_TEXT("EmailSettings", "Enable function for sending alarmmessages as e-mail");
constexpr Text kSmtpHost = KX_TEXT("EmailSettings", "Send e-mail by SMTP host:");
constexpr Text kSender = KX_TEXT("EmailSettings", "E-mail sender-address:");
constexpr Text kAutoAddDomain = KX_TEXT("EmailSettings", "Add domain ( @xxxxx.yy ) ");
constexpr Text kDomain = KX_TEXT("EmailSettings", "Domain");
constexpr Text kOnlyDomain =
    KX_TEXT("EmailSettings", "Add domain always to name. If a other domain was specified, do not send the mail.");
constexpr Text kAttachWav = KX_TEXT("EmailSettings", "Send alarm-wavfile (alarmref.wav) as attachment");
constexpr Text kReceive = KX_TEXT("EmailSettings", "Enable function to receive alarm e-mails, to start a specified "
                                                   "alarm.\nThe KXE module kxaemailin.kxe needs to be running");
constexpr Text kMailServer = KX_TEXT("EmailSettings", "Receive e-mails from mailserver:");
constexpr Text kUser = KX_TEXT("EmailSettings", "User name for mail-account:");
constexpr Text kPassword = KX_TEXT("EmailSettings", "Password for mail-account:");
constexpr Text kRange =
    KX_TEXT("EmailSettings", "Only start alarm, if the specified alarmnumber is in the range from:");
constexpr Text kRangeTo = KX_TEXT("EmailSettings", "to");
constexpr Text kNeedIdAndPwd =
    KX_TEXT("EmailSettings", "To launch an alarm, a ID and password has to be specified in the e-mail");
constexpr Text kEditIdList = KX_TEXT("EmailSettings", "Edit ID and password list");
constexpr Text kDefaultAlarm = KX_TEXT("EmailSettings", "Use default alarmkey if no valid alarmkey specified:");
constexpr Text kGetmailMissing = KX_TEXT("EmailSettings", "The program getmail.exe, which is needed to get the mails "
                                                          "from the mailserver, is not installed !");

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kSending = "kxaemail";
constexpr const char* kReceiving = "kxaemailin";
constexpr std::size_t kTextBuffer = 80;
// Keys below this are no alarms: the list shows "Do not launch an alarm".
constexpr int kLowestAlarmKey = 10;

std::vector<SettingRow> emailRows()
{
    return {
        CheckSetting("-@-", "kxpers.ini", "Types", false).label(kSend),
        TextSetting("SMTPHost", kAlarmIni, kSending, {}, kTextBuffer).label(kSmtpHost).when("-@-"),
        TextSetting("SMTPSenderName", kAlarmIni, kSending, {}, kTextBuffer).label(kSender).when("-@-"),
        CheckSetting("AutoAddDomain", kAlarmIni, kSending, false).label(kAutoAddDomain).when("-@-"),
        TextSetting("DomainToAdd", kAlarmIni, kSending, {}, kTextBuffer).label(kDomain).when("AutoAddDomain"),
        CheckSetting("OnlyDomainAutoAdd", kAlarmIni, kSending, false).label(kOnlyDomain).when("AutoAddDomain"),
        CheckSetting("AttachAlarmWavToEmail", kAlarmIni, kSending, false).label(kAttachWav).when("-@-"),
        CheckSetting("Active", kAlarmIni, kReceiving, false).label(kReceive),
        TextSetting("MailServer", kAlarmIni, kReceiving, {}, kTextBuffer).label(kMailServer).when("Active"),
        TextSetting("UserForPolling", kAlarmIni, kReceiving, {}, kTextBuffer).label(kUser).when("Active"),
        TextSetting("PasswordForPolling", kAlarmIni, kReceiving, {}, kTextBuffer)
            .label(kPassword)
            .password()
            .when("Active"),
        CheckSetting("AlarmRange", {}, {}, false).label(kRange).when("Active"),
        IntSetting("FirstAlarmForRange", kAlarmIni, kReceiving, 0).label(kRange).when("AlarmRange"),
        IntSetting("LastAlarmForRange", kAlarmIni, kReceiving, 0).label(kRangeTo).when("AlarmRange"),
        CheckSetting("NeedIdAndPwd", kAlarmIni, kReceiving, false).label(kNeedIdAndPwd).when("Active"),
        ButtonRow("edit-id-list", kEditIdList).when("NeedIdAndPwd"),
        ListSetting("DefaultAlarm", kAlarmIni, kReceiving, "0", {})
            .label(kDefaultAlarm)
            .itemsFrom(SettingsAlarmItems(NoneItem::First, 7000))
            .when("Active")
            .readBy([](const SettingRow& row) {
                const int key = ProfileNumber(row.file, row.section, row.key, 0);
                return std::to_string(key < kLowestAlarmKey ? 0 : key);
            }),
    };
}

}  // namespace

EmailSettings::EmailSettings() : SettingsModel(kName, kTitle, emailRows()) {}

void EmailSettings::fill()
{
    set("AlarmRange", number("FirstAlarmForRange") != 0 || number("LastAlarmForRange") != 0 ? "1" : "0");
}

void EmailSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"-@-", "SMTPHost", "SMTPSenderName", "DomainToAdd", "AutoAddDomain", "OnlyDomainAutoAdd",
                             "AttachAlarmWavToEmail", "Active", "NeedIdAndPwd"})
        addWrite(writes, name);
    const bool range = isOn("AlarmRange");
    addWrite(writes, "FirstAlarmForRange", range ? value("FirstAlarmForRange") : "0");
    addWrite(writes, "LastAlarmForRange", range ? value("LastAlarmForRange") : "0");
    for (const char* name : {"MailServer", "UserForPolling", "PasswordForPolling", "DefaultAlarm"})
        addWrite(writes, name);
}

void EmailSettings::afterWrite()
{
    if (!isOn("Active"))
        return;
    autostart::Register(autostart::kEmailReceiver);
    if (FindProgram("getmail.exe").empty())
        ErrorBox(kGetmailMissing);
}

void EmailSettings::pressed(std::string_view button)
{
    if (button != "edit-id-list")
        return;
    if (!OpenInEditor(SitePaths::windowsDirectory() + "/kxapwd.ini"))
        pressFailed();
}

}  // namespace kx::settings
