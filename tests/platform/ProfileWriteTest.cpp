// Writing calls: the exact bytes written, refusals, batches, failures that leave the file as it was.

#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace kx {
namespace {

using namespace test;

constexpr char kFile[] = "kxwrite.ini";

class ProfileWrite : public ::testing::Test {
protected:
    void useFile(const std::optional<std::string>& bytes)
    {
        ::unlink(path().c_str());
        if (bytes)
            WriteBytes(path(), *bytes);
    }
    std::string path() const { return site.win(kFile); }

    // Temporary files left behind: anything but INI and lock files.
    std::vector<std::string> strayFiles() const
    {
        std::vector<std::string> stray;
        for (const auto& e : std::filesystem::directory_iterator(site.windows()))
            if (e.path().extension() != ".ini" && e.path().extension() != ".lock")
                stray.push_back(e.path().filename().string());
        return stray;
    }

    TempSite site;
};

struct Call {
    const char* app;
    const char* key;
    const char* value;
    bool result;
};

struct GoldenCase {
    int id;
    std::optional<std::string> before;  // nullopt: no file
    std::vector<Call> calls;
    std::optional<std::string> after;  // nullopt: still no file
};

TEST_F(ProfileWrite, LeavesExactlyTheseBytes)
{
    // clang-format off
    const std::vector<GoldenCase> cases = {
        {62, std::nullopt, {{"S", "k", "v", true}}, "[S]\r\nk=v\r\n"},
        {63, "", {{"S", "k", "v", true}}, "[S]\r\nk=v\r\n"},
        {64, "[A]\r\nk1=1\r\n", {{"B", "k", "v", true}}, "[A]\r\nk1=1\r\n[B]\r\nk=v\r\n"},
        {65, "A\0B"s, {{"S", "k", "v", true}}, "A\0B\r\n[S]\r\nk=v\r\n"s},
        {66, "[S]\r\nb=1\r\na=2\r\n", {{"S", "z", "", true}}, "[S]\r\nb=1\r\na=2\r\nz=\r\n"},
        {67, "[S]\r\nk=1\r\n;c\r\n\r\n[T]\r\n", {{"S", "n", "2", true}}, "[S]\r\nk=1\r\nn=2\r\n;c\r\n\r\n[T]\r\n"},
        {68, "", {{"S", "z", "", true}, {"S", ";y", "", false}, {"S", "a", "", true}, {"S", ";b", "", false}, {"S", ";c", "", false}}, "[S]\r\nz=\r\na=\r\n"},  // keys starting with ';' would be comments: refused, unlike Windows
        {69, "[S]\r\nK=old\r\n", {{"s", "k", "new", true}}, "[S]\r\nK=new\r\n"},
        {70, "[S]\r\nk=old", {{"S", "k", "new", true}}, "[S]\r\nk=new\r\n"},
        {71, "[S]\r\n  k = old  \r\n", {{"S", "k", "new", true}}, "[S]\r\n  k =new\r\n"},
        {72, "[S]\r\nk=v\r\n", {{"S", "k", nullptr, true}}, "[S]\r\n"},
        {73, "[S]\r\n;k=v\r\n", {{"S", ";k", nullptr, true}}, "[S]\r\n;k=v\r\n"},
        {74, "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", {{"A", nullptr, nullptr, true}}, "[B]\r\nk=2\r\n"},
        {75, ";c0\r\n[S]\r\n;c1\r\n[T]\r\n;c2\r\n", {{"S", nullptr, "", true}, {"T", nullptr, "", true}}, ";c0\r\n;c1\r\n;c2\r\n"},
        {76, std::nullopt, {{"  S  ", "  k  ", "  v  ", true}}, "[S]\r\nk=  v  \r\n"},
        {77, std::nullopt, {{nullptr, "k", "v", false}}, std::nullopt},
        {78, std::nullopt, {{"S", "k", nullptr, true}}, std::nullopt},
        {79, std::nullopt, {{"S", "k", "a\r\nb", false}}, std::nullopt},
        {80, "[S]\nk=v\n", {{"S", "n", "1", true}}, "[S]\nk=v\nn=1\r\n"},
        {81, "[S]\r\nk=1\r\n[S]\r\nj=2\r\n", {{"S", "j", "3", true}}, "[S]\r\nk=1\r\nj=3\r\n[S]\r\nj=2\r\n"},
        {82, "[S]\r\nk=v\r\n", {{"S", "k", "v", true}}, "[S]\r\nk=v\r\n"},
        {84, "\xEF\xBB\xBF", {{"S", "k", "v", true}}, "\xEF\xBB\xBF\r\n[S]\r\nk=v\r\n"},

        // Edges around the rows above (ids from 100)
        {100, "[S]", {{"S", "k", "v", true}}, "[S]\r\nk=v\r\n"},
        {101, "[S]\rk=v", {{"S", "n", "1", true}}, "[S]\rk=v\r\nn=1\r\n"},
        {102, "[S]\r\nk=1\r\nbare\r\n;c\r\n", {{"S", "n", "2", true}}, "[S]\r\nk=1\r\nbare\r\nn=2\r\n;c\r\n"},
        {103, "[S]\r\n\r\n[T]\r\n", {{"S", "k", "v", true}}, "[S]\r\nk=v\r\n\r\n[T]\r\n"},
        {104, "[S]\r\nk=1\r\nk=2\r\n", {{"S", "k", nullptr, true}}, "[S]\r\nk=2\r\n"},
        {105, "[S]\r\nk=1\r\nbare\r\n\r\n[T]\r\n[S]\r\nk=3\r\n", {{"S", nullptr, nullptr, true}}, "\r\n[T]\r\n[S]\r\nk=3\r\n"},
        {106, "\0\xFF\r\n[S]\nk=\xE9t\xE9\n;\x80\0\r"s, {{"S", "k", "x", true}}, "\0\xFF\r\n[S]\nk=x\n;\x80\0\r"s},
        {107, std::nullopt, {{"S", "k", "\"  q  \"", true}}, "[S]\r\nk=\"  q  \"\r\n"},
        {108, "[A]\r\n", {{"B", "k", nullptr, true}, {"B", nullptr, nullptr, true}}, "[A]\r\n"},
        {109, "[S]\r\nk=1\r\n", {{" S ", " k ", "2", true}}, "[S]\r\nk=2\r\n"},
        {110, std::nullopt, {{nullptr, nullptr, nullptr, false}}, std::nullopt},
        {111, "[S]k=v\r\n", {{"S", "k", "x", true}}, "[S]k=v\r\nk=x\r\n"},
        {112, "[\xC9T\xC9]\r\n", {{"\xE9t\xE9", "k", "v", true}}, "[\xC9T\xC9]\r\nk=v\r\n"},
        {113, "[S]\r\n=v\r\n", {{"S", "k", "1", true}}, "[S]\r\n=v\r\nk=1\r\n"},
        {114, "[S]\r\nk=1\r\nK=2\r\n", {{"S", "k", "3", true}}, "[S]\r\nk=3\r\nK=2\r\n"},  // only the first copy of a key changes
    };
    // clang-format on
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("case " + std::to_string(c.id));
        useFile(c.before);
        for (const Call& call : c.calls)
            EXPECT_EQ(WritePrivateProfileString(call.app, call.key, call.value, kFile), call.result)
                << (call.key ? call.key : "(null)") << ": " << ProfileLastError();
        ASSERT_EQ(PathExists(path()), c.after.has_value());
        EXPECT_EQ(Escaped(ReadBytes(path())), Escaped(c.after.value_or("")));
        EXPECT_TRUE(strayFiles().empty());
    }
}

