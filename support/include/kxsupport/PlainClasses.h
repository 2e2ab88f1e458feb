// Classes of which this library holds nothing but the copy-assignment
// operator. Each is a record of 32-bit members, copied one by one; the rest
// of each class belongs to other programs of the platform, so the members
// carry no names here. Every member starts at 0.
#pragma once

#include <kxsupport/Export.h>

#include <cstdint>

class KXSUPPORT_API CLauncher {
public:
    CLauncher& operator=(const CLauncher& other);
    int32_t m_anMember[4] = {};
};

class KXSUPPORT_API CUserProfile {
public:
    CUserProfile& operator=(const CUserProfile& other);
    int32_t m_anMember[1] = {};
};

class KXSUPPORT_API CCommandLine {
public:
    CCommandLine& operator=(const CCommandLine& other);
    int32_t m_anMember[2] = {};
};

class KXSUPPORT_API CDde {
public:
    CDde& operator=(const CDde& other);
    int32_t m_anMember[28] = {};
};

class KXSUPPORT_API CModem {
public:
    CModem& operator=(const CModem& other);
    int32_t m_anMember[97] = {};
};

class KXSUPPORT_API CDBRelation {
public:
    CDBRelation& operator=(const CDBRelation& other);
    int32_t m_anMember[9] = {};
};

// 43 members; the object begins with a character buffer that holds the file
// name, so Filename() points at the object's first member. The buffer may use
// the whole object: at most kFilenameSize - 1 characters and a NUL.
class KXSUPPORT_API CFileStat {
public:
    static constexpr int kMembers = 43;
    static constexpr int kFilenameSize = kMembers * 4;

    CFileStat& operator=(const CFileStat& other);
    char* Filename() { return reinterpret_cast<char*>(m_anMember); }
    const char* Filename() const { return reinterpret_cast<const char*>(m_anMember); }

    int32_t m_anMember[kMembers] = {};
};

class KXSUPPORT_API CProcess {
public:
    CProcess& operator=(const CProcess& other);
    int32_t m_anMember[6] = {};
};
