#pragma once
// The members of one group: the table "%s.\kxagrp%d.dbf" in the persons
// base directory, one record per member with GRP, NAME, TT1 (phone number)
// and TY1 (phone type).

#include <optional>
#include <string>
#include <vector>

namespace kx {

struct Member {
    std::string grp;  // GRP; empty when the table has no such field
    std::string name;
    std::string phone;
    std::string phoneType;
};

// The members with a name, in table order; nullopt when the table cannot be
// opened.
std::optional<std::vector<Member>> LoadMembers(const std::string& tablePath);

}  // namespace kx
