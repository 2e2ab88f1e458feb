#include "core/MemberTable.h"

#include "core/CDatabase.h"

namespace kx {

std::optional<std::vector<Member>> LoadMembers(const std::string& tablePath)
{
    CDatabase table;
    if (!table.Open(tablePath.c_str()))
        return std::nullopt;
    ScopedClose closer(table);
    std::vector<Member> members;
    const unsigned long records = table.RecCount();
    for (unsigned long record = 1; record <= records; ++record) {
        table.Go(record);
        Member member;
        if (!table.Read("NAME", member.name) || member.name.empty())
            continue;
        table.Read("GRP", member.grp);
        table.Read("TT1", member.phone);
        table.Read("TY1", member.phoneType);
        members.push_back(std::move(member));
    }
    return members;
}

}  // namespace kx
