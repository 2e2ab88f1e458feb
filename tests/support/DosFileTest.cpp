// CDosFile / CLogFile on real files.
#include <kxsupport/DosFile.h>

#include "SupportTestUtil.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

using kxtest::TempDir;

namespace {

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int OpenDescriptors()
{
    int n = 0;
    for (int fd = 0; fd < 1024; ++fd)
        if (::fcntl(fd, F_GETFD) != -1)
            ++n;
    return n;
}

}  // namespace

TEST(DosFileReadLine, CrLfEndsLinesThenEmptyStringsAtEndWithoutMoving)
{
    TempDir dir;
    WriteFile(dir.File("f"), "ab\r\ncd");
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
    char line[64];
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "ab");
    EXPECT_EQ(f.GetPos(), 4);
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "cd");
    EXPECT_EQ(f.GetPos(), 6);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
        EXPECT_STREQ(line, "");
        EXPECT_EQ(f.GetPos(), 6);
    }
}

TEST(DosFileReadLine, LongLineComesInPiecesOfSizeLessOne)
{
    TempDir dir;
    WriteFile(dir.File("f"), "0123456789");
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
    char line[4];
    for (const char* want : {"012", "345", "678", "9", ""}) {
        ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
        EXPECT_STREQ(line, want);
    }
}

TEST(DosFileReadLine, LoneLineFeedAndLoneCarriageReturnStayInTheLine)
{
    TempDir dir;
    WriteFile(dir.File("f"), "a\nb\rc\r\nd");
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
    char line[64];
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "a\nb\rc");
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "d");
}

TEST(DosFileReadLine, PairSplitByTheBlockEndIsNotALineEnd)
{
    // The pair is looked for only inside what one call read: a CR that is the
    // last byte of a piece stays in it, and its LF begins the next piece.
    TempDir dir;
    WriteFile(dir.File("f"), "ab\r\ncd");
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
    char line[4];
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "ab\r");
    ASSERT_EQ(f.ReadLine(line, sizeof line), 1);
    EXPECT_STREQ(line, "\ncd");
}

TEST(DosFile, OpenOfMissingFileFailsAndLeavesNoPosition)
{
    TempDir dir;
    CDosFile f(dir.File("missing").c_str());
    EXPECT_EQ(f.Open(CDosFile::modeRead), 0);
    EXPECT_EQ(f.GetHandle(), 0);
    EXPECT_EQ(f.GetPos(), -1);
    EXPECT_EQ(f.Close(), 0);
    EXPECT_EQ(f.Seek(0), 0);
    EXPECT_EQ(f.SeekEof(), 0);
    uint32_t n = 99;
    char buf[4];
    EXPECT_EQ(f.Read(buf, sizeof buf, n), 0);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(f.Write("x", 1, n), 0);
}

TEST(DosFile, RefusesNoNameUnknownModesDirectoriesAndTinyLineBuffers)
{
    TempDir dir;
    WriteFile(dir.File("f"), "x");
    EXPECT_EQ(CDosFile(nullptr).Create(CDosFile::modeReadWrite), 0);
    CDosFile f(dir.File("f").c_str());
    EXPECT_EQ(f.Open(3), 0);
    EXPECT_EQ(f.Open(CDosFile::modeRead | 0x50), 0);
    EXPECT_EQ(f.Open(CDosFile::modeRead | 0x100), 0);
    CDosFile d(dir.Path().c_str());
    EXPECT_EQ(d.Open(CDosFile::modeRead), 0);
    EXPECT_EQ(d.GetHandle(), 0);
    ASSERT_EQ(f.Open(CDosFile::modeRead), 1);
    char line[4] = "xyz";
    EXPECT_EQ(f.ReadLine(line, 1), 0);
    EXPECT_STREQ(line, "");
    EXPECT_EQ(f.GetPos(), 0);
}

