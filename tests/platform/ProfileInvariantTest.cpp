// Properties that must hold on any file, checked on a few hundred generated
// ones with mixed line endings, duplicates, NULs and high bytes.

#include "platform/Profile.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
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
    std::string recased(std::string r)
    {
        for (char& ch : r) {
            const auto c = static_cast<unsigned char>(ch);
            const bool letter = std::isalpha(c) || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != 0xDF && c != 0xFF);
            if (letter && chance(50))
                ch = static_cast<char>(c ^ 0x20);
        }
        return r;
    }

    std::string blanks()
    {
        std::string r;
        for (int n = chance(70) ? 0 : 1 + below(3); n > 0; --n)
            r += " \t\x0B\x0C\x1A"[below(5)];
        return r;
    }

    // Any bytes but CR and LF, NUL and high bytes included.
    std::string junk(int maxLength)
    {
        std::string r;
        for (int n = below(maxLength + 1); n > 0; --n)
            if (const char c = static_cast<char>(below(256)); c != '\r' && c != '\n')
                r += c;
        return r;
    }

    // A value that reads back as written: no blanks at its ends, no outer quotes.
    std::string value()
    {
        static const std::string inner = "abcXYZ019 .,-_\xE4\xF6\xFC\xC4\xA6\xFF";
        std::string r(1, "ABCdef123"[below(9)]);
        for (int n = below(10); n > 0; --n)
            r += inner[static_cast<std::size_t>(below(static_cast<int>(inner.size())))];
        return r + "xyz789"[below(6)];
    }

    // Headers (some with junk after them), comments, blank lines, bare lines and entries.
    std::string file()
    {
        std::string text;
        for (int i = 0, lines = below(30); i < lines; ++i) {
            const int kind = below(10);
            const std::string name = recased(kind < 2 ? kSections[below(5)] : kKeys[below(6)]);
            if (kind < 2)
                text += blanks() + "[" + blanks() + name + blanks() + "]" + (chance(20) ? junk(4) : "");
            else if (kind == 2)
                text += blanks() + ";" + junk(12);
            else if (kind == 3)
                text += blanks();
            else if (kind == 4)
                text += blanks() + name + blanks();
            else
                text += blanks() + name + blanks() + "=" + blanks() + (chance(30) ? junk(10) : value()) + blanks();
            if (i + 1 < lines || chance(70))
                text += below(3) == 0 ? "\r\n" : below(2) ? "\n" : "\r";
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

// The bytes of a and of b between their common head and their common tail.
std::pair<std::string, std::string> difference(const std::string& a, const std::string& b)
{
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {a.substr(head, a.size() - head - tail), b.substr(head, b.size() - head - tail)};
}

// Every pool name but [section] key (any key of the section when key is SIZE_MAX) kept its value.
void expectOthersUnchanged(const std::vector<std::string>& before, std::size_t section, std::size_t key)
{
    const std::vector<std::string> after = allValues();
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::size_t s = i / kKeys.size(), k = i % kKeys.size();
        const bool edited = s == section && (key == SIZE_MAX || k == key);
        EXPECT_TRUE(edited || after[i] == before[i])
            << "[" << kSections[s] << "] " << kKeys[k] << ": " << Escaped(before[i]) << " -> " << Escaped(after[i]);
    }
}

TEST(ProfileInvariants, HoldOnGeneratedFiles)
{
    TempSite site;
    const std::string path = site.win(kFile);
    for (unsigned seed = 1; seed <= 300 && !HasFailure(); ++seed) {
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

        // (1) set, then get; (2) only the edited line changed: the bytes taken
        // out hold no line break, so every other line is still there, in order.
        ASSERT_TRUE(WriteProfileString(kFile, section, key, value)) << ProfileLastError();
        EXPECT_EQ(Escaped(ProfileString(kFile, section, key, kDefault)), Escaped(value));
        const std::string written = ReadBytes(path);
        const std::string removed = difference(original, written).first;
        EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos) << "removed " << Escaped(removed);
        expectOthersUnchanged(before, si, ki);

        // (3) the same value again: no byte, no time, no inode changes.
        const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
        struct stat st1, st2;
        ASSERT_EQ(::stat(path.c_str(), &st1), 0);
        ASSERT_TRUE(WriteProfileString(kFile, kSections[si], kKeys[ki], value));
        ASSERT_EQ(::stat(path.c_str(), &st2), 0);
        EXPECT_EQ(ReadBytes(path), written);
        EXPECT_EQ(st2.st_ino, st1.st_ino);
        EXPECT_EQ(st2.st_mtim.tv_sec, 1000000000);

        // (4) delete: whole lines go and nothing comes in; once every copy
        // of the key in the section is gone, the default is back.
        ASSERT_TRUE(DeleteProfileKey(kFile, section, key));
        const std::string added = difference(written, ReadBytes(path)).second;
        EXPECT_TRUE(added.empty()) << "added " << Escaped(added);
        for (int i = 0; i < 40 && ProfileString(kFile, section, key, kDefault) != kDefault; ++i)
            ASSERT_TRUE(DeleteProfileKey(kFile, section, key));
        EXPECT_EQ(ProfileString(kFile, section, key, kDefault), kDefault);
        expectOthersUnchanged(before, si, ki);

        // Deleting a whole section leaves the others alone.
        const std::vector<std::string> beforeSectionDelete = allValues();
        ASSERT_TRUE(DeleteProfileSection(kFile, section));
        expectOthersUnchanged(beforeSectionDelete, si, SIZE_MAX);
    }
}

}  // namespace
}  // namespace kx