TEST_F(ProfileWrite, RefusesArgumentsThatWouldBreakTheFile)
{
    const std::string original = "[S]\r\nk=v\r\n";
    const std::vector<Call> refused = {
        {"S", "k", "a\rb", false},    {"S", "k", "a\nb", false},  {"S", "k\r", "v", false},
        {"S\n", "k", "v", false},     {"S", "a=b", "v", false},   {"S", ";c", "v", false},
        {"S", " [x", "v", false},     {"S", "", "v", false},      {"S", "   ", "v", false},
        {"", "k", "v", false},        {"a]b", "k", "v", false},   {"\tS", "k", "v", false},
        {"S", "k\t", "v", false},     {"S\x0B", "k", "v", false}, {"S\r", nullptr, nullptr, false},
        {"S", "k\n", nullptr, false}, {nullptr, "k", "v", false},
    };
    for (const Call& c : refused) {
        SCOPED_TRACE(Escaped(c.app ? c.app : "(null)") + " / " + Escaped(c.key ? c.key : "(null)") + " / " +
                     Escaped(c.value ? c.value : "(null)"));
        useFile(original);
        EXPECT_FALSE(WritePrivateProfileString(c.app, c.key, c.value, kFile));
        EXPECT_FALSE(ProfileLastError().empty());
        EXPECT_EQ(ReadBytes(path()), original);
    }
    useFile(original);
    EXPECT_FALSE(WriteProfileString(kFile, "S", "k", "a\0b"s));
    EXPECT_FALSE(WriteProfileString(kFile, "S", "k\0"s, "x"));
    EXPECT_NE(ProfileLastError().find("NUL"), std::string::npos);
    EXPECT_EQ(ReadBytes(path()), original);
    // Deleting a name that cannot exist is no error.
    EXPECT_TRUE(DeleteProfileKey(kFile, "S", ";k"));
    EXPECT_TRUE(ProfileLastError().empty());
}

