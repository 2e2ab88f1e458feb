#pragma once
// "Settings of alarms-in" without widgets: the alarm-in list, the common
// values of the alarm-in shown (label, function, display message, schedule
// plan) and the function page of its function. The Qt dialog binds to it,
// kxalarmctl alarm-in drives it, the tests call it.
//
// Values (kxalarmctl prints them in this order): key (the alarm-in chosen
// in the list), text_opt1, p_ogm4 (the function), DisplayMessage (only when
// "ShowMsgOnIncoming" of kxastart is 1), num1_6 (schedule plan used),
// n_mbx and num1_7 (plan number and kind, read-only here: the plan
// chooser stores them), PlanLabel,
// FrameTitle; then the values of the page.
//
// Choosing another key asks whether to save a modified alarm-in first
// (Yes saves and stays on the old one when the save fails; No drops the
// changes). Choosing another function shows its page loaded for the key.
// A save checks everything first, then writes the common fields and the
// page's fields as one unit into a record that must still be an alarm-in,
// then the INI keys; nothing is written when no alarm-in is loaded.

#include "alarmconfig/AlarmInPage.h"
#include "settings/SettingsModel.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace kx::alarmconfig {

class AlarmInEditor final : public settings::SettingsModel {
public:
    static constexpr Text kTitle = KX_TEXT("AlarmInEditor", "Settings of alarms-in");

    AlarmInEditor();
    ~AlarmInEditor() override;

    // Fills the alarm-in list and loads `initialKey`, or the first alarm-in
    // of the list when it is not listed (-1: none selected).
    void open(long initialKey);

    // The alarm-in shown; -1 when none is (empty list, table not open).
    long currentKey() const { return m_current; }
    bool hasAlarmIn() const { return m_current >= 0; }
    // The function chosen now (p_ogm4), and as stored in the record.
    int function() const;
    int storedFunction() const { return m_storedFunction; }
    // The list entry of the alarm-in shown: "<key> <label or function name>".
    std::string entryText() const;

    // The page of the function chosen now; null for a function without one
    // (10, or a code outside 0 to 21). Every page is made when the editor
    // is made and lives as long as it; a page serving two functions is one object.
    AlarmInPage* page();
    AlarmInPage* pageOf(int function);
    // Every page, once each, in function order.
    std::vector<AlarmInPage*> pages();

    // The common values or the page's differ from what was loaded.
    bool alarmInModified() const;

    // "key" switches (with the question), "p_ogm4" shows the function's page;
    // everything else as in any settings model.
    settings::Change change(std::string_view name, std::string_view token) override;

    // Apply: saves the alarm-in shown. False when anything refused or
    // failed (its message was shown).
    bool apply();

    // Called before a switch and a save, so that text the operator typed
    // but has not committed yet counts (the dialog commits its edits);
    // false stops the switch or save.
    void setCommitTyped(std::function<bool()> commit) { m_commitTyped = std::move(commit); }

    // "Edit" of the schedule plan: lets the operator choose the plan of
    // alarm-in `key`, starting from the number and kind (num1_7) shown, and
    // stores it itself. True when a plan was stored; `plan` and `kind` then
    // hold it, and the editor shows them. Without a chooser "Edit" does
    // nothing (kxalarmctl chooses plans with a command of its own).
    using PlanChooser = std::function<bool(long key, long& plan, long& kind)>;
    void setPlanChooser(PlanChooser chooser) { m_choosePlan = std::move(chooser); }

protected:
    void fill() override;
    void pressed(std::string_view button) override;

private:
    void loadAlarmIn(long key);
    void showFunction();
    void updatePlanLabel();
    void updateFrameTitle();
    bool save();

    std::map<int, std::shared_ptr<AlarmInPage>> m_pages;  // by function; 4 and 5 share one
    long m_current = -1;
    int m_storedFunction = -1;
    std::function<bool()> m_commitTyped;
    PlanChooser m_choosePlan;
};

// The frame title of a function's page (UTF-8): %1 is the key, or for the
// broadcast page the whole list entry.
std::string FrameTitleOf(int function, long key, const std::string& entryText);

}  // namespace kx::alarmconfig
