#include "alarmconfig/Printout.h"

#include "console/ListContents.h"
#include "core/MemberTable.h"

#include <algorithm>
#include <cctype>

namespace kx::alarmconfig::printout {

std::vector<Group> LoadGroups(const std::vector<std::string>& selectorEntries, const std::string& personsDirectory)
{
    std::vector<Group> groups;
    for (const std::string& entry : selectorEntries) {
        // Only entries that begin with a group number name a member table.
        if (console::SelectorHasNoMembers(entry) || !std::isdigit(static_cast<unsigned char>(entry[0])))
            continue;
        const auto members = LoadMembers(console::MemberTableOfSelector(entry, personsDirectory));
        if (!members || members->empty())
            continue;
        Group group{entry, {}};
        for (const Member& m : *members)
            group.members.push_back({m.grp, m.name, m.phone, m.phoneType});
        groups.push_back(std::move(group));
    }
    return groups;
}

int TableRowsPerPage(int bodyHeight)
{
    return std::clamp((bodyHeight - kTableHeaderHeight) / kRowHeight, 1, kMaxTableRows);
}

namespace {

void layOutTable(std::vector<Page>& pages, Section section, std::size_t rows, int bodyHeight)
{
    const std::size_t perPage = static_cast<std::size_t>(TableRowsPerPage(bodyHeight));
    std::size_t first = 0;
    do {
        pages.push_back({section, first, std::min(perPage, rows - first), {}});
        first += perPage;
    } while (first < rows);
}

// Group pages. `used` is how far down the current page's body is filled. A
// group that fits goes below the previous one; one that does not is split
// when at most kSplitThreshold units are used and at least one member fits
// beside the continuation line, else it starts on the next page. Its rest
// continues on the next page below a new heading.
void layOutGroups(std::vector<Page>& pages, const std::vector<Group>& groups, int bodyHeight)
{
    const int area = std::min(kGroupArea, bodyHeight);
    const int frame = kGroupHeadingHeight + kGroupHeaderHeight;
    Page* page = nullptr;
    int used = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::size_t count = groups[g].members.size();
        std::size_t next = 0;
        while (next < count) {
            if (!page) {
                pages.push_back({Section::Groups, 0, 0, {}});
                page = &pages.back();
                used = 0;
            }
            const std::size_t rest = count - next;
            const long whole = used + frame + static_cast<long>(rest) * kRowHeight;
            if (whole <= area) {
                page->blocks.push_back({g, next, rest, used, false});
                used = static_cast<int>(whole);
                break;
            }
            // Room for members above the continuation line (one row high).
            const int fit = (area - used - frame - kRowHeight) / kRowHeight;
            if (used == 0 || (fit >= 1 && used <= kSplitThreshold)) {
                // An empty page takes at least one member, however short it is.
                const std::size_t shown = std::max<std::size_t>(1, std::min<std::size_t>(rest - 1, std::max(fit, 0)));
                page->blocks.push_back({g, next, shown, used, shown < rest});
                next += shown;
            }
            page = nullptr;
        }
    }
}

}  // namespace

std::vector<Page> Layout(const Content& content, int bodyHeight)
{
    std::vector<Page> pages;
    if (content.withAlarms)
        layOutTable(pages, Section::Alarms, content.alarms.size(), bodyHeight);
    if (content.withAlarmIns)
        layOutTable(pages, Section::AlarmIns, content.alarmIns.size(), bodyHeight);
    if (content.withGroups)
        layOutGroups(pages, content.groups, bodyHeight);
    return pages;
}

}  // namespace kx::alarmconfig::printout