TEST_F(ProfileWrite, BatchAppliesEverythingOrNothing)
{
    useFile("[S]\r\nk=v\r\n[U]\r\nz=1\r\n");
    std::vector<ProfileEdit> edits = {
        {"S", "a", "1"}, {"S", "b", "2"}, {"S", "k", "", true}, {"T", "x", "y"}, {"U", "", "", true}, {"S", "a", "3"},
    };
    EXPECT_TRUE(WritePrivateProfileEdits(edits, kFile)) << ProfileLastError();
    EXPECT_EQ(Escaped(ReadBytes(path())), Escaped("[S]\r\na=3\r\nb=2\r\n[T]\r\nx=y\r\n"));

    // One bad edit anywhere: nothing written.
    const std::string before = ReadBytes(path());
    edits = {{"S", "a", "4"}, {"S", "bad=key", "5"}, {"S", "c", "6"}};
    EXPECT_FALSE(WritePrivateProfileEdits(edits, kFile));
    EXPECT_NE(ProfileLastError().find("bad=key"), std::string::npos);
    EXPECT_EQ(ReadBytes(path()), before);

    // Edits that cancel out write nothing.
    struct stat st1, st2;
    ASSERT_EQ(::stat(path().c_str(), &st1), 0);
    edits = {{"S", "new", "1"}, {"S", "new", "", true}};
    EXPECT_TRUE(WritePrivateProfileEdits(edits, kFile));
    ASSERT_EQ(::stat(path().c_str(), &st2), 0);
    EXPECT_EQ(st1.st_ino, st2.st_ino);

    // Only deletions on a missing file: nothing is created, not even the lock file.
    edits = {{"S", "a", "", true}, {"S", "", "", true}};
    EXPECT_TRUE(WritePrivateProfileEdits(edits, "fresh.ini"));
    EXPECT_TRUE(WritePrivateProfileEdits({}, "fresh.ini"));
    EXPECT_FALSE(PathExists(site.win("fresh.ini")));
    EXPECT_FALSE(PathExists(site.win(".fresh.ini.lock")));
}

