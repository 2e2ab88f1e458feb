// CResStrings: a table of up to 256 strings with a count.
#pragma once

#include <kxsupport/Export.h>

#include <cstdint>

// Only construction and copy-assignment belong to this library; the rest of
// the class lives with the programs that fill the table. The slots hold
// pointers the table does not own, so a copy shares the strings and nothing
// is ever released by this class.
class KXSUPPORT_API CResStrings {
public:
    static constexpr int kSlots = 256;

    CResStrings();  // count 0, every slot null
    CResStrings& operator=(const CResStrings& other);

    int32_t m_nCount;
    const char* m_apszStrings[kSlots];
};
