// CDosFile / CLogFile on real files.
#include <kxsupport/DosFile.h>

#include "SupportTestUtil.h"

#include <fcntl.h>

using namespace kxtest;

namespace {

int OpenDescriptors()
{
    int n = 0;
    for (int fd = 0; fd < 1024; ++fd)
        n += ::fcntl(fd, F_GETFD) != -1;
    return n;
}

class DosFileTest : public ::testing::Test {
protected:
    // A file "f" holding `bytes`, opened for reading.
    CDosFile& Reading(const std::string& bytes)
    {
        WriteBytes(m_dir.path("f"), bytes);
        EXPECT_EQ(m_file.Open(CDosFile::modeRead), 1);
        return m_file;
    }
    TempDir m_dir;
    CDosFile m_file{m_dir.path("f").c_str()};
};

}  // namespace

// CR LF ends a line; a lone CR or LF stays in it; a long line comes in pieces
// of size-1 bytes; a pair cut by the end of a piece is no line end; at the
// end of the file empty lines without moving.
TEST_F(DosFileTest, ReadLineSplitsAtCrLfWithinWhatOneCallRead)
{
    const struct {
        const char* bytes;
        uint32_t size;
        std::vector<std::string> lines;
        std::vector<long> positions;
    } cases[] = {
        {"ab\r\ncd", 64, {"ab", "cd", "", ""}, {4, 6, 6, 6}},
        {"0123456789", 4, {"012", "345", "678", "9", ""}, {3, 6, 9, 10, 10}},
        {"a\nb\rc\r\nd", 64, {"a\nb\rc", "d"}, {7, 8}},
        {"ab\r\ncd", 4, {"ab\r", "\ncd"}, {3, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(kx::test::Escaped(c.bytes) + " in " + std::to_string(c.size));
        CDosFile f(m_dir.path("f").c_str());
        WriteBytes(m_dir.path("f"), c.bytes);
        ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            char line[64];
            ASSERT_EQ(f.ReadLine(line, c.size), 1);
            EXPECT_EQ(line, c.lines[i]);
            EXPECT_EQ(f.GetPos(), c.positions[i]);
        }
    }
    CDosFile& f = Reading("x");
    char line[4] = "xyz";
    // No room for a byte and the NUL: an empty line, no move.
    EXPECT_EQ((std::vector<long>{f.ReadLine(line, 1), line[0], f.GetPos()}), (std::vector<long>{0, 0, 0}));
}

TEST_F(DosFileTest, RefusesMissingFilesNoNameUnknownModesAndDirectories)
{
    CDosFile missing(m_dir.path("missing").c_str());
    uint32_t n = 99;
    char buf[4];
    EXPECT_EQ((std::vector<long>{missing.Open(CDosFile::modeRead), missing.GetHandle(), missing.GetPos(),
                                 missing.Close(), missing.Seek(0), missing.SeekEof(), missing.Read(buf, sizeof buf, n),
                                 n, missing.Write("x", 1, n)}),
              (std::vector<long>{0, 0, -1, 0, 0, 0, 0, 0, 0}));

    WriteBytes(m_dir.path("f"), "x");
    EXPECT_EQ(CDosFile(nullptr).Create(CDosFile::modeReadWrite), 0);
    for (uint32_t mode : {3u, CDosFile::modeRead | 0x50, CDosFile::modeRead | 0x100})
        EXPECT_EQ(m_file.Open(mode), 0) << mode;
    CDosFile d(m_dir.root().c_str());
    EXPECT_EQ((std::vector<long>{d.Open(CDosFile::modeRead), d.GetHandle()}), (std::vector<long>{0, 0}));
}

TEST_F(DosFileTest, CreateTruncatesWriteReadAndPositions)
{
    WriteBytes(m_dir.path("f"), "old content that must go");
    CDosFile& f = m_file;
    uint32_t wrote = 0, read = 0, atEnd = 99;
    char buf[16] = {};
    // Each call, then the position or count; a read at the end succeeds with 0 bytes; a position
    // beyond the signed range is reported as a failure.
    EXPECT_EQ((std::vector<long>{f.Create(CDosFile::modeReadWrite), f.GetPos(), f.Write("hello world", 11, wrote),
                                 wrote, f.GetPos(), f.Seek(6), f.Read(buf, 10, read), read, f.Read(buf, 10, atEnd),
                                 atEnd, f.Seek(0), f.SeekEof(), f.GetPos(), f.Seek(0x7FFFFFFFu), f.GetPos(),
                                 f.Seek(0x80000000u), f.GetPos(), f.Close(), f.Close()}),
              (std::vector<long>{1, 0, 1, 11, 11, 1, 1, 5, 1, 0, 1, 1, 11, 1, 0x7FFFFFFF, 1, -1, 1, 0}));
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(ReadBytes(m_dir.path("f")), "hello world");
}

// The second of two independent opens of one file is refused when its access
// is denied by the first or the first's access is denied by it, as on Windows.
// Rows: first open; columns: second open; each group of three is read, write,
// read/write; '+' allowed, '-' refused.
TEST_F(DosFileTest, ShareModesDecideEveryPairOfOpens)
{
    const uint32_t shares[] = {CDosFile::shareCompat, CDosFile::shareExclusive, CDosFile::shareDenyWrite,
                               CDosFile::shareDenyRead, CDosFile::shareDenyNone};
    const char* const allowed[] = {
        //  compat  excl  denyW denyR denyNone
        "+++ --- +++ --- +++", "+++ --- --- +++ +++", "+++ --- --- --- +++",  // compat
        "--- --- --- --- ---", "--- --- --- --- ---", "--- --- --- --- ---",  // exclusive
        "+-- --- +-- --- +--", "+-- --- --- +-- +--", "+-- --- --- --- +--",  // deny-write
        "-+- --- -+- --- -+-", "-+- --- --- -+- -+-", "-+- --- --- --- -+-",  // deny-read
        "+++ --- +++ --- +++", "+++ --- --- +++ +++", "+++ --- --- --- +++",  // deny-none
    };
    const std::string path = m_dir.path("f");
    WriteBytes(path, "keep me");
    for (uint32_t i = 0; i < 15; ++i) {
        for (uint32_t j = 0; j < 15; ++j) {
            const uint32_t first = shares[i / 3] | i % 3, second = shares[j / 3] | j % 3;
            CDosFile a(path.c_str()), b(path.c_str());
            ASSERT_EQ(a.Open(first), 1) << std::hex << first;
            EXPECT_EQ(b.Open(second), allowed[i][j + j / 3] == '+' ? 1 : 0) << std::hex << first << " " << second;
        }
    }
    // Across processes too; and Create never truncates a file whose opener
    // denies writing.
    CDosFile owner(path.c_str()), other(path.c_str());
    ASSERT_EQ(owner.Open(CDosFile::modeRead | CDosFile::shareDenyWrite), 1);
    EXPECT_EQ(
        WaitExit(Fork([&] { return CDosFile(path.c_str()).Open(CDosFile::modeWrite | CDosFile::shareDenyNone); })), 0);
    EXPECT_EQ(other.Create(CDosFile::modeReadWrite), 0);
    EXPECT_EQ(ReadBytes(path), "keep me");
    owner.Close();
    EXPECT_EQ(other.Create(CDosFile::modeReadWrite), 1);
}

TEST_F(DosFileTest, NeverTakesTheStandardStreamSlots)
{
    WriteBytes(m_dir.path("f"), "x");
    int savedStdin = ::dup(0);
    ASSERT_GE(savedStdin, 0);
    ::close(0);
    int opened = m_file.Open(CDosFile::modeRead);
    int handle = m_file.GetHandle();
    m_file.Close();
    ::dup2(savedStdin, 0);
    ::close(savedStdin);
    ASSERT_EQ(opened, 1);
    EXPECT_GT(handle, 2);
}

TEST_F(DosFileTest, CopiesShareTheFileButReleaseOnlyTheirOwn)
{
    WriteBytes(m_dir.path("b"), "xyz");
    const int before = OpenDescriptors();
    {
        CDosFile& a = Reading("abcdef");
        ASSERT_EQ(a.Seek(2), 1);
        char c;
        {
            CDosFile copy(a);
            EXPECT_STREQ(copy.GetFileName(), a.GetFileName());
            EXPECT_NE(copy.GetFileName(), a.GetFileName());
            // One open file, one position.
            EXPECT_EQ((std::vector<long>{copy.Read(&c, 1), c, a.GetPos()}), (std::vector<long>{1, 'c', 3}));
        }
        // The copy is gone; the original still reads.
        EXPECT_EQ((std::vector<long>{a.Read(&c, 1), c}), (std::vector<long>{1, 'd'}));
        a.Close();

        CLogFile b(m_dir.path("b").c_str());
        ASSERT_EQ(b.Open(CDosFile::modeRead), 1);
        CLogFile log(m_dir.path("f").c_str());
        ASSERT_EQ(log.Open(CDosFile::modeRead), 1);
        log = b;  // closes log's own file first
        EXPECT_STREQ(log.GetFileName(), m_dir.path("b").c_str());
        log = log;
        EXPECT_EQ((std::vector<long>{log.Read(&c, 1), c}), (std::vector<long>{1, 'x'}));
    }
    EXPECT_EQ(OpenDescriptors(), before);
}
