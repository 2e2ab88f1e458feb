#pragma once
// "Select lines": the lines (1 to 60) the line watchdog tests, stored in
// LineWatchDog/CheckLines of kxalarm.ini as ascending numbers joined by ","
// (at most 10). Opened by "Edit" of the line supervision settings.
//
// The value "CheckLines" holds the chosen lines as they are written:
// ascending, without repeats. Loading takes at most the first 10 stored
// numbers and of those only the lines 1 to 60 (anything else would name no
// entry of the list). A change may choose any number of lines; OK refuses
// more than 10 (61635) and writes nothing then.

#include "settings/SettingsModel.h"

#include <vector>

namespace kx::settings {

constexpr int kLineCount = 60;
constexpr int kMaxCheckedLines = 10;

// The lines 1 to 60 of a list of numbers separated by "," in ascending
// order without repeats; false when an entry is no such line.
bool ParseLines(std::string_view text, std::vector<int>& lines);
std::string JoinLines(const std::vector<int>& lines);

class SelectLines final : public SettingsModel {
public:
    static constexpr const char* kName = "select-lines";
    static constexpr Text kTitle = KX_TEXT("SelectLines", "Select lines");

    SelectLines();

    std::vector<int> lines() const;
    Change change(std::string_view name, std::string_view token) override;

protected:
    bool check() override;
};

}  // namespace kx::settings
