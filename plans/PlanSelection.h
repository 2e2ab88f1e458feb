#pragma once
// "Select plan" without widgets: chooses the schedule plan of an alarm-in.
// The mode says which family is used (alarm-in plans, or alarm plans, which
// must be offset plans); each family has its drop-down list, and the plan
// selected in the list of the current mode is shown with its coloured lines.
// OK checks everything, then writes num1_7 (the mode) and n_mbx (the plan
// number) together into the alarm-in's record. The Qt dialog binds to it,
// kxalarmctl plan drives it, the tests call it.

#include "plans/PlanDisplay.h"
#include "plans/PlanList.h"

#include <functional>
#include <vector>

namespace kx::plans {

class PlanCreation;

class PlanSelection {
public:
    // `planKind` is num1_7 as stored: any value other than 0 means alarm plans.
    PlanSelection(long key, long planNumber, long planKind);

    // Lists both families, selects the current plan in the list of the
    // current mode and reads it for display.
    void open();

    long key() const { return m_key; }
    // The current plan number: the one passed in, then the number of the
    // last "New", and after a successful OK the plan stored.
    long planNumber() const { return m_planNumber; }

    // The mode, and with it which list, "New" button and notice are enabled.
    // Switching does not read the lists or the plan again.
    PlanFamily mode() const { return m_mode; }
    void setMode(PlanFamily mode) { m_mode = mode; }

    const std::vector<PlanItem>& items(PlanFamily family) const;
    // The selected item of a family's list; -1 when none.
    int selected(PlanFamily family) const;
    // The selection of a list changed (-1: none); the plan of the current
    // mode's list is read again.
    void select(PlanFamily family, int index);
    // Selects the item "<number> " of a family's list (none when there is
    // no such item), without reading the plan. False when there is none.
    bool selectNumber(PlanFamily family, long number);

    // "Refresh": reads the plan selected in the current mode's list for
    // display; with none selected the display stays as it is.
    void refresh();
    const PlanDisplay& display() const { return m_display; }

    // How "New" shows "Create plan": the runner opens the dialog on the
    // creation model and returns when it is closed, confirmed or not.
    // Without a runner "New" does nothing.
    using CreateRunner = std::function<void(PlanCreation&)>;
    void setCreateRunner(CreateRunner runner) { m_runCreate = std::move(runner); }
    // "New" beside a family's list: "Create plan" on the current number
    // and that family; its number, confirmed or not, becomes the current
    // number, both lists are made again, the item of that number is
    // selected in the button's list and the plan is read.
    void newPlan(PlanFamily family);

    // "Edit" beside a list: starts the plan editor on the week or year file
    // of the plan selected in the current mode's list (a file found in
    // another letter case by its own name). False when nothing is
    // selected or the editor could not be started; no message either way.
    bool edit(bool week);

    // OK: refuses (message shown, nothing written) with no plan selected,
    // with an alarm plan that is not an offset plan, with a mailbox table
    // that does not open and with a key that is not an alarm-in; otherwise
    // writes num1_7 and n_mbx in one write. True when written.
    bool ok();

private:
    void readSelected();

    long m_key;
    long m_planNumber;
    PlanFamily m_mode;
    std::vector<PlanItem> m_items[2];
    int m_selected[2] = {-1, -1};
    PlanDisplay m_display;
    CreateRunner m_runCreate;
};

}  // namespace kx::plans
