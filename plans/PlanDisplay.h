#pragma once
// A plan read for display: the data lines of its year and week files as
// coloured lines, and, for an alarm plan, its type (group, alarm key or
// offset) from the type words of its actions.
//
// Lines are read whole; a carriage return before the line feed belongs to
// the line end. Comment lines (beginning with "rem") and lines shorter than
// 19 characters (counting one for a line end) are skipped, and each line is
// cut at its first ";". A year line beginning with "00" and a week line
// beginning with "0" hold the default values and show "Default action ,  "
// and their action field; other week lines show the day name of their first
// field (1 Monday to 7 Sunday; any other value keeps the label of the line
// before) and the rest of the line.

#include "plans/PlanFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx::plans {

// The type of an alarm plan: the last type word found decides. Alarm-in
// plans are not classified.
enum class PlanType {
    NotClassified = 0,
    Group = 1,
    AlarmKey = 2,
    Offset = 3
};

struct Rgb {
    unsigned char red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct PlanLine {
    std::string text;  // Windows-1252 bytes as the file holds them, labels in the operator's language
    Rgb colour;
};

struct PlanDisplay {
    std::string yearFile;  // the names as built, shown whether the files exist or not
    std::string weekFile;
    std::vector<PlanLine> year;
    std::vector<PlanLine> week;
    PlanType type = PlanType::NotClassified;
};

// Reads plan `number` of a family (alarm plans are classified, alarm-in
// plans not). A file that is missing or unreadable leaves its list empty.
PlanDisplay ReadPlanForDisplay(long number, PlanFamily family);

// The same for the contents of the two files.
PlanDisplay ReadPlanText(std::string_view yearContent, std::string_view weekContent, PlanFamily family);

}  // namespace kx::plans
