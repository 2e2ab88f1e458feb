// CResStrings and the assignment-only record classes.
#include <kxsupport/PlainClasses.h>
#include <kxsupport/ResStrings.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(RecordClasses, CopiesShareStringsAndKeepTheFileNameFirst)
{
    CResStrings a;
    EXPECT_EQ(a.m_nCount, 0);
    EXPECT_EQ(a.m_apszStrings[255], nullptr);
    static const char kHello[] = "hello";
    a.m_nCount = 1;
    a.m_apszStrings[255] = kHello;
    CResStrings b;
    b = a;
    EXPECT_EQ(b.m_nCount, 1);
    EXPECT_EQ(b.m_apszStrings[255], kHello);  // shared, not copied

    static_assert(sizeof(CFileStat) == 43 * 4 && sizeof(CModem) == 97 * 4 && sizeof(CDde) == 28 * 4);
    CFileStat s;
    EXPECT_EQ(static_cast<void*>(s.Filename()), static_cast<void*>(&s));
    std::strcpy(s.Filename(), "VM001.DBF");
    s.m_anMember[42] = 1234;
    CFileStat t;
    t = s;
    EXPECT_STREQ(t.Filename(), "VM001.DBF");
    EXPECT_EQ(t.m_anMember[42], 1234);
}
