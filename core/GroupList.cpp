#include "core/GroupList.h"

#include "core/CDatabase.h"

#include <cstring>

namespace kx {

bool GroupList::load(const std::string& tablePath)
{
    m_entries.clear();
    m_overflow = 0;
    m_recordCount = 0;
    m_indexAllowsThreeDigits = false;
    m_numberFieldLength = 0;

    CDatabase table;
    if (!table.Open(tablePath.c_str()))
        return false;
    ScopedClose closer(table);
    m_recordCount = table.RecCount();
    m_indexAllowsThreeDigits = table.FieldLength("IDXG") > 2;
    m_numberFieldLength = table.FieldLength("NUMBER");
    const std::string nameField = table.Fieldname(2);
    const std::string numberField = table.Fieldname(3);
    if (nameField.empty() || numberField.empty())
        return true;  // a table without the group fields holds no groups

    const unsigned long records = m_recordCount;
    m_entries.reserve(records < kCapacity ? records : kCapacity);
    table.Top();
    for (unsigned long i = 0; i < records; ++i) {
        if (i > 0 && table.Skip(1) != static_cast<long>(i + 1))
            break;
        std::string name;
        int number = 0;
        if (!table.Read(nameField.c_str(), name) || !table.Read(numberField.c_str(), number))
            break;
        if (m_entries.size() == kCapacity) {
            ++m_overflow;
            continue;
        }
        GroupEntry entry;
        entry.number = number;
        const std::size_t n = name.size() < sizeof entry.name - 1 ? name.size() : sizeof entry.name - 1;
        std::memcpy(entry.name, name.data(), n);
        entry.name[n] = '\0';
        m_entries.push_back(entry);
    }
    return true;
}

const GroupEntry* GroupList::find(int number) const
{
    for (const GroupEntry& entry : m_entries)
        if (entry.number == number)
            return &entry;
    return nullptr;
}

}  // namespace kx
