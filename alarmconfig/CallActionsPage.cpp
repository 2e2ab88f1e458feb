#include "alarmconfig/CallActionsPage.h"

#include "alarmconfig/PageRows.h"
#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<CallActionsPage> kPage({12});

constexpr Text kPlayFile = KX_TEXT("CallActionsPage", "Play the file:");
constexpr Text kRecordFile = KX_TEXT("CallActionsPage", "Record a file");
constexpr Text kStartProgram = KX_TEXT("CallActionsPage", "Start KXE program:");
constexpr Text kCallBack = KX_TEXT("CallActionsPage", "End the call immediately and call back the caller");
constexpr Text kTwoPersonConference =
    KX_TEXT("CallActionsPage", "Start conference for two persons with recording of the conference");
constexpr Text kRecordAsFile = KX_TEXT("CallActionsPage", "Record the file");
constexpr Text kRecordAsConference =
    KX_TEXT("CallActionsPage", "Record this file as a voice recording of a conference");
constexpr Text kDialAttempts = KX_TEXT("CallActionsPage", "Maximal number of dial attempts ");
constexpr Text kProgramAfterCallBack = KX_TEXT("CallActionsPage", "Program to start after the call back:");
constexpr Text kParticipant = KX_TEXT("CallActionsPage", "Phone number of the second person:");

constexpr const char* kIni = "kxalarm.ini";
constexpr const char* kSection = "kxaspecin";

// The controls of `pager`, by action (type_msg).
constexpr struct {
    const char* action;
    const char* control;
} kArguments[] = {{"2", "module"}, {"3", "program"}, {"4", "participant"}};

settings::SettingRow argumentRow(const char* name, const char* action, Text label)
{
    settings::SettingRow row = settings::TextField(name, "pager").label(label).when("type_msg", {action});
    row.listed = false;
    row.writtenOnOk = false;  // collectRecordWrites() writes the chosen action's one
    return row;
}

settings::SettingRow moduleRow()
{
    settings::SettingRow row = argumentRow("module", "2", kStartProgram);
    row.kind = settings::Kind::List;
    row.itemSource = settings::ModuleItems();
    return row;
}

}  // namespace

CallActionsPage::CallActionsPage()
    : AlarmInPage(
          {12},
          {
              RadioField("type_msg", "type_msg",
                         {kPlayFile, kRecordFile, kStartProgram, kCallBack, kTwoPersonConference}),
              settings::TextSetting("PlayFileFor", kIni, kSection)
                  .at(kIni, kSection, "PlayFileFor%d")
                  .label(kPlayFile)
                  .when("type_msg", {"0"}),
              settings::TextSetting("RecFileFor", kIni, kSection)
                  .at(kIni, kSection, "RecFileFor%d")
                  .label(kRecordFile)
                  .when("type_msg", {"1"}),
              RadioField("msg_ch_r", "msg_ch_r", {kRecordAsFile, kRecordAsConference}).when("type_msg", {"1"}),
              moduleRow(),
              argumentRow("program", "3", kProgramAfterCallBack),
              argumentRow("participant", "4", kParticipant),
              // kxalarmctl sets `pager` in the control of the chosen action.
              settings::ViewValue(
                  "pager",
                  [](const settings::SettingsModel& page) {
                      const char* control = static_cast<const CallActionsPage&>(page).argumentControl();
                      return control ? page.value(control) : std::string();
                  },
                  [](settings::SettingsModel& page, std::string_view text) {
                      const char* control = static_cast<CallActionsPage&>(page).argumentControl();
                      return control ? page.change(control, text) : settings::Change::Disabled;
                  })
                  .when("type_msg", {"2", "3", "4"}),
              settings::IntSetting("CallBackRedials", kIni, kSection, 5).label(kDialAttempts).when("type_msg", {"3"}),
          })
{}

const char* CallActionsPage::argumentControl() const
{
    for (const auto& a : kArguments)
        if (value("type_msg") == a.action)
            return a.control;
    return nullptr;
}

void CallActionsPage::fill()
{
    // `pager` belongs to the stored action only; the other controls start
    // empty. An action this page does not know keeps `pager` as stored.
    m_storedPager = value("program");
    for (const auto& a : kArguments)
        if (value("type_msg") != a.action)
            set(a.control, {});
}

void CallActionsPage::collectRecordWrites(settings::RecordWrites& writes) const
{
    AlarmInPage::collectRecordWrites(writes);
    const char* control = argumentControl();
    const bool known = row("type_msg")->option(value("type_msg")) != nullptr;
    addRecordWrite(writes, "program", control ? value(control) : known ? std::string() : m_storedPager);
}

}  // namespace kx::alarmconfig
