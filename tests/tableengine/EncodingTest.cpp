// Field encodings: numbers right-justified in the C locale, overflow refused,
// integer reads, character cut/pad and 8-bit bytes, logical and date fields.

#include "DbfTestSupport.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <locale>

using namespace kxtest;

namespace {

struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class DbfEncoding : public ::testing::Test {
protected:
    void SetUp() override
    {
        // clang-format off
        t = Table::create(dir.path("enc.dbf"), {{"N82", 'N', 8, 2}, {"N5", 'N', 5, 0}, {"N1", 'N', 1, 0},
            {"TEXT", 'C', 20, 0}, {"WIDE", 'C', 128, 0}, {"FLAG", 'L', 1, 0}, {"DAY", 'D', 8, 0}});
        // clang-format on
        ASSERT_TRUE(t && t->appendBlank());
    }
    TempDir dir;
    std::unique_ptr<Table> t;
};

}  // namespace

TEST_F(DbfEncoding, NumbersAreRightJustifiedAndOverflowIsRefused)
{
    const struct {
        int field;
        double value;
        const char* stored;  // nullptr: refused
    } cases[] = {
        // clang-format off
        {1, 12.5, "   12.50"}, {1, -3.257, "   -3.26"}, {1, 0, "    0.00"}, {1, -0.001, "    0.00"},
        {1, 99999.99, "99999.99"}, {1, 99999.999, nullptr}, {1, -9999.99, "-9999.99"}, {1, 1e300, nullptr},
        {1, NAN, nullptr}, {1, INFINITY, nullptr}, {2, -1234, "-1234"}, {2, 12345, "12345"}, {2, -12345, nullptr},
        {3, 7, "7"}, {3, 10, nullptr}, {3, -1, nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(t->assignText(c.field, ""));
        const bool ok = t->assignDouble(c.field, c.value);
        EXPECT_EQ(ok, c.stored != nullptr) << c.value;
        if (c.stored) {
            EXPECT_EQ(bytesOf(*t, c.field), c.stored) << c.value;
        } else {
            EXPECT_EQ(bytesOf(*t, c.field), std::string(t->fieldLength(c.field), ' ')) << "unchanged: " << c.value;
            EXPECT_NE(t->lastError().find("field " + t->fieldName(c.field)), std::string::npos) << t->lastError();
        }
    }
    ASSERT_TRUE(t->assignDouble(1, -42.126));
    auto again = Table::open(t->path());
    ASSERT_TRUE(again && again->go(1));
    EXPECT_EQ(bytesOf(*again, 1), "  -42.13");
}

// Text into numeric (N5), logical and date fields: stored as shown, or
// refused (nullptr) with the field unchanged.
TEST_F(DbfEncoding, TextIsTrimmedJustifiedOrRefused)
{
    const struct {
        int field;
        const char* text;
        const char* stored;
    } cases[] = {
        // clang-format off
        {2, " 42 ", "   42"}, {2, "-7", "   -7"}, {2, "", "     "}, {2, "   ", "     "}, {2, "1.5", "  1.5"},
        {2, "+3", "   +3"}, {2, "12345", "12345"}, {2, "123456", nullptr}, {2, "12a", nullptr}, {2, "1 2", nullptr},
        {2, "-", nullptr}, {2, "1e5", nullptr}, {2, "12,5", nullptr},
        {6, "t", "T"}, {6, "Y", "T"}, {6, "n", "F"}, {6, "F", "F"}, {6, "?", "?"}, {6, "", " "}, {6, "yes", nullptr},
        {6, "1", nullptr},
        {7, "20240229", "20240229"}, {7, "2024-02-29", nullptr}, {7, "20241301", nullptr}, {7, "20240132", nullptr},
        {7, "20240100", nullptr}, {7, "", "        "},
        // clang-format on
    };
    ASSERT_TRUE(t->assignText(2, "99"));
    for (const auto& c : cases) {
        const std::string before = bytesOf(*t, c.field);
        EXPECT_EQ(t->assignText(c.field, c.text), c.stored != nullptr) << c.field << ": " << c.text;
        EXPECT_EQ(bytesOf(*t, c.field), c.stored ? std::string(c.stored) : before) << c.field << ": " << c.text;
    }
    EXPECT_FALSE(t->assignDouble(6, 1));
}

TEST_F(DbfEncoding, IntegerReadsTruncateAndTreatGarbageAsZero)
{
    const std::pair<const char*, long> cases[] = {
        // clang-format off
        {"   12.50", 12}, {"  -3.99", -3}, {"", 0}, {"*****", 0}, {"12a", 0}, {" 1 2", 0}, {"--1", 0}, {"+8", 8},
        {"12,75", 12}, {"42   ", 42}, {".5", 0}, {"99999999999999999999", LONG_MAX},
        {"-99999999999999999999", LONG_MIN}, {"-9223372036854775808", LONG_MIN},
        // clang-format on
    };
    for (const auto& [text, value] : cases) {
        ASSERT_TRUE(t->assignText(4, text));
        EXPECT_EQ(t->fieldInt(4), value) << '"' << text << '"';
    }
    EXPECT_EQ(t->fieldInt(1), 0) << "blank numeric";
}

TEST_F(DbfEncoding, CharacterFieldsCutPadAndKeepEightBitBytes)
{
    ASSERT_TRUE(t->assignText(4, "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(bytesOf(*t, 4), "abcdefghijklmnopqrst");
    ASSERT_TRUE(t->assignText(4, std::string("ab\0cd", 5)));
    EXPECT_EQ(bytesOf(*t, 4), "ab" + std::string(18, ' ')) << "text ends at a NUL; no NUL is written";

    std::string high;
    for (int c = 0x80; c <= 0xFF; ++c)
        high += char(c);
    ASSERT_TRUE(t->assignText(5, high));
    auto again = Table::open(t->path());
    ASSERT_TRUE(again && again->go(1));
    EXPECT_EQ(bytesOf(*again, 5), high);
    char buf[200];
    ASSERT_TRUE(again->fieldText(5, buf, 5));
    EXPECT_EQ(std::string(buf), high.substr(0, 4)) << "fieldText stops at size-1 bytes";

    ASSERT_TRUE(t->assignDouble(4, 12));
    EXPECT_EQ(bytesOf(*t, 4), "12" + std::string(18, ' '));
}

TEST_F(DbfEncoding, NumbersIgnoreTheProgramsLocale)
{
    // The C++ global locale with a German decimal comma.
    const std::locale old = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    ASSERT_TRUE(t->assignDouble(1, 1234.5));
    std::locale::global(old);
    EXPECT_EQ(bytesOf(*t, 1), " 1234.50");

    // The C library's LC_NUMERIC. The locale may have to be compiled first.
    TempDir locales;
    const char* wanted = "de_DE.UTF-8";
    if (!std::setlocale(LC_NUMERIC, wanted)) {
        std::string out;
        if (runCommand("localedef -i de_DE -f UTF-8 " + locales.path(wanted) + " 2>&1", &out) == 0) {
            ::setenv("LOCPATH", locales.root().c_str(), 1);
            std::setlocale(LC_NUMERIC, wanted);
            ::unsetenv("LOCPATH");
        }
    }
    if (std::string(std::setlocale(LC_NUMERIC, nullptr)) != wanted)
        GTEST_SKIP() << "no de_DE locale available for LC_NUMERIC (localedef failed)";
    ASSERT_TRUE(t->assignDouble(1, -7.25) && t->assignText(2, "17"));
    const auto got = std::make_pair(bytesOf(*t, 1), t->fieldInt(1));
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(got, std::make_pair(std::string("   -7.25"), -7L));
}
