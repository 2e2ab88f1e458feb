#pragma once
// The plans of one family found in the working directory, as the
// drop-down lists of "Select plan" show them: "<n> Alarm-in schedule- and
// weekplan", "<n> Alarm scheduleplan only" and so on, sorted as text.
//
// A plan file is a regular file (or a link to one) whose name, ignoring
// case, is the prefix, "_", the number as "%d" writes it (no sign, no
// leading zero) and ".kxh" or ".kxw". Year files count from 10, week files
// from 1, both up to 9999; other names are ignored. Names that differ only
// in case make one entry.

#include "plans/PlanFiles.h"

#include <string>
#include <vector>

namespace kx::plans {

struct PlanEntry {
    long number = 0;
    bool year = false;  // the year file ("scheduleplan") exists
    bool week = false;  // the week file exists
};

// A drop-down item: the plan number and its text (Windows-1252, in the
// operator's language).
struct PlanItem {
    long number = 0;
    std::string text;
};

// The plans of a family, by number.
std::vector<PlanEntry> FindPlans(PlanFamily family);

// The item text of an entry: both files, the year file only, otherwise
// "weekplan only".
std::string PlanEntryText(const PlanEntry& entry, PlanFamily family);

// The label of plan `number` of a family, from the files that exist now
// (the alarm-in editor shows it beside its "Scheduleplan:" box).
std::string PlanLabel(long number, PlanFamily family);

// The drop-down items of a family, sorted by their texts.
std::vector<PlanItem> ListPlans(PlanFamily family);

// The index of the first item whose text begins with "<number> "; -1 when none.
int FindPlanItem(const std::vector<PlanItem>& items, long number);

}  // namespace kx::plans
