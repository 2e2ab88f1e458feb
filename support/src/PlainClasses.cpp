#include <kxsupport/PlainClasses.h>
#include <kxsupport/ResStrings.h>

#include <cstring>

CResStrings::CResStrings() : m_nCount(0), m_apszStrings{} {}

CResStrings& CResStrings::operator=(const CResStrings& other)
{
    m_nCount = other.m_nCount;
    for (int i = 0; i < kSlots; ++i)
        m_apszStrings[i] = other.m_apszStrings[i];
    return *this;
}

// Each copies its members one by one.
#define KX_MEMBERWISE_ASSIGN(Class)                                                                                    \
    Class& Class::operator=(const Class& other)                                                                        \
    {                                                                                                                  \
        std::memmove(m_anMember, other.m_anMember, sizeof m_anMember);                                                 \
        return *this;                                                                                                  \
    }

KX_MEMBERWISE_ASSIGN(CLauncher)
KX_MEMBERWISE_ASSIGN(CUserProfile)
KX_MEMBERWISE_ASSIGN(CCommandLine)
KX_MEMBERWISE_ASSIGN(CDde)
KX_MEMBERWISE_ASSIGN(CModem)
KX_MEMBERWISE_ASSIGN(CDBRelation)
KX_MEMBERWISE_ASSIGN(CFileStat)
KX_MEMBERWISE_ASSIGN(CProcess)
