#include "alarmconfig/BroadcastPage.h"

#include "alarmconfig/NumberPassword.h"
#include "settings/ItemSources.h"
#include "settings/ProgramStart.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<BroadcastPage> kPage({0});

constexpr Text kLaunchAlarm = KX_TEXT("BroadcastPage", "Launch alarm:");
constexpr Text kEdit = KX_TEXT("BroadcastPage", "Edit");
constexpr Text kRecordMessage = KX_TEXT("BroadcastPage", "Record alarm message on each alarm launch");
constexpr Text kSettings = KX_TEXT("BroadcastPage", "Settings");
constexpr Text kUsePassword = KX_TEXT("BroadcastPage", "Enter a 4 digit password before launching the alarm");
constexpr Text kPassword = KX_TEXT("BroadcastPage", "Password to launch the alarm:");
constexpr Text kLaunchMenu = KX_TEXT("BroadcastPage", "Play the menu \"launch alarm\" (3 = launch, 4 = do not "
                                                      "launch, 2 = play the alarm message)");
constexpr Text kUseCli =
    KX_TEXT("BroadcastPage", "Use the alarm-in key defined by the number of the caller (CLI) if it exists");
constexpr Text kLastDigits = KX_TEXT("BroadcastPage", "Only use the last %1 digits of the caller number (CLI)");
constexpr Text kOffset = KX_TEXT("BroadcastPage", "Add offset %1 to caller number (CLI)");
constexpr Text kWhitelist = KX_TEXT("BroadcastPage", "Use whitelist for phonenumbers which can start this alarm");
constexpr Text kEditWhitelist = KX_TEXT("BroadcastPage", "Edit whitelist");

SettingRow digitsField(std::string name, std::string logicalName, int first, int last)
{
    SettingRow row = IntField(std::move(name), std::move(logicalName));
    row.kind = Kind::List;
    row.options = DigitItems(first, last);
    return row;
}

}  // namespace

bool EditAlarm(long alarmKey)
{
    return alarmKey <= 0 || settings::StartReported(CommandLine("kxaconf.exe").arg(std::to_string(alarmKey)));
}

BroadcastPage::BroadcastPage()
    : AlarmInPage({0}, {
                           KeyField("p_ogm3", "p_ogm3", PageAlarmItems(true)).label(kLaunchAlarm),
                           ButtonRow("edit", kEdit),
                           CheckField("p_msg_f", "p_msg_f").flags("1", "-1").label(kRecordMessage),
                           ButtonRow("settings", kSettings).when("p_msg_f"),
                           CheckField("p_msg_r", "p_msg_r").flags("1", "-1").label(kUsePassword),
                           TextField("pwd", "pwd").when("p_msg_r").label(kPassword),
                           CheckField("type_answr", "type_answr").flags("1", "-1").label(kLaunchMenu),
                           CheckField("type_alt", "type_alt").label(kUseCli),
                           digitsField("p_ogm1", "p_ogm1", 0, 9).when("type_alt").label(kLastDigits),
                           IntField("p_ogm2", "p_ogm2").when("type_alt").label(kOffset),
                           CheckField("n_msg", "n_msg").label(kWhitelist),
                           ButtonRow("whitelist", kEditWhitelist).when("n_msg"),
                       })
{}

bool BroadcastPage::check()
{
    return !isOn("p_msg_r") || CheckNumberPassword(value("pwd"), ValueCaption(*row("pwd")));
}

void BroadcastPage::collectRecordWrites(RecordWrites& writes) const
{
    for (const SettingRow& r : rows()) {
        if (r.name == "pwd")
            addRecordWrite(writes, r.name, isOn("p_msg_r") ? value("pwd") : "0");
        else if (r.inRecord() && r.writtenOnOk)
            addRecordWrite(writes, r.name);
    }
}

void BroadcastPage::pressed(std::string_view button)
{
    if (button == "edit" && !EditAlarm(number("p_ogm3")))
        pressFailed();
}

}  // namespace kx::alarmconfig