TEST(DosFile, CreateTruncatesWriteReadAndPositions)
{
    TempDir dir;
    WriteFile(dir.File("f"), "old content that must go");
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Create(CDosFile::modeReadWrite), 1);
    EXPECT_EQ(f.GetPos(), 0);
    uint32_t n = 0;
    ASSERT_EQ(f.Write("hello world", 11, n), 1);
    EXPECT_EQ(n, 11u);
    EXPECT_EQ(f.GetPos(), 11);
    ASSERT_EQ(f.Seek(6), 1);
    char buf[16] = {};
    ASSERT_EQ(f.Read(buf, 10, n), 1);
    EXPECT_EQ(n, 5u);
    EXPECT_STREQ(buf, "world");
    // At the end a read succeeds with 0 bytes.
    ASSERT_EQ(f.Read(buf, 10, n), 1);
    EXPECT_EQ(n, 0u);
    ASSERT_EQ(f.Seek(0), 1);
    ASSERT_EQ(f.SeekEof(), 1);
    EXPECT_EQ(f.GetPos(), 11);
    EXPECT_EQ(f.Close(), 1);
    EXPECT_EQ(f.Close(), 0);
    EXPECT_EQ(ReadFile(dir.File("f")), "hello world");
}

TEST(DosFile, PositionBeyondSignedRangeIsReportedAsFailure)
{
    TempDir dir;
    CDosFile f(dir.File("f").c_str());
    ASSERT_EQ(f.Create(CDosFile::modeReadWrite), 1);
    ASSERT_EQ(f.Seek(0x7FFFFFFFu), 1);
    EXPECT_EQ(f.GetPos(), 0x7FFFFFFF);
    ASSERT_EQ(f.Seek(0x80000000u), 1);
    EXPECT_EQ(f.GetPos(), -1);
}

// The second of two independent opens of one file is refused when its access
// is denied by the first or the first's access is denied by it, as on Windows.
// Rows: first open; columns: second open; each group of three is read, write,
// read/write; '+' allowed, '-' refused.
TEST(DosFile, ShareModesDecideEveryPairOfOpens)
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
    TempDir dir;
    const std::string path = dir.File("f");
    WriteFile(path, "keep me");
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
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(CDosFile(path.c_str()).Open(CDosFile::modeWrite | CDosFile::shareDenyNone));
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(other.Create(CDosFile::modeReadWrite), 0);
    EXPECT_EQ(ReadFile(path), "keep me");
    owner.Close();
    EXPECT_EQ(other.Create(CDosFile::modeReadWrite), 1);
}

TEST(DosFile, NeverTakesTheStandardStreamSlots)
{
    TempDir dir;
    WriteFile(dir.File("f"), "x");
    int savedStdin = ::dup(0);
    ASSERT_GE(savedStdin, 0);
    ::close(0);
    CDosFile f(dir.File("f").c_str());
    int opened = f.Open(CDosFile::modeRead);
    int handle = f.GetHandle();
    f.Close();
    ::dup2(savedStdin, 0);
    ::close(savedStdin);
    ASSERT_EQ(opened, 1);
    EXPECT_GT(handle, 2);
}

TEST(DosFileCopy, CopiesShareTheFileButReleaseOnlyTheirOwn)
{
    TempDir dir;
    WriteFile(dir.File("a"), "abcdef");
    WriteFile(dir.File("b"), "xyz");
    const int before = OpenDescriptors();
    {
        CDosFile a(dir.File("a").c_str());
        ASSERT_EQ(a.Open(CDosFile::modeRead), 1);
        ASSERT_EQ(a.Seek(2), 1);
        {
            CDosFile copy(a);
            EXPECT_STREQ(copy.GetFileName(), a.GetFileName());
            EXPECT_NE(copy.GetFileName(), a.GetFileName());
            char c;
            ASSERT_EQ(copy.Read(&c, 1), 1);
            EXPECT_EQ(c, 'c');
            EXPECT_EQ(a.GetPos(), 3);  // one open file, one position
        }
        // The copy is gone; the original still reads.
        char c;
        ASSERT_EQ(a.Read(&c, 1), 1);
        EXPECT_EQ(c, 'd');

        CLogFile b(dir.File("b").c_str());
        ASSERT_EQ(b.Open(CDosFile::modeRead), 1);
        CLogFile log(dir.File("a").c_str());
        ASSERT_EQ(log.Open(CDosFile::modeRead), 1);
        log = b;  // closes log's own file first
        EXPECT_STREQ(log.GetFileName(), dir.File("b").c_str());
        log = log;
        ASSERT_EQ(log.Read(&c, 1), 1);
        EXPECT_EQ(c, 'x');
    }
    EXPECT_EQ(OpenDescriptors(), before);
}
