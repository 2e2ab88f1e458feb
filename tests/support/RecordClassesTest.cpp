// CResStrings and the assignment-only record classes.
#include <kxsupport/PlainClasses.h>
#include <kxsupport/ResStrings.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

TEST(RecordClasses, CopiesShareStringsAndKeepTheFileNameFirst)
{
    CResStrings a, b;
    EXPECT_EQ(std::make_pair(a.m_nCount, a.m_apszStrings[255]), std::make_pair(0, static_cast<const char*>(nullptr)));
    static const char kHello[] = "hello";
    a.m_nCount = 1;
    a.m_apszStrings[255] = kHello;
    b = a;
    EXPECT_EQ(std::make_pair(b.m_nCount, b.m_apszStrings[255]), std::make_pair(1, &kHello[0]));  // shared, not copied

    static_assert(sizeof(CFileStat) == 43 * 4 && sizeof(CModem) == 97 * 4 && sizeof(CDde) == 28 * 4);
    CFileStat s;
    EXPECT_EQ(static_cast<void*>(s.Filename()), static_cast<void*>(&s));
    std::strcpy(s.Filename(), "VM001.DBF");
    s.m_anMember[42] = 1234;
    CFileStat t;
    t = s;
    EXPECT_EQ(std::make_pair(std::string(t.Filename()), t.m_anMember[42]),
              std::make_pair(std::string("VM001.DBF"), 1234));
}
