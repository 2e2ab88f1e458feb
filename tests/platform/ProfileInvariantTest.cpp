// Properties that must hold on any file, checked on a few hundred generated
// ones: mixed line endings, comments, blank and bare lines, duplicate
// sections and keys, NULs and high bytes. For each file: a set reads back;
// every byte outside the edited line stays where it was; no other name
// changes its value; the same value again changes no byte and no time; a
// delete brings back the default.

#include "platform/Profile.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <random>
#include <string>
#include <vector>

namespace kx {
namespace {

using namespace test;

constexpr char kFile[] = "kxgen.ini";
constexpr char kDefault[] = "\x01missing";

const std::vector<std::string> kSections = {"Config", "kxadist", "\xC9t\xE9", "S", "a b"};
const std::vector<std::string> kKeys = {"Path", "FirstAlarmKey", "k", "\xE9t\xE9", "x y", "n1"};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }

    // The name with its letters' case changed at random (cp1252 letters too).
    std::string recased(const std::string& name)
    {
        std::string r = name;
        for (char& ch : r) {
            const auto c = static_cast<unsigned char>(ch);
            if (!chance(50))
                continue;
            if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
                ch = static_cast<char>(c - 0x20);
            else if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
                ch = static_cast<char>(c + 0x20);
        }
        return r;
    }

    std::string blanks()
    {
        static const char set[] = {' ', '\t', '\x0B', '\x0C', '\x1A'};
        std::string r;
        for (int n = chance(70) ? 0 : 1 + below(3); n > 0; --n)
            r += set[below(5)];
        return r;
    }

    // Any bytes but CR and LF, NUL and high bytes included.
    std::string junk(int maxLength)
    {
        std::string r;
        for (int n = below(maxLength + 1); n > 0; --n) {
            char c;
            do
                c = static_cast<char>(below(256));
            while (c == '\r' || c == '\n');
            r += c;
        }
        return r;
    }

    // A value that reads back as written: no blanks at its ends, no outer quotes.
    std::string value()
    {
        static const std::string inner = "abcXYZ019 .,-_\xE4\xF6\xFC\xC4\xA6\xFF";
        std::string r(1, "ABCdef123"[below(9)]);
        for (int n = below(10); n > 0; --n)
            r += inner[static_cast<std::size_t>(below(static_cast<int>(inner.size())))];
        r += "xyz789"[below(6)];
        return r;
    }

    std::string terminator() { return below(3) == 0 ? "\r\n" : below(2) ? "\n" : "\r"; }

    std::string file()
    {
        std::string text;
        const int lines = below(30);
        for (int i = 0; i < lines; ++i) {
            std::string line;
            switch (below(10)) {
            case 0:
            case 1:
                line = blanks() + "[" + blanks() + recased(kSections[below(5)]) + blanks() + "]" +
                       (chance(20) ? junk(4) : "");
                break;
            case 2:
                line = blanks() + ";" + junk(12);
                break;
            case 3:
                line = blanks();
                break;
            case 4:
                line = blanks() + recased(kKeys[below(6)]) + blanks();  // bare line
                break;
            default:
                line = blanks() + recased(kKeys[below(6)]) + blanks() + "=" + blanks() +
                       (chance(30) ? junk(10) : value()) + blanks();
                break;
            }
            text += line;
            if (i + 1 < lines || chance(70))
                text += terminator();
        }
        return text;
    }

private:
    std::mt19937 rng_;
};

// The value of every pool name, as the reading call gives it.
std::vector<std::string> allValues()
{
    std::vector<std::string> values;
    for (const std::string& s : kSections)
        for (const std::string& k : kKeys)
            values.push_back(ProfileString(kFile, s, k, kDefault, 256));
    return values;
}

// Bytes that differ between two texts once their common head and tail are
// set aside: [head, size - tail) of each.
struct Difference {
    std::string before;
    std::string after;
};
Difference difference(const std::string& a, const std::string& b)
{
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {a.substr(head, a.size() - head - tail), b.substr(head, b.size() - head - tail)};
}

bool hasLineBreak(const std::string& s)
{
    return s.find_first_of("\r\n") != std::string::npos;
}

void expectOthersUnchanged(const std::vector<std::string>& before, const std::vector<std::string>& after,
                           std::size_t sectionIndex, std::size_t keyIndex /* SIZE_MAX: whole section */)
{
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (s == sectionIndex && (keyIndex == SIZE_MAX || k == keyIndex))
                continue;
            const std::size_t i = s * kKeys.size() + k;
            EXPECT_EQ(Escaped(after[i]), Escaped(before[i])) << "[" << kSections[s] << "] " << kKeys[k];
        }
    }
}

TEST(ProfileInvariants, HoldOnGeneratedFiles)
{
    TempSite site;
    const std::string path = site.win(kFile);
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Generator gen(seed);
        const std::string original = gen.file();
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + Escaped(original));
        WriteBytes(path, original);

        const std::size_t si = static_cast<std::size_t>(gen.below(static_cast<int>(kSections.size())));
        const std::size_t ki = static_cast<std::size_t>(gen.below(static_cast<int>(kKeys.size())));
        const std::string section = gen.recased(kSections[si]);
        const std::string key = gen.recased(kKeys[ki]);
        const std::string value = gen.value();
        const std::vector<std::string> before = allValues();

        // (1) set, then get.
        ASSERT_TRUE(WriteProfileString(kFile, section, key, value)) << ProfileLastError();
        EXPECT_EQ(Escaped(ProfileString(kFile, section, key, kDefault)), Escaped(value));

        // (2) only the edited line changed: the bytes taken out hold no line
        // break, so every other line is still there, byte for byte, in order.
        const std::string written = ReadBytes(path);
        const Difference diff = difference(original, written);
        EXPECT_FALSE(hasLineBreak(diff.before)) << "removed " << Escaped(diff.before);
        expectOthersUnchanged(before, allValues(), si, ki);

        // (3) the same value again: no byte, no time, no inode changes.
        const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
        struct stat st1;
        ASSERT_EQ(::stat(path.c_str(), &st1), 0);
        ASSERT_TRUE(WriteProfileString(kFile, kSections[si], kKeys[ki], value));
        struct stat st2;
        ASSERT_EQ(::stat(path.c_str(), &st2), 0);
        EXPECT_EQ(ReadBytes(path), written);
        EXPECT_EQ(st2.st_ino, st1.st_ino);
        EXPECT_EQ(st2.st_mtim.tv_sec, 1000000000);

        // (4) delete: whole lines go and nothing comes in; once every copy
        // of the key in the section is gone, the default is back.
        ASSERT_TRUE(DeleteProfileKey(kFile, section, key));
        const Difference removed = difference(written, ReadBytes(path));
        EXPECT_TRUE(removed.after.empty()) << "added " << Escaped(removed.after);
        for (int i = 0; i < 40 && ProfileString(kFile, section, key, kDefault) != kDefault; ++i)
            ASSERT_TRUE(DeleteProfileKey(kFile, section, key));
        EXPECT_EQ(ProfileString(kFile, section, key, kDefault), kDefault);
        expectOthersUnchanged(before, allValues(), si, ki);

        // Deleting a whole section leaves the others alone.
        const std::vector<std::string> beforeSectionDelete = allValues();
        ASSERT_TRUE(DeleteProfileSection(kFile, section));
        expectOthersUnchanged(beforeSectionDelete, allValues(), si, SIZE_MAX);
        if (HasFailure())
            return;  // one file's story is enough
    }
}

}  // namespace
}  // namespace kx
