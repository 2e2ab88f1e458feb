#include "plans/PlanSelection.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "plans/PlanCreation.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/StringTable.h"
#include "settings/SettingsModel.h"

namespace kx::plans {

namespace {

constexpr Text kSelectFirst = KX_TEXT("PlanSelection", "Please select a schedule- and/or weekplan first!");
constexpr Text kNotOffset = KX_TEXT("PlanSelection", "The type of the alarm scheduleplan is not offset !\nAlarm-in "
                                                     "scheduleplans only support the the offset. (Group and Alarmkey "
                                                     "are not supported)");
constexpr Text kNotAnAlarmIn = KX_TEXT("PlanSelection", "Key %1 is not an alarm-in.");

std::size_t slot(PlanFamily family)
{
    return family == PlanFamily::Alarm ? 1 : 0;
}

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

PlanSelection::PlanSelection(long key, long planNumber, long planKind)
    : m_key(key),
      m_planNumber(planNumber),
      m_mode(planKind != 0 ? PlanFamily::Alarm : PlanFamily::AlarmIn)
{}

void PlanSelection::open()
{
    for (PlanFamily family : {PlanFamily::AlarmIn, PlanFamily::Alarm}) {
        m_items[slot(family)] = ListPlans(family);
        m_selected[slot(family)] = -1;
    }
    selectNumber(m_mode, m_planNumber);
    readSelected();
}

const std::vector<PlanItem>& PlanSelection::items(PlanFamily family) const
{
    return m_items[slot(family)];
}

int PlanSelection::selected(PlanFamily family) const
{
    return m_selected[slot(family)];
}

void PlanSelection::select(PlanFamily family, int index)
{
    const int count = static_cast<int>(items(family).size());
    m_selected[slot(family)] = index >= 0 && index < count ? index : -1;
    readSelected();
}

bool PlanSelection::selectNumber(PlanFamily family, long number)
{
    m_selected[slot(family)] = FindPlanItem(items(family), number);
    return m_selected[slot(family)] >= 0;
}

void PlanSelection::refresh()
{
    readSelected();
}

void PlanSelection::readSelected()
{
    const int index = selected(m_mode);
    if (index >= 0)
        m_display = ReadPlanForDisplay(items(m_mode)[static_cast<std::size_t>(index)].number, m_mode);
}

void PlanSelection::newPlan(PlanFamily family)
{
    if (!m_runCreate)
        return;
    PlanCreation creation(m_planNumber, family);
    m_runCreate(creation);
    m_planNumber = creation.number();
    for (PlanFamily listed : {PlanFamily::AlarmIn, PlanFamily::Alarm})
        m_items[slot(listed)] = ListPlans(listed);
    // The other list's selection may name another item now.
    m_selected[slot(family == PlanFamily::Alarm ? PlanFamily::AlarmIn : PlanFamily::Alarm)] = -1;
    selectNumber(family, m_planNumber);
    readSelected();
}

bool PlanSelection::edit(bool week)
{
    const int index = selected(m_mode);
    if (index < 0)
        return false;
    const long number = items(m_mode)[static_cast<std::size_t>(index)].number;
    if (number < 1)
        return false;
    const std::string name = week ? WeekFileName(number, m_mode) : YearFileName(number, m_mode);
    const std::string existing = ExistingPlanFile(name);
    CommandLine command;
    command.arg("kxsched.exe").arg(existing.empty() ? name : existing);
    return StartProgram(command).started;
}

bool PlanSelection::ok()
{
    // Every check before anything is written.
    const int index = selected(m_mode);
    if (index < 0) {
        ErrorBox(kSelectFirst);
        return false;
    }
    const long number = items(m_mode)[static_cast<std::size_t>(index)].number;
    if (m_mode == PlanFamily::Alarm) {
        // The plan stored is classified, read afresh: the one on show may
        // belong to the other family after a switch of mode.
        m_display = ReadPlanForDisplay(number, m_mode);
        if (m_display.type != PlanType::Offset) {
            ErrorBox(kNotOffset);
            return false;
        }
    }
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
        return false;
    }
    std::string status;
    if (m_key >= 0 && mailbox::RecordOfKey(m_key) <= table.RecCount()) {
        table.Go(mailbox::RecordOfKey(m_key));
        table.Read(mailbox::field::Status, status);
    }
    if (trimmed(status) != mailbox::kStatusAlarmIn) {
        ErrorBox(kNotAnAlarmIn, std::to_string(m_key));
        return false;
    }
    const settings::RecordWrites writes = {
        {"num1_7", m_mode == PlanFamily::Alarm ? "1" : "0"},
        {"n_mbx", std::to_string(number)},
    };
    if (!settings::WriteRecordUnit(table, m_key, mailbox::kStatusAlarmIn, writes))
        return false;
    m_planNumber = number;
    return true;
}

}  // namespace kx::plans
