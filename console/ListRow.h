#pragma once
// One row of the alarm, alarm-in or member list as the lists show it: up to
// four column texts and an image per column (-1 for none). Texts are
// Windows-1252 bytes, like the data they come from, so that sorting
// compares the same bytes the platform's programs would.

#include <array>
#include <string>

namespace kx::console {

constexpr int kNoImage = -1;

struct ListRow {
    long key = 0;  // the alarm or alarm-in key; the row number for members
    std::array<std::string, 4> text;
    std::array<int, 4> image{kNoImage, kNoImage, kNoImage, kNoImage};
    // False for a row that only says there is nothing to show ("Not
    // generated or empty"): it cannot be selected and is no person.
    bool selectable = true;

    bool operator==(const ListRow&) const = default;
};

// Columns of the alarm list: key (type image), name, group (group image),
// kind (master/slave server image).
namespace alarm_column {
enum : int {
    Key = 0,
    Name = 1,
    Group = 2,
    Kind = 3
};
}  // namespace alarm_column
// Columns of the alarm-in list: key (plan image), name, function, launched alarm.
namespace alarm_in_column {
enum : int {
    Key = 0,
    Name = 1,
    Function = 2,
    Launch = 3
};
}  // namespace alarm_in_column
// Columns of the member list: name (phone type image), phone number, type.
namespace member_column {
enum : int {
    Name = 0,
    Phone = 1,
    Type = 2
};
}  // namespace member_column

}  // namespace kx::console
