// Fuzz target "ini": an INI file of arbitrary bytes is read through every
// private-profile call with buffers of several sizes, then edited: a key set
// to a value taken from the file, a new key added, the key and then its
// section deleted. Reads stay inside their buffers, end them with their NULs
// and change nothing; a set value reads back as every value reads (blanks
// and one pair of quotes removed); an edit leaves every other key's value as
// it was; a refused edit leaves the file as it was.
//
// The input is the whole file, so the corpus holds real INI files. The names
// edited are the file's own: its first section and that section's first key.

#include "fuzz/FuzzTarget.h"
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "platform/SitePaths.h"

#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr const char* kFile = "fuzz.ini";
constexpr std::size_t kNames = 4;  // sections, and keys per section, looked at
std::size_t g_large = 0;           // a buffer size no value of the input fills

std::string path()
{
    static const std::string p = [] {
        const std::string root = kx::fuzz::ScratchDirectory();
        std::filesystem::create_directories(root + "/windows");
        kx::SitePaths::configure(root, {});
        return kx::SitePaths::profileFile(kFile);
    }();
    return p;
}

// Every call that fills a buffer, with a buffer of exactly `size` bytes so
// that the address sanitizer sees a byte written past it.
void readWithBuffer(const char* section, const char* key, unsigned long size)
{
    std::vector<char> buffer(size);
    char* b = buffer.data();
    const unsigned long n = kx::GetPrivateProfileString(section, key, "default", b, size, kFile);
    if (size > 0)
        KX_FUZZ_CHECK(n < size && b[n] == '\0', "a result is not ended inside its buffer");
    if (!section && size > 1)  // the section list: whole names, or cut and ended by two NULs
        KX_FUZZ_CHECK(n + 1 < size && (n == 0 ? b[1] == '\0' : b[n - 1] == '\0' || b[n + 1] == '\0'),
                      "the section list is not ended by two NULs inside its buffer");
    if (section && !key) {
        const unsigned long m = kx::GetPrivateProfileSection(section, b, size, kFile);
        KX_FUZZ_CHECK(size == 0 || m < size, "a section dump fills its buffer");
    }
}

void readEverything()
{
    for (unsigned long size : {0ul, 1ul, 2ul, 3ul, 9ul, 4096ul})
        readWithBuffer(nullptr, nullptr, size);
    const std::vector<std::string> sections = kx::ProfileSectionNames(kFile);
    for (std::size_t s = 0; s < sections.size() && s < kNames; ++s) {
        const std::vector<std::string> keys = kx::ProfileKeyNames(kFile, sections[s]);
        for (unsigned long size : {1ul, 2ul, 9ul, 4096ul})
            readWithBuffer(sections[s].c_str(), nullptr, size);
        for (std::size_t k = 0; k < keys.size() && k < kNames; ++k) {
            for (unsigned long size : {1ul, 3ul, 256ul})
                readWithBuffer(sections[s].c_str(), keys[k].c_str(), size);
            kx::GetPrivateProfileInt(sections[s].c_str(), keys[k].c_str(), -1, kFile);
        }
    }
}

using Values = std::vector<std::tuple<std::string, std::string, std::string>>;  // section, key, value

Values values()
{
    Values all;
    const std::vector<std::string> sections = kx::ProfileSectionNames(kFile);
    for (std::size_t s = 0; s < sections.size() && s < kNames; ++s) {
        const std::vector<std::string> keys = kx::ProfileKeyNames(kFile, sections[s]);
        for (std::size_t k = 0; k < keys.size() && k < kNames; ++k)
            all.emplace_back(sections[s], keys[k], kx::ProfileString(kFile, sections[s], keys[k], "", g_large));
    }
    return all;
}

// Runs one edit; every value it may not touch (`touches` false) must read as
// before, and a refused edit must leave the file's bytes as they were.
bool edit(const std::function<bool()>& write,
          const std::function<bool(const std::string&, const std::string&)>& touches)
{
    const std::string before = kx::fuzz::ReadFile(path());
    const Values old = values();
    const bool written = write();
    if (!written) {
        KX_FUZZ_CHECK(!kx::ProfileLastError().empty(), "a refused write without a reason");
        KX_FUZZ_CHECK(kx::fuzz::ReadFile(path()) == before, "a refused write changed the file");
        return false;
    }
    for (const auto& [section, key, value] : old)
        if (!touches(section, key))
            KX_FUZZ_CHECK(kx::ProfileString(kFile, section, key, "", g_large) == value, "an edit changed another key");
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace pt = kx::profile_text;
    using kx::EqualsNoCase;
    const std::string bytes = kx::fuzz::AsText(data, size);
    kx::fuzz::WriteFile(path(), bytes);
    g_large = size + 2;  // the edits below add a quote to a value

    readEverything();
    KX_FUZZ_CHECK(kx::fuzz::ReadFile(path()) == bytes, "reading changed the file");

    const std::vector<std::string> sections = kx::ProfileSectionNames(kFile);
    const std::string section = sections.empty() ? "fuzz" : sections.front();
    const std::vector<std::string> keys = kx::ProfileKeyNames(kFile, section);
    const std::string key = keys.empty() ? "key" : keys.front();
    const std::string value = kx::ProfileString(kFile, section, key, "", g_large) + "'";
    const std::string readBack(pt::Unquote(pt::StripBlanks(value)));

    for (const std::string& name : {key, std::string("kxfuzz")}) {
        const auto isIt = [&](const std::string& s, const std::string& k) {
            return EqualsNoCase(pt::StripSpaces(s), pt::StripSpaces(section)) &&
                   EqualsNoCase(pt::StripSpaces(k), pt::StripSpaces(name));
        };
        if (edit([&] { return kx::WriteProfileString(kFile, section, name, value); }, isIt))
            KX_FUZZ_CHECK(kx::ProfileString(kFile, section, name, "<none>", g_large) == readBack,
                          "a set value does not read back");
        edit([&] { return kx::DeleteProfileKey(kFile, section, name); }, isIt);
    }
    edit([&] { return kx::DeleteProfileSection(kFile, section); },
         [&](const std::string& s, const std::string&) {
             return EqualsNoCase(pt::StripSpaces(s), pt::StripSpaces(section));
         });
    return 0;
}
