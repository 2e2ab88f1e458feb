// The exact bytes the engine writes: create, append, field encodings, date.

#include "DbfTestSupport.h"

#include <ctime>

using namespace kxtest;

namespace {

std::string todayBytes()
{
    const std::time_t now = std::time(nullptr);
    struct tm tm {};
    ::localtime_r(&now, &tm);
    return {char(tm.tm_year), char(tm.tm_mon + 1), char(tm.tm_mday)};
}

}  // namespace

TEST(DbfLayout, CreateAppendAssignGoldenBytes)
{
    TempDir dir;
    const std::string p = dir.path("golden.dbf");
    WriteBytes(p, "old contents");
    auto t = Table::create(p, {{"name", 'C', 10, 0}, {"Amount", 'N', 8, 2}, {"OK", 'L', 1, 0}, {"BORN", 'D', 8, 0}});
    ASSERT_TRUE(t);

    // What the test's own table builder makes, but for the date.
    const std::vector<RawField> raw = {{"NAME", 'C', 10}, {"AMOUNT", 'N', 8, 2}, {"OK", 'L', 1}, {"BORN", 'D', 8}};
    auto masked = [](std::string s) { return s.replace(1, 3, "YMD"); };
    std::string file = ReadBytes(p);
    EXPECT_EQ(file.substr(1, 3), todayBytes()) << "date is year-1900, month, day";
    EXPECT_EQ(masked(file), masked(rawTable(raw, {})));
    ASSERT_TRUE(t->appendBlank());
    EXPECT_EQ(masked(ReadBytes(p)), masked(rawTable(raw, {std::string(28, ' ')})));

    ASSERT_TRUE(t->assignText(1, "abc") && t->assignDouble(2, 12.5) && t->assignText(3, "t") &&
                t->assignText(4, "20240229") && t->appendBlank() && t->assignDouble(2, -3.257) && t->markDeleted());
    file = ReadBytes(p);
    EXPECT_EQ(file.substr(4, 4), le(2, 4));
    EXPECT_EQ(file.substr(32 + 4 * 32 + 1), " abc          12.50T20240229*             -3.26         \x1a");
    EXPECT_EQ(file.substr(1, 3), todayBytes());

    // The code-page byte as given; the old file replaced, no temporary file left behind.
    t = Table::create(p, {{"A", 'C', 1, 0}}, 0x03);
    ASSERT_TRUE(t);
    EXPECT_EQ(std::make_pair(ReadBytes(p)[29], t->languageDriver()), std::make_pair('\x03', std::uint8_t(3)));
    std::string out;
    runCommand("ls -A " + dir.root(), &out);
    EXPECT_EQ(out, "golden.dbf\n");
}

TEST(DbfLayout, CreateRefusesBadFieldListsAndKeepsExistingFile)
{
    const std::vector<std::pair<const char*, std::vector<FieldInfo>>> cases = {
        // clang-format off
        {"no fields", {}}, {"name too long", {{"ABCDEFGHIJK", 'C', 5, 0}}}, {"digit first", {{"1A", 'C', 5, 0}}},
        {"duplicate name", {{"Name", 'C', 5, 0}, {"NAME", 'N', 5, 0}}}, {"zero length", {{"A", 'C', 0, 0}}},
        {"character too long", {{"A", 'C', 255, 0}}}, {"numeric too long", {{"A", 'N', 21, 0}}},
        {"too many decimals", {{"A", 'N', 5, 4}}}, {"logical length", {{"A", 'L', 2, 0}}},
        {"memo type", {{"A", 'M', 10, 0}}},
        // clang-format on
    };
    TempDir dir;
    const std::string p = dir.path("keep.dbf");
    WriteBytes(p, "precious");
    for (const auto& [what, fields] : cases) {
        std::string error;
        EXPECT_FALSE(Table::create(p, fields, 0x57, &error)) << what;
        EXPECT_NE(error.find(p), std::string::npos) << what << ": " << error;
        EXPECT_EQ(ReadBytes(p), "precious") << what;
    }
    std::vector<FieldInfo> many;
    for (int i = 0; i < 256; ++i)
        many.push_back({"F" + std::to_string(i), 'C', 1, 0});
    EXPECT_FALSE(Table::create(p, many));
}

TEST(DbfLayout, DateWrittenOncePerDayPerObject)
{
    TempDir dir;
    const std::string p = dir.path("d.dbf");
    WriteBytes(p, smallTable());  // stored date 2024-01-02
    auto t = Table::open(p);
    ASSERT_TRUE(t && t->go(1) && t->assignText(1, "x"));
    EXPECT_EQ(ReadBytes(p).substr(1, 3), todayBytes());

    // Another program puts its own date back: we do not rewrite it on every write.
    WriteBytes(p, ReadBytes(p).replace(1, 3, "\x7c\x01\x02"));
    ASSERT_TRUE(t->assignText(1, "y"));
    EXPECT_EQ(ReadBytes(p).substr(1, 3), std::string("\x7c\x01\x02"));
}