// A run of sets in one pass leaves the bytes that setting each in turn
// leaves: random texts (sections repeated in other case, duplicate keys,
// comments, bare lines, missing and lone line ends) and random sets.
TEST(ProfileSetValues, LeaveTheBytesOfOneSetAfterAnother)
{
    const std::vector<std::string> pieces = {"[S]", "[s]", "[T]",  " [ u ] ", "k=1",  "K = 2",  "j=3",
                                             "k=4", ";c",  "bare", "",        "\x1a", "x=\"q\""};
    const std::vector<std::string> ends = {"\r\n", "\n", "\r", ""};
    const std::vector<std::string> names = {"S", "s", "T", "u", "V", "w"};
    const std::vector<std::string> keys = {"k", "K", "j", "x", "new", " n2 "};
    std::mt19937 random(13);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 8); n > 0; --n)
            text += pieces[random() % pieces.size()] + ends[random() % ends.size()];
        std::vector<profile_text::SetEdit> sets;
        std::vector<std::string> values;
        values.reserve(8);
        for (int n = 2 + static_cast<int>(random() % 6); n > 0; --n) {
            values.push_back("v" + std::to_string(random() % 3));
            sets.push_back({names[random() % names.size()], keys[random() % keys.size()], values.back()});
        }
        std::string oneByOne = text;
        for (const profile_text::SetEdit& set : sets)
            profile_text::SetValue(oneByOne, set.app, set.key, set.value);
        std::string batch = text;
        profile_text::SetValues(batch, sets);
        ASSERT_EQ(Escaped(batch), Escaped(oneByOne)) << Escaped(text);
    }
}

TEST_F(ProfileWrite, ConvenienceFormsWriteDecimalTextAndDelete)
{
    EXPECT_TRUE(WriteProfileInt(kFile, "S", "n", -42) && WriteProfileString(kFile, "S", "t", "text") &&
                WriteProfileInt(kFile, "T", "n", 7));
    EXPECT_EQ(Escaped(ReadBytes(path())), Escaped("[S]\r\nn=-42\r\nt=text\r\n[T]\r\nn=7\r\n"));
    EXPECT_TRUE(DeleteProfileKey(kFile, "S", "N") && DeleteProfileSection(kFile, "t"));
    EXPECT_EQ(Escaped(ReadBytes(path())), Escaped("[S]\r\nt=text\r\n"));
}

// Whether body returns true, run as an ordinary user if we are root (root ignores permission bits).
template <typename Body>
bool asUnprivilegedUser(Body body)
{
    return ::geteuid() != 0 ? body()
                            : InChildProcess([&] { return ::setgid(65534) == 0 && ::setuid(65534) == 0 && body(); });
}

