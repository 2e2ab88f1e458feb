#pragma once
// The files of a schedule plan. A plan is a pair of text files in the
// working directory that share a number: a year plan ("<prefix>_<n>.kxh",
// dated periods, called "scheduleplan" on screen) and a week plan
// ("<prefix>_<n>.kxw", weekday periods). Alarm plans have the prefix "kxa",
// alarm-in plans "kxi". The plan editor writes their lines and the server
// reads them; the console only creates new files holding the four comment
// lines of the header, and never overwrites one.

#include <string>

namespace kx::plans {

// The two families; the values are the modes of "Select plan" and the
// plan kind stored in an alarm-in's num1_7 (0 alarm-in plans, 1 alarm plans).
enum class PlanFamily {
    AlarmIn = 0,
    Alarm = 1
};

// What "Create plan" makes; the values are its radio buttons.
enum class PlanParts {
    Year = 0,
    Week = 1,
    Both = 2
};

// New plans are numbered from 10 to 9999.
constexpr long kFirstNewPlan = 10;
constexpr long kLastPlan = 9999;

const char* PlanPrefix(PlanFamily family);  // "kxi" / "kxa"

// The file names as built ("kxa_12.kxh"), relative to the working directory.
std::string YearFileName(long number, PlanFamily family);
std::string WeekFileName(long number, PlanFamily family);

// The name under which a plan file exists in the working directory,
// whatever its letter case (the name as built when it exists so); empty
// when there is no entry of that name. Any kind of entry counts, a
// directory or a dangling link too.
std::string ExistingPlanFile(const std::string& name);

// The four header lines of a new year or week file, each ended by a line feed.
std::string PlanFileHeader(long number, PlanFamily family, bool week);

// Creates the files of plan `number`: the year file first, then the week
// file, each only if no entry of its name exists in any letter case. Shows
// the reason of a refusal or failure (range, an existing file, a file that
// could not be written) and returns false; true when every file asked for
// was created. A file appears complete or not at all.
bool CreatePlanFiles(long number, PlanFamily family, PlanParts what);

}  // namespace kx::plans
