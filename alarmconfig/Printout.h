#pragma once
// The configuration printout: what it prints and how it falls onto pages.
// The content is what the main window's lists show (the alarm and alarm-in
// rows in their current order) and every group of the group selector with
// the members of its member table. The layout places that content on pages
// whose body is a given number of units high (a page is 400 units wide);
// the renderer measures its fonts, asks for the layout once and draws the
// pages it returns, so the page count in the footers and the breaks agree.

#include "console/ListRow.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kx::alarmconfig::printout {

// One member row: the member table's GRP, NAME, TT1 and TY1 (Windows-1252).
struct MemberRow {
    std::string grp;
    std::string name;
    std::string phone;
    std::string phoneType;
};

// A group that prints: its selector entry ("12 Security service") and its
// members in table order.
struct Group {
    std::string selectorEntry;
    std::vector<MemberRow> members;
};

struct Content {
    std::vector<console::ListRow> alarms;    // text[0..3] and image[0] (the alarm type)
    std::vector<console::ListRow> alarmIns;  // text[0..3]
    std::vector<Group> groups;
    bool withAlarms = true;
    bool withAlarmIns = true;
    bool withGroups = true;
};

// The groups of the selector entries that print, in selector order: those
// whose member table ("%s.\kxagrp%d.dbf" in the persons base directory)
// opens and holds a member with a name. Members without a name are left out.
std::vector<Group> LoadGroups(const std::vector<std::string>& selectorEntries, const std::string& personsDirectory);

// Heights and widths in page units.
constexpr int kTableHeaderHeight = 16;
constexpr int kRowHeight = 10;
constexpr int kMaxTableRows = 45;
constexpr int kGroupHeadingHeight = 27;
constexpr int kGroupHeaderHeight = 15;
constexpr int kGroupArea = 520;       // the most a group page's body holds
constexpr int kSplitThreshold = 300;  // a group that does not fit is split only up to this much used
constexpr int kAlarmColumns[4] = {50, 120, 100, 90};
constexpr int kGroupColumns[4] = {30, 120, 100, 50};

enum class Section {
    Alarms,
    AlarmIns,
    Groups
};

// A group's part on one page: its heading at `top` (units below the body's
// top), then the header row and `memberCount` members from `firstMember`;
// `continues` when the rest follows on the next page (the page then ends
// with the continuation line).
struct GroupBlock {
    std::size_t group = 0;
    std::size_t firstMember = 0;
    std::size_t memberCount = 0;
    int top = 0;
    bool continues = false;
};

struct Page {
    Section section = Section::Alarms;
    std::size_t firstRow = 0;  // table pages: the rows shown
    std::size_t rowCount = 0;
    std::vector<GroupBlock> blocks;  // group pages
};

// Rows of a table page whose body is `bodyHeight` units high: 45, fewer
// when the header row and 45 rows do not fit, at least one.
int TableRowsPerPage(int bodyHeight);
// The pages, in print order: the alarm table pages (one page with the
// header row when the list is empty), the alarm-in table pages, the group
// pages (none when no group prints).
std::vector<Page> Layout(const Content& content, int bodyHeight);

}  // namespace kx::alarmconfig::printout
