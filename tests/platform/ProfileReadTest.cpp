// Reading calls against fixed files, and the fallbacks on files that cannot be read.

#include "platform/Profile.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace kx {
namespace {

using namespace test;

constexpr char kFile[] = "kxread.ini";

// Calls `call` on n bytes plus a guard, all 0xCC, and checks the return value
// and the whole buffer: the expected bytes, then no byte touched.
template <typename Call>
void expectBuffer(unsigned long n, unsigned long expectedReturn, const std::string& expectedBytes, Call call)
{
    std::string buffer(n + 16, '\xCC');
    EXPECT_EQ(call(buffer.data(), n), expectedReturn);
    EXPECT_EQ(Escaped(buffer), Escaped(expectedBytes + std::string(buffer.size() - expectedBytes.size(), '\xCC')));
}

class ProfileRead : public ::testing::Test {
protected:
    void useFile(const std::optional<std::string>& bytes)
    {
        ::unlink(site.win(kFile).c_str());
        if (bytes)
            WriteBytes(site.win(kFile), *bytes);
    }
    TempSite site;
};

struct StringCase {
    int id;
    std::optional<std::string> file;  // nullopt: no file
    const char* app;
    const char* key;
    const char* def;
    unsigned long n;
    unsigned long ret;
    std::string bytes;  // buffer through the final NUL(s)
};

TEST_F(ProfileRead, GetStringFollowsTheWindowsRules)
{
    const std::string sk = "[S]\r\nk=v\r\n", s3 = "[ section1 ]\r\n[section2]\r\n[section3]\r\n";
    // clang-format off
    const std::vector<StringCase> cases = {
        // Lookup
        {1, sk, "s", "K", "d", 64, 1, "v\0"s},
        {2, sk, "  S  ", " k ", "d", 64, 1, "v\0"s},
        {3, sk, "\tS", "k", "d", 64, 1, "d\0"s},
        {4, "  [ S ]  \r\n\t k \t= \t v \t\r\n", "S", "k", "d", 64, 1, "v\0"s},
        {5, "[S]\r\nk=a\r\nk=b\r\n", "S", "k", "d", 64, 1, "a\0"s},
        {6, "[S]\r\n[S]\r\nk=v\r\n", "S", "k", "d", 64, 1, "d\0"s},
        {7, "k=v\r\n[S]\r\nx=y\r\n", "", "k", "d", 64, 1, "d\0"s},
        {8, "[]\r\nk=v\r\n", "", "k", "d", 64, 1, "v\0"s},
        {9, "[S]\r\n;k=v\r\n", "S", ";k", "d", 64, 1, "d\0"s},
        {10, "[S]\r\n \t;k=v\r\n", "S", "k", "d", 64, 1, "d\0"s},
        {11, "[S]\r\n#k=v\r\n", "S", "#k", "d", 64, 1, "v\0"s},
        {12, "[S]\r\nk=v ;c\r\n", "S", "k", "d", 64, 4, "v ;c\0"s},
        {13, "[S]\r\nk\r\n", "S", "k", "d", 64, 1, "d\0"s},
        {14, "[S]\r\n=v\r\n", "S", "", "d", 64, 1, "v\0"s},
        {15, "[S\r\nk=v\r\n", "S", "k", "d", 64, 1, "v\0"s},
        {16, "S]\r\nk=v\r\n", "S", "k", "d", 64, 1, "d\0"s},
        {17, "[S]k=v\r\n", "S", "k", "d", 64, 1, "d\0"s},
        {18, "[a]b]\r\nk=v\r\n", "a", "k", "d", 64, 1, "v\0"s},
        {19, "[S]\rk=v\r", "S", "k", "d", 64, 1, "v\0"s},
        {20, "[S]\nk=v", "S", "k", "d", 64, 1, "v\0"s},
        {21, "[S]\r\nk=\r\n", "S", "k", "d", 64, 0, "\0"s},
        {22, "[\xC9T\xC9]\r\nk=v\r\n", "\xE9t\xE9", "k", "d", 64, 1, "v\0"s},
        // Values, defaults, buffers
        {23, "[S]\r\nk=  \"  v  \"  \r\n", "S", "k", "d", 64, 5, "  v  \0"s},
        {24, "[S]\r\nk='v'\r\n", "S", "k", "d", 64, 1, "v\0"s},
        {25, "[S]\r\nk=\"v'\r\n", "S", "k", "d", 64, 3, "\"v'\0"s},
        {26, "[S]\r\nk=\"'v'\"\r\n", "S", "k", "d", 64, 3, "'v'\0"s},
        {27, "[S]\r\nk=\"\r\n", "S", "k", "d", 64, 1, "\"\0"s},
        {28, "[S]\r\nk=\"\"\r\n", "S", "k", "d", 64, 0, "\0"s},
        {29, "[S]\r\nk=val1\r\n", "S", "k", "d", 4, 3, "val\0"s},
        {30, "[S]\r\nk=val1\r\n", "S", "k", "d", 5, 4, "val1\0"s},
        {31, "[S]\r\nk=a\r\n", "S", "k", "d", 1, 0, "\0"s},
        {32, "[S]\r\nk=a\r\n", "S", "k", "d", 0, 0, ""},
        {33, "[S]\r\nk=\"abcdef\"\r\n", "S", "k", "d", 7, 6, "abcdef\0"s},
        {34, std::nullopt, "S", "k", "dflt  ", 64, 4, "dflt\0"s},
        {35, std::nullopt, "S", "k", " d\t ", 64, 3, " d\t\0"s},
        {36, sk, "S", "x", nullptr, 64, 0, "\0"s},
        {37, sk, "S", "x", "longdefault", 5, 4, "long\0"s},
        {38, sk, "S", "x", "\"q\"", 64, 3, "\"q\"\0"s},
        {83, "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "d", 64, 1, "d\0"s},
        // Lists
        {39, "[A]\r\n[B]\r\n[A]\r\n", nullptr, nullptr, "", 64, 6, "A\0B\0A\0\0"s},
        {40, "[S]\r\na=1\r\n;c=2\r\nb\r\nd=\r\na=3\r\n", "S", nullptr, "", 64, 6, "a\0d\0a\0\0"s},
        {41, "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=a\r\n", "s", nullptr, "", 16, 14, "name1\0name2\0na\0\0"s},
        {42, s3, nullptr, nullptr, "", 29, 27, "section1\0section2\0section3\0\0"s},
        {43, s3, nullptr, nullptr, "", 28, 26, "section1\0section2\0section3\0\0"s},
        {44, s3, nullptr, nullptr, "", 27, 25, "section1\0section2\0section\0\0"s},

        // Our choices and the edges around the rows above (ids from 100).
        {100, "[S]\r\nk\r\nk=v\r\n", "S", "k", "d", 64, 1, "v\0"s},  // a bare line is no key, so a later entry of that name is found
        {101, "[S]\r\na=1\r\n[T]\r\n[s]\r\nk=v\r\n", "S", "k", "d", 64, 1, "d\0"s},  // keys of a later copy of a section stay invisible
        {102, "[\xDF]\r\nk=v\r\n", "\xFF", "k", "d", 64, 1, "d\0"s},  // letters fold only through the cp1252 table: 0xDF has no partner
        {103, "[\x8A]\r\nk=v\r\n", "\x9A", "k", "d", 64, 1, "v\0"s},
        {104, "[\xD7]\r\nk=v\r\n", "\xF7", "k", "d", 64, 1, "d\0"s},
        {119, "[\xC0\xDE]\r\n\xE0\xFE=v\r\n", "\xE0\xFE", "\xC0\xDE", "d", 64, 1, "v\0"s},
        {120, "[S]\r\nk=\x1Av\x0C\r\n", "S", "k", "d", 64, 1, "v\0"s},  // ^Z and FF are blanks too
        {105, "[S]\r\nk=a\xFC\0b\r\n"s, "S", "k", "d", 64, 4, "a\xFC\0b\0"s},  // NUL and high bytes in a value come back as they are
        {106, "[S]\r\nk=abc\r\n", "S", "k", "d", 4, 3, "abc\0"s},  // a value of exactly n-1 bytes fills the buffer like a cut one
        {107, "[]\r\n[A]\r\n", nullptr, nullptr, "x", 64, 2, "A\0\0"s},  // lists: empty names are left out, missing things give "\0\0"
        {108, "[S]\r\n=v\r\nk=1\r\n", "S", nullptr, "", 64, 2, "k\0\0"s},
        {109, std::nullopt, nullptr, nullptr, "x", 64, 0, "\0\0"s},
        {110, "[A]\r\n", nullptr, nullptr, "", 1, 0, "\0"s},
        {111, "[A]\r\n", nullptr, nullptr, "", 2, 0, "\0\0"s},
        {112, "[A]\r\n", nullptr, nullptr, "", 0, 0, ""},
        {113, "[A]\r\n", nullptr, nullptr, "", 3, 1, "A\0\0"s},
        {114, "[A]\r\n", nullptr, nullptr, "", 4, 2, "A\0\0"s},
        {115, "[S]\r\n;c\r\nbare\r\n", "S", nullptr, "none", 64, 4, "none\0"s},  // key list of a missing or key-less section: the default, as a single string
        {116, std::nullopt, "S", nullptr, "none", 3, 2, "no\0"s},
        {117, "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0"s, "S", "k", "d", 64, 1, "d\0"s},  // UTF-16 files are not read: the default
        {118, "\xFE\xFF\r\n[S]\r\nk=v\r\n", "S", "k", "d", 64, 1, "v\0"s},  // a big-endian mark is only bytes: the first line is no header, later ones work
    };
    // clang-format on
    for (const StringCase& c : cases) {
        SCOPED_TRACE("case " + std::to_string(c.id));
        useFile(c.file);
        expectBuffer(c.n, c.ret, c.bytes, [&](char* buffer, unsigned long n) {
            return GetPrivateProfileString(c.app, c.key, c.def, buffer, n, kFile);
        });
    }
}

struct SectionCase {
    int id;
    std::optional<std::string> file;
    const char* app;
    unsigned long n;
    unsigned long ret;
    std::string bytes;
};

TEST_F(ProfileRead, GetSectionDumpsEntriesAndBareLines)
{
    const std::string f45 = "[S]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n";
    const std::vector<SectionCase> cases = {
        {45, f45, "S", 100, 35, "name1=val1\0name2=\0name3\0name4=val4\0\0"s},
        {46, f45, "S", 24, 22, "name1=val1\0name2=\0name\0\0"s},
        {47, "[S]\r\nk = \"v\" \r\n;c\r\n", "S", 100, 6, "k=\"v\"\0\0"s},
        {48, "[S]\r\n[T]\r\n", "S", 100, 0, "\0\0"s},
        // First copy of a duplicated section only; "=v" is listed as it stands.
        {100, "[S]\r\na=1\r\n\r\n=v\r\n[S]\r\nb=2\r\n", "s", 100, 7, "a=1\0=v\0\0"s},
        {101, std::nullopt, "S", 100, 0, "\0\0"s},
        {102, f45, "S", 0, 0, ""},
        {103, f45, "S", 1, 0, "\0"s},
        {104, f45, "S", 36, 34, "name1=val1\0name2=\0name3\0name4=val4\0\0"s},
        {105, f45, "S", 37, 35, "name1=val1\0name2=\0name3\0name4=val4\0\0"s},
        {106, f45, nullptr, 100, 0, ""},
        {107, "[S]\r\na=1\r\nb\r\n\0"s, "S", 100, 6, "a=1\0b\0\0"s},  // a line of NULs is no entry
    };
    for (const SectionCase& c : cases) {
        SCOPED_TRACE("case " + std::to_string(c.id));
        useFile(c.file);
        expectBuffer(c.n, c.ret, c.bytes,
                     [&](char* buffer, unsigned long n) { return GetPrivateProfileSection(c.app, buffer, n, kFile); });
    }
}

TEST_F(ProfileRead, GetIntReadsTheLeadingNumberModulo2To32)
{
    struct IntCase {
        int id;
        std::optional<std::string> value;  // nullopt: key missing
        int def;
        unsigned int expected;
    };
    const std::vector<IntCase> cases = {
        {49, "12abc", 5, 12u},
        {50, "-1", 1, 4294967295u},
        {51, "4294967297", -1, 1u},
        {52, "-4294967297", 1, 4294967295u},
        {53, "B4294967297", 1, 0u},
        {54, std::nullopt, -5, 4294967291u},
        {55, "", 7, 7u},
        {56, "0x10", 0, 16u},
        {57, "0X10", 0, 0u},
        {58, "010", 0, 10u},
        {59, "\"42\"", 0, 42u},
        {60, "-0x10", 0, 4294967280u},
        {61, "\"  7\"", 0, 7u},
        {62, "\"\t7\"", 0, 7u},  // blanks inside the quotes: every control byte
        {100, "+1", 9, 1u},
        {101, "4294967296", 9, 0u},
        {102, "1 000", 9, 1u},
        {103, "--5", 9, 0u},
        {104, "0o17", 9, 15u},
        {105, "0b1012", 9, 5u},
        {106, "0xfFz", 9, 255u},
        {107, "\"\"", 9, 9u},
        {108, "0x", 9, 0u},
    };
    for (const IntCase& c : cases) {
        useFile("[S]\r\nk=" + c.value.value_or("1") + "\r\n");
        EXPECT_EQ(GetPrivateProfileInt("S", c.value ? "k" : "x", c.def, kFile), c.expected) << "case " << c.id;
    }
    useFile("[S]\r\nk=-9\r\n");
    EXPECT_EQ(ProfileInt(kFile, "S", "k", 0), -9);
    EXPECT_EQ(ProfileInt(kFile, "S", "missing", -9), -9);
}

TEST_F(ProfileRead, ConvenienceFormsMatchTheBufferCalls)
{
    useFile("[Config]\r\nPath=\\db1\\\r\nName=abcdefgh\r\nk2=1\r\n[ Other ]\r\n[]\r\n");
    EXPECT_EQ(ProfileString(kFile, "config", "path") + "|" + ProfileString(kFile, "Config", "Name", "", 5) + "|" +
                  ProfileString(kFile, "Config", "Name", "", 0) + "|" +
                  ProfileString(kFile, "Config", "none", "dflt  "),
              "\\db1\\|abcd||dflt");
    // A NUL inside a name argument simply matches nothing.
    EXPECT_EQ(ProfileString(kFile, "Con\0fig"s, "Path", "d"), "d");
    EXPECT_EQ(ProfileKeyNames(kFile, "CONFIG"), (std::vector<std::string>{"Path", "Name", "k2"}));
    EXPECT_TRUE(ProfileKeyNames(kFile, "nosuch").empty());
    EXPECT_EQ(ProfileSectionNames(kFile), (std::vector<std::string>{"Config", "Other"}));
}

TEST_F(ProfileRead, SectionValuesReadLikeTheSingleKeyCall)
{
    // One read of a section must give every key exactly what its own call gives.
    const std::vector<std::optional<std::string>> files = {
        "[Messages]\r\n10=a\r\n10=dup\r\nK=upper\r\n \t11 \t= \" q \" \r\n12='x'\r\n13=\"\r\n14=\"\"\r\n15=" +
            std::string(300, 'L') + "\r\n16=\"" + std::string(127, 'q') +
            "\"\r\n\xE9=low\r\n=empty\r\nbare\r\n;17=c\r\n"
            "[Other]\r\n18=o\r\n[messages]\r\n19=later\r\n",
        "[MESSAGES]\n10=lf\n\rk=cr\r\n20=\"a\"b\"\n21=v\0w\n"s,
        "\xEF\xBB\xBF[Messages]\r\n10=hidden\r\n[x]\r\n[Messages]\r\n11=second\r\n",
        "10=outside\r\n",
        std::nullopt,
    };
    const std::vector<std::string> keys = {"10",   " 10 ", "k", "K",    "11",  "\t11", "12", "13", "14", "15", "16",
                                           "\xC9", "\xE9", "",  "bare", ";17", "18",   "19", "20", "21", "99"};
    for (std::size_t f = 0; f < files.size(); ++f) {
        useFile(files[f]);
        for (std::size_t size : {0, 1, 4, 128}) {
            const ProfileValues values = ProfileSectionValues(kFile, " messages ", size);
            for (const std::string& key : keys)
                EXPECT_EQ(Escaped(std::string(values.value(key))),
                          Escaped(ProfileString(kFile, " messages ", key, "", size)))
                    << "file " << f << " size " << size << " key " << Escaped(key);
        }
    }
}

TEST_F(ProfileRead, FallbacksSayWhy)
{
    // Every case gives the default and leaves a reason; a good read leaves none.
    struct FallbackCase {
        const char* what;
        std::function<void()> prepare;
        const char* file;
        const char* reasonPart;
    };
    const std::vector<FallbackCase> cases = {
        {"missing file", [&] { useFile(std::nullopt); }, kFile, "not found"},
        {"missing section", [&] { useFile("[T]\r\nk=v\r\n"); }, kFile, "section [S] not found"},
        {"missing key", [&] { useFile("[S]\r\nj=v\r\n"); }, kFile, "key \"k\" not found"},
        {"missing directory", [] {}, "\\nosuch\\dir\\a.ini", "does not exist"},
        {"directory as file", [&] { std::filesystem::create_directory(site.win("dir.ini")); }, "dir.ini",
         "is a directory"},
        {"the Windows directory itself", [] {}, ".", "is a directory"},
        {"empty file name", [] {}, "", "no file name"},
        {"UTF-16 file", [&] { useFile("\xFF\xFE[\0S\0]\0"s); }, kFile, "UTF-16"},
        {"UTF-8 mark hides the first header", [&] { useFile("\xEF\xBB\xBF[S]\r\nk=v\r\n"); }, kFile, "byte-order mark"},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        char buffer[16];
        EXPECT_EQ(GetPrivateProfileString("S", "k", "dd", buffer, sizeof buffer, c.file), 2u);
        EXPECT_STREQ(buffer, "dd");
        EXPECT_NE(ProfileLastError().find(c.reasonPart), std::string::npos) << ProfileLastError();
        EXPECT_EQ(GetPrivateProfileInt("S", "k", -3, c.file), static_cast<unsigned int>(-3));
        EXPECT_FALSE(ProfileLastError().empty());
    }
    useFile("[S]\r\nk=v\r\n");
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileString("S", "k", "dd", buffer, sizeof buffer, kFile), 1u);
    EXPECT_TRUE(ProfileLastError().empty()) << ProfileLastError();
    EXPECT_EQ(GetPrivateProfileString("S", "k", "dd", nullptr, 16, kFile), 0u);
    EXPECT_FALSE(ProfileLastError().empty());
}

TEST_F(ProfileRead, FileNamesResolveLikeWindows)
{
    // A bare name is found in the Windows directory whatever its case, never
    // in the working directory; other names are translated paths.
    WriteBytes(site.win("KXCASE.INI"), "[S]\r\nk=win\r\n");
    std::filesystem::create_directories(site.root() + "/db1");
    WriteBytes(site.root() + "/db1/Other.ini", "[S]\r\nk=db1\r\n");
    WriteBytes(site.win("win.ini"), "[S]\r\nk=winini\r\n");
    EXPECT_EQ(ProfileString("kxcase.ini", "S", "k"), "win");
    EXPECT_EQ(ProfileString("\\DB1\\other.INI", "S", "k"), "db1");
    EXPECT_EQ(ProfileString("C:\\db1\\.\\other.ini", "S", "k"), "db1");
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", buffer, sizeof buffer, nullptr), 6u);
    EXPECT_STREQ(buffer, "winini");
    EXPECT_EQ(ProfileString(std::string(261, 'a'), "S", "k", "d"), "d");
    EXPECT_NE(ProfileLastError().find("260"), std::string::npos);
}

}  // namespace
}  // namespace kx
