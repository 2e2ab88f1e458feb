#include "alarmconfig/AlarmInEditor.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "plans/PlanList.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "watchers/SupervisedAlarmIns.h"

#include <array>
#include <cstdlib>

namespace kx::alarmconfig {

namespace {

using settings::Change;

constexpr int kLineSupervision = 6;
using settings::SettingRow;

constexpr Text kAlarmIn = KX_TEXT("AlarmInEditor", "Alarm-in:");
constexpr Text kLabel = KX_TEXT("AlarmInEditor", "Label:");
constexpr Text kFunction = KX_TEXT("AlarmInEditor", "Type of alarm entrie:");
constexpr Text kDisplayMessage = KX_TEXT("AlarmInEditor", "Display message:");
constexpr Text kSchedulePlan = KX_TEXT("AlarmInEditor", "Scheduleplan:");
constexpr Text kEdit = KX_TEXT("AlarmInEditor", "Edit");
constexpr Text kSaveQuestion = KX_TEXT("AlarmInEditor", "Do you want to save the data for the alarm '%1' ?");
constexpr Text kCannotSave = KX_TEXT("AlarmInEditor", "Error, impossible to save the data !");
constexpr Text kNothingLoaded = KX_TEXT("AlarmInEditor", "No alarm-in is loaded: there is nothing to save.");

constexpr std::array<Text, mailbox::kAlarmInFunctionCount> kFrameTitles = {
    KX_TEXT("AlarmInEditor", "Settings for Broadcast / Launch '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to launch conference '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to record alarm messages on '%1'"),
    KX_TEXT("AlarmInEditor", "Login and logout persons with internal numbers on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for confirmation callback on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for confirmation callback for pager, SMS and email on '%1'"),
    KX_TEXT("AlarmInEditor", "Line test call back on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to record fax messages on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to play active alarms on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to play alarm messages on '%1'"),
    KX_TEXT("AlarmInEditor", "Play the last alarm messages of the caller on  \n'%1'"),
    KX_TEXT("AlarmInEditor", "Settings to play recorded conferences on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for special functions on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings to activate and deactivate the man-down supervision on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for fax-broadcast / alarm launch by fax on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for room surveillance (baby call) on '%1' "),
    KX_TEXT("AlarmInEditor", "Settings for evacuation launcher on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for conference pool on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for DECT alarm call on '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for IVR application on DDI '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for call transfer application on DDI '%1'"),
    KX_TEXT("AlarmInEditor", "Settings for DDI callback on '%1'"),
};

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// The function list: its items stand for the codes 0 to 21.
std::vector<settings::Option> functionItems(CDatabase*)
{
    std::vector<settings::Option> items;
    for (int code = 0; code < mailbox::kAlarmInFunctionCount; ++code)
        items.push_back({std::to_string(code), mailbox::AlarmInFunctionText(code), {}});
    return items;
}

// A value the model computes and kxalarmctl prints, never set by the operator.
SettingRow computed(std::string name)
{
    return settings::ViewValue(
        name, [name](const settings::SettingsModel& m) { return m.value(name); },
        [](settings::SettingsModel&, std::string_view) { return Change::ReadOnly; });
}

std::vector<SettingRow> commonRows()
{
    return {
        settings::ListSetting("key", {}, {}, {}, {}).label(kAlarmIn).notWrittenOnOk(),
        settings::TextField("text_opt1", "text_opt1").label(kLabel),
        settings::KeyField("p_ogm4", "p_ogm4", functionItems).label(kFunction),
        computed("ShowMsgOnIncoming").unlisted(),
        settings::TextSetting("DisplayMessage", "kxamsgin.ini", "Messages", {}, 81)
            .at("kxamsgin.ini", "Messages", "%d")
            .label(kDisplayMessage)
            .shownWhen("ShowMsgOnIncoming", {"1"}),
        settings::CheckField("num1_6", "num1_6").label(kSchedulePlan),
        computed("n_mbx"),
        computed("num1_7"),
        settings::DisplayValue("PlanLabel").when("num1_6"),
        settings::ButtonRow("PlanEdit", kEdit).when("num1_6"),
        computed("FrameTitle"),
    };
}

}  // namespace

std::string FrameTitleOf(int function, long key, const std::string& entryText)
{
    if (function < 0 || function >= mailbox::kAlarmInFunctionCount)
        return {};
    return Tr(kFrameTitles[function], function == 0 ? Cp1252ToUtf8(entryText) : std::to_string(key));
}

AlarmInEditor::AlarmInEditor() : SettingsModel("alarm-in", kTitle, commonRows())
{
    for (int function : PageFunctions()) {
        std::shared_ptr<AlarmInPage> page = MakeAlarmInPage(function);
        if (!page)
            continue;
        for (int served : page->functions())
            m_pages[served] = page;
    }
}

AlarmInEditor::~AlarmInEditor() = default;

int AlarmInEditor::function() const
{
    const std::string& code = value("p_ogm4");
    return code.empty() ? -1 : static_cast<int>(std::strtol(code.c_str(), nullptr, 10));
}

AlarmInPage* AlarmInEditor::pageOf(int function)
{
    auto it = m_pages.find(function);
    return it == m_pages.end() ? nullptr : it->second.get();
}

AlarmInPage* AlarmInEditor::page()
{
    return hasAlarmIn() ? pageOf(function()) : nullptr;
}

std::vector<AlarmInPage*> AlarmInEditor::pages()
{
    std::vector<AlarmInPage*> all;
    for (const auto& [function, page] : m_pages)
        if (page->functions().front() == function)
            all.push_back(page.get());
    return all;
}

std::string AlarmInEditor::entryText() const
{
    const std::string token = std::to_string(m_current);
    for (const settings::Option& item : options("key"))
        if (item.token == token)
            return item.text;
    return token;
}

void AlarmInEditor::open(long initialKey)
{
    const config::KeyRanges ranges = config::ReadKeyRanges();
    std::vector<settings::Option> items;
    CDatabase table;
    if (table.Open(config::MailboxTablePath().c_str())) {
        const long last = std::min<long>(ranges.lastAlarmInKey, static_cast<long>(table.RecCount()) - 1);
        for (long key = std::max(ranges.firstAlarmInKey, 0); key <= last; ++key) {
            table.Go(mailbox::RecordOfKey(key));
            std::string status, label, code;
            table.Read(mailbox::field::Status, status);
            if (trimmed(status) != mailbox::kStatusAlarmIn)
                continue;
            table.Read(mailbox::field::Comment, label);
            if (label.empty()) {
                table.Read(mailbox::field::GroupOrFunction, code);
                label = Utf8ToCp1252Lossy(mailbox::AlarmInFunctionName(std::atoi(code.c_str())));
            }
            items.push_back({std::to_string(key), {}, std::to_string(key) + " " + label});
        }
        table.Close();
    }
    long chosen = items.empty() ? -1 : std::atol(items.front().token.c_str());
    for (const settings::Option& item : items)
        if (item.token == std::to_string(initialKey))
            chosen = initialKey;
    setOptions("key", std::move(items));
    loadAlarmIn(chosen);
}

void AlarmInEditor::loadAlarmIn(long key)
{
    m_current = key;
    load(key, 0);
    if (key >= 0 && !recordLoaded())
        m_current = -1;  // the table did not open, or the key has no record
    set("key", m_current >= 0 ? std::to_string(m_current) : std::string());
    m_storedFunction = function();
    showFunction();
    saved();
}

void AlarmInEditor::fill()
{
    // Only the value 1 enables the display message.
    const bool showMessage = settings::ProfileNumber("kxalarm.ini", "kxastart", "ShowMsgOnIncoming", 0) == 1;
    set("ShowMsgOnIncoming", showMessage ? "1" : "0");
    if (!showMessage)
        set("DisplayMessage", {});
    std::string plan = "0", kind = "0";
    if (table() && recordLoaded()) {
        table()->Go(mailbox::RecordOfKey(key()));
        table()->Read(mailbox::field::PlanNumber, plan);
        table()->Read(mailbox::field::AlarmInPlanKind, kind);
    }
    set("n_mbx", std::to_string(std::atol(plan.c_str())));
    set("num1_7", std::to_string(std::atol(kind.c_str())));
    updatePlanLabel();
    updateFrameTitle();
}

void AlarmInEditor::updatePlanLabel()
{
    // Any plan kind other than 0 means the alarm plans.
    const plans::PlanFamily family = number("num1_7") != 0 ? plans::PlanFamily::Alarm : plans::PlanFamily::AlarmIn;
    set("PlanLabel", plans::PlanLabel(number("n_mbx"), family));
}

void AlarmInEditor::pressed(std::string_view button)
{
    if (button != "PlanEdit" || !m_choosePlan || !hasAlarmIn())
        return;
    long plan = number("n_mbx"), kind = number("num1_7");
    if (!m_choosePlan(m_current, plan, kind))
        return;
    // The chooser stored them; the editor only shows them.
    set("n_mbx", std::to_string(plan));
    set("num1_7", std::to_string(kind));
    updatePlanLabel();
}

void AlarmInEditor::updateFrameTitle()
{
    set("FrameTitle", hasAlarmIn() ? Utf8ToCp1252Lossy(FrameTitleOf(function(), m_current, entryText())) : "");
}

void AlarmInEditor::showFunction()
{
    updateFrameTitle();
    if (AlarmInPage* shown = page())
        shown->loadFor(m_current, function(), m_storedFunction);
}

bool AlarmInEditor::alarmInModified() const
{
    if (!hasAlarmIn())
        return false;
    auto* self = const_cast<AlarmInEditor*>(this);
    const AlarmInPage* shown = self->page();
    return modified() || (shown && shown->modified());
}

Change AlarmInEditor::change(std::string_view name, std::string_view token)
{
    if (name == "key") {
        const settings::SettingRow* keyRow = row("key");
        if (!keyRow->option(token)) {
            ErrorBox(settings::kNotAnItem, settings::ValueCaption(*keyRow), token);
            return Change::Refused;
        }
        const long key = std::atol(std::string(token).c_str());
        if (key == m_current)
            return Change::Done;
        if (m_commitTyped && !m_commitTyped())
            return Change::Refused;
        if (alarmInModified() && ConfirmBox(kSaveQuestion, false, entryText()) && !save())
            return Change::Refused;  // the alarm-in shown stays, with its changes
        loadAlarmIn(key);
        return Change::Done;
    }
    const Change result = SettingsModel::change(name, token);
    if (result == Change::Done && name == "p_ogm4")
        showFunction();
    if (result == Change::Done && name == "num1_6")
        updatePlanLabel();
    return result;
}

bool AlarmInEditor::apply()
{
    if (m_commitTyped && !m_commitTyped())
        return false;
    return save();
}

bool AlarmInEditor::save()
{
    if (!hasAlarmIn()) {
        ErrorBox(kNothingLoaded);
        return false;
    }
    AlarmInPage* shown = page();
    // Every check before anything is written.
    if (!checkValues() || (shown && !shown->checkValues()))
        return false;
    settings::RecordWrites fields = recordWrites();
    if (shown)
        for (settings::RecordWrite& w : shown->recordWrites())
            fields.push_back(std::move(w));
    if (!table()) {
        ErrorBox(kCannotSave);
        return false;
    }
    if (!settings::WriteRecordUnit(*table(), m_current, mailbox::kStatusAlarmIn, fields))
        return false;
    settings::IniWrites keys = iniWrites();
    if (shown)
        for (settings::IniWrite& w : shown->iniWrites())
            keys.push_back(std::move(w));
    if (!writeAll(keys))
        return false;
    saved();
    if (shown)
        shown->saved();
    const bool supervisionChanged = (m_storedFunction == kLineSupervision) != (function() == kLineSupervision);
    m_storedFunction = function();
    // The list shows the label (or the function's name) as saved.
    std::vector<settings::Option> items = options("key");
    std::string label = value("text_opt1");
    if (label.empty())
        label = Utf8ToCp1252Lossy(mailbox::AlarmInFunctionName(m_storedFunction));
    for (settings::Option& item : items)
        if (item.token == std::to_string(m_current))
            item.text = item.token + " " + label;
    setOptions("key", std::move(items));
    updateFrameTitle();
    bool done = !shown || shown->afterSave();
    // An alarm-in that became or stopped being a supervised line changes the
    // list the line supervision follows (the page rebuilds it itself).
    if (supervisionChanged && function() != kLineSupervision && watchers::SupervisionUsesList())
        done = watchers::RebuildSupervisedList() && done;
    return done;
}

}  // namespace kx::alarmconfig
