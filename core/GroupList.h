#pragma once
// The groups that alarms call, loaded from the group table in table order.
// The table is read by field position: the second field holds the group's
// name, the third its number. Numbers 0 to 9 are not real groups; 8 and 9
// stand for the pseudo groups "Empty group" and "Man-down supervision".

#include <string>
#include <vector>

namespace kx {

struct GroupEntry {
    int number = 0;
    char name[40] = {};  // at most 39 characters and the terminator
};

class GroupList {
public:
    static constexpr std::size_t kCapacity = 1000;

    // Loads the table at a stored path, record by record until the first
    // record whose fields cannot be read. False when it cannot be opened; the
    // list is then empty. Only the first 1000 records are held; overflow()
    // tells how many further records were left out.
    bool load(const std::string& tablePath);

    const std::vector<GroupEntry>& entries() const { return m_entries; }
    std::size_t count() const { return m_entries.size(); }
    std::size_t overflow() const { return m_overflow; }
    // The table's record count at the load, whether or not its records could be read.
    unsigned long recordCount() const { return m_recordCount; }
    // Whether the table's IDXG field is longer than 2 (room for three-digit numbers).
    bool indexAllowsThreeDigits() const { return m_indexAllowsThreeDigits; }
    // Length of the table's NUMBER field (0 when absent).
    unsigned numberFieldLength() const { return m_numberFieldLength; }

    const GroupEntry* find(int number) const;

private:
    std::vector<GroupEntry> m_entries;
    std::size_t m_overflow = 0;
    unsigned long m_recordCount = 0;
    bool m_indexAllowsThreeDigits = false;
    unsigned m_numberFieldLength = 0;
};

}  // namespace kx
