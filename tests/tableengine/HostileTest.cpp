// Corrupt, truncated and lying files: open fails with a reason or the damage
// is bounded; nothing is read outside the file and nothing is written.
// Meant to run under AddressSanitizer as well; randomly mutated tables are
// the fuzz target "table"'s, whose corpus every test run replays.

#include "DbfTestSupport.h"

using namespace kxtest;

namespace {

std::string patched(std::string s, std::size_t at, const std::string& bytes)
{
    return s.replace(at, bytes.size(), bytes);
}

}  // namespace

TEST(DbfHostile, CorruptHeadersAreRefusedWithAReason)
{
    const std::string good = smallTable();
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"empty file", "", "shorter than a table header"},
        {"31 bytes", good.substr(0, 31), "shorter than a table header"},
        {"dBASE II", patched(good, 0, "\x02"), "dBASE II"},
        {"dBASE 7", patched(good, 0, "\x04"), "dBASE 7"},
        {"dBASE 7 with memo", patched(good, 0, "\x8c"), "dBASE 7"},
        {"header length below one field", patched(good, 8, le(64, 2)), "too small"},
        {"header length past the end", patched(good.substr(0, 120), 8, le(65535, 2)), "larger than the file"},
        {"header shorter than its descriptors", patched(good, 8, le(32 + 32 + 1, 2)), "terminator"},
        {"descriptor cut by the header length", patched(good, 8, le(32 + 32 + 16, 2)), "runs past"},
        {"no terminator", patched(good, kHL - 1, " "), "terminator"},
        {"zero-width field", patched(good, 32 + 32 + 16, std::string(1, '\0')), "length 0"},
        {"record shorter than its fields", patched(good, 10, le(16, 2)), "record length is 16"},
        {"record length 1", patched(good, 10, le(1, 2)), "no room"},
        {"no fields", patched(good, 32, "\x0d"), "no fields"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string p = dir.path("bad.dbf");
        WriteBytes(p, c.bytes);
        std::string error;
        EXPECT_FALSE(Table::open(p, &error)) << c.what;
        EXPECT_NE(error.find(p), std::string::npos) << c.what << ": " << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(ReadBytes(p), c.bytes) << c.what;
    }
}

TEST(DbfHostile, LyingCountsAndOddButUsableHeadersAreBounded)
{
    TempDir dir;
    const std::string p = dir.path("odd.dbf");
    const std::string good = smallTable();

    // A count far beyond the data, the last record torn, huge records on a tiny file.
    const std::pair<std::string, std::uint32_t> counted[] = {{patched(good, 4, le(0xFFFFFFFF, 4)), 2},
                                                             {good.substr(0, good.size() - 6), 1},
                                                             {patched(good.substr(0, kHL + 10), 10, le(65535, 2)), 0}};
    std::unique_ptr<Table> t;
    for (const auto& [bytes, n] : counted) {
        WriteBytes(p, bytes);
        t = Table::open(p);
        ASSERT_TRUE(t) << n;
        EXPECT_EQ(t->recordCount(), n);
        EXPECT_FALSE(t->go(n + 1)) << n;
    }

    // An 11-byte name without NUL, and 0x0D 0x00 before the data.
    std::string odd = patched(good, 32, "ABCDEFGHIJK");
    odd.insert(kHL, 1, '\0');
    odd = patched(odd, 8, le(kHL + 1, 2));
    WriteBytes(p, odd);
    t = Table::open(p);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->fieldName(1), "ABCDEFGHIJK");
    EXPECT_EQ(t->fieldNumber("abcdefghijk"), 1);
    ASSERT_TRUE(t->go(2));
    EXPECT_EQ(t->fieldInt(2), -2);
    // Every field of every record, one record and one field beyond: in bounds, and nothing written.
    const std::uint32_t n = t->recordCount();
    EXPECT_LE(std::uint64_t(n) * 2, odd.size()) << "a record takes at least two bytes";
    char buf[300];
    for (std::uint32_t r = 1; r <= n + 1; ++r) {
        EXPECT_EQ(t->go(r), r <= n);
        t->isDeleted();
        for (int f = 0; f <= int(t->fieldCount()) + 1; ++f) {
            t->fieldText(f, buf, sizeof buf);
            EXPECT_LE(t->fieldBytes(f).size(), t->fieldLength(f));
            t->fieldInt(f);
            t->fieldNumber(t->fieldName(f));
        }
    }
    t.reset();
    EXPECT_EQ(ReadBytes(p), odd) << "reading wrote to the file";
}

TEST(DbfHostile, NonRegularAndMissingFilesAreRefused)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.path("fifo.dbf").c_str(), 0600), 0);  // must not hang on it
    for (const auto& [path, reason] : {std::pair{dir.path("missing.dbf"), "cannot open"},
                                       {dir.root(), "not a regular file"},
                                       {dir.path("fifo.dbf"), "not a regular file"}}) {
        std::string error;
        EXPECT_FALSE(Table::open(path, &error)) << path;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

TEST(DbfHostile, RecordsCutOffByAnotherProgramAreGoneNotGarbage)
{
    TempDir dir;
    const std::string p = dir.path("cut.dbf");
    WriteBytes(p, smallTable());
    auto t = Table::open(p);
    ASSERT_TRUE(t && t->go(2));
    ASSERT_EQ(::truncate(p.c_str(), off_t(kHL + kRL + 3)), 0);
    char buf[32] = "unchanged";
    EXPECT_EQ((std::vector<std::size_t>{t->fieldText(1, buf, sizeof buf), std::size_t(buf[0]), t->fieldBytes(1).size(),
                                        std::size_t(t->fieldInt(2)), t->assignText(1, "x"), ReadBytes(p).size()}),
              (std::vector<std::size_t>{0, 0, 0, 0, 0, kHL + kRL + 3}));  // nothing read, nothing written
    EXPECT_NE(t->lastError().find("no longer exists"), std::string::npos) << t->lastError();
    EXPECT_FALSE(t->go(2));

    // Cut while this object had not read the record yet: the write must not
    // extend the file either.
    WriteBytes(p, smallTable());
    t = Table::open(p);
    ASSERT_TRUE(t && t->go(2));
    ASSERT_EQ(::truncate(p.c_str(), off_t(kHL + kRL)), 0);
    EXPECT_FALSE(t->assignDouble(2, 1));
    EXPECT_EQ(ReadBytes(p).size(), kHL + kRL);
}