TEST_F(ProfileWrite, FailuresLeaveTheFileAsItWas)
{
    const std::string original = "[S]\r\nk=v\r\n";

    // Missing directory: nothing created anywhere.
    EXPECT_FALSE(WriteProfileString("\\nosuch\\sub\\a.ini", "S", "k", "v"));
    EXPECT_NE(ProfileLastError().find("does not exist"), std::string::npos) << ProfileLastError();
    EXPECT_FALSE(DeleteProfileKey("\\nosuch\\sub\\a.ini", "S", "k") || PathExists(site.root() + "/nosuch"));

    // The INI name is a directory or a FIFO: refused, and no lock file beside it.
    std::filesystem::create_directory(site.win("dir.ini"));
    ASSERT_EQ(::mkfifo(site.win("fifo.ini").c_str(), 0644), 0);
    for (const char* name : {"dir.ini", "fifo.ini"}) {
        EXPECT_FALSE(WriteProfileString(name, "S", "k", "v"));
        EXPECT_NE(ProfileLastError().find("not a regular file"), std::string::npos) << ProfileLastError();
        EXPECT_FALSE(PathExists(site.win("." + std::string(name) + ".lock"))) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(site.win("dir.ini")));

    // A read-only file stays as it is, whoever writes.
    useFile(original);
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    EXPECT_FALSE(WriteProfileString(kFile, "S", "k", "new"));
    EXPECT_NE(ProfileLastError().find("read-only"), std::string::npos) << ProfileLastError();
    EXPECT_EQ(ReadBytes(path()), original);
    EXPECT_EQ(ProfileString(kFile, "S", "k"), "v");
    ASSERT_EQ(::chmod(path().c_str(), 0644), 0);

    const std::string utf16 = "\xFF\xFE[\0S\0]\0"s;
    useFile(utf16);
    EXPECT_FALSE(WriteProfileString(kFile, "S", "k", "v"));
    EXPECT_NE(ProfileLastError().find("UTF-16"), std::string::npos);
    EXPECT_FALSE(DeleteProfileSection(kFile, "S"));
    EXPECT_EQ(ReadBytes(path()), utf16);

    // A directory we may not write in, though the file is writable: the lock
    // file exists (flock accepts it read-only), the temporary file cannot be made.
    useFile(std::nullopt);
    ASSERT_TRUE(WriteProfileString(kFile, "S", "k", "v"));
    ASSERT_EQ(::chmod(path().c_str(), 0666), 0);
    ASSERT_EQ(::chmod(site.windows().c_str(), 0555), 0);
    EXPECT_TRUE(asUnprivilegedUser([&] {
        const bool wrote = WriteProfileString(kFile, "S", "k", "new");
        const bool explained = ProfileLastError().find("cannot create") != std::string::npos;
        return !wrote && explained && ReadBytes(path()) == original;
    }));
    ASSERT_EQ(::chmod(site.windows().c_str(), 0755), 0);
    EXPECT_EQ(ReadBytes(path()), original);

    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(ProfileWrite, TheNextWriterRemovesTemporaryFilesAKilledWriterLeft)
{
    useFile("[S]\r\nk=v\r\n");
    const std::vector<std::string> stale = {".kxwrite.ini.1f2e.0.a3b4c5.tmp", ".kxwrite.ini.7.1c.0.tmp"};
    const std::vector<std::string> others = {".kxwrite.ini.backup.tmp", ".kxwrite.ini.1.2.tmp", "kxwrite.ini.1.2.3.tmp",
                                             ".kxwrite.ini.1.2.3.4.tmp", ".kxother.ini.1.2.3.tmp"};
    for (const auto& names : {stale, others})
        for (const std::string& name : names)
            WriteBytes(site.win(name), "[S]\r\nk=old\r\n");
    ASSERT_TRUE(WriteProfileString(kFile, "S", "k", "new"));
    for (const std::string& name : stale)
        EXPECT_FALSE(PathExists(site.win(name))) << name;
    for (const std::string& name : others)
        EXPECT_TRUE(PathExists(site.win(name))) << name;
}

TEST_F(ProfileWrite, KeepsModeOwnerAndSymbolicLinks)
{
    // A new file gets 0666 less the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ASSERT_TRUE(WriteProfileString(kFile, "S", "k", "v"));
    struct stat st;
    ASSERT_EQ(::stat(path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666 & ~mask);

    // A replaced file keeps its mode, and its owner when we may give it away.
    ASSERT_EQ(::chmod(path().c_str(), 0604), 0);
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(path().c_str(), 65534, 65534) == 0);
    ASSERT_TRUE(WriteProfileString(kFile, "S", "k", "w"));
    ASSERT_EQ(::stat(path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_TRUE(!root || (st.st_uid == 65534u && st.st_gid == 65534u)) << st.st_uid << ":" << st.st_gid;

    // A symbolic link stays a link; its target is replaced and locked.
    std::filesystem::create_directory(site.root() + "/data");
    WriteBytes(site.root() + "/data/real.ini", "[S]\r\nk=v\r\n");
    std::filesystem::create_symlink("../data/real.ini", site.win("link.ini"));
    ASSERT_TRUE(WriteProfileString("LINK.INI", "S", "k", "through link")) << ProfileLastError();
    EXPECT_TRUE(std::filesystem::is_symlink(site.win("link.ini")));
    EXPECT_EQ(std::filesystem::read_symlink(site.win("link.ini")), "../data/real.ini");
    EXPECT_EQ(ReadBytes(site.root() + "/data/real.ini"), "[S]\r\nk=through link\r\n");
    EXPECT_TRUE(PathExists(site.root() + "/data/.real.ini.lock"));
    EXPECT_FALSE(PathExists(site.win(".link.ini.lock")));

    // A dangling link: the write creates its target.
    std::filesystem::create_symlink("../data/new.ini", site.win("dangling.ini"));
    ASSERT_TRUE(WriteProfileString("dangling.ini", "S", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_symlink(site.win("dangling.ini")));
    EXPECT_EQ(ReadBytes(site.root() + "/data/new.ini"), "[S]\r\nk=v\r\n");
}

}  // namespace
}  // namespace kx
