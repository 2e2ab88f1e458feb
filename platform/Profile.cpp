#include "platform/Profile.h"

#include "platform/ProfileFileLock.h"
#include "platform/ProfileText.h"
#include "platform/SitePaths.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace kx {

namespace pt = profile_text;
namespace pf = profile_file;

namespace {

// Longest file argument the Windows calls accept.
constexpr std::size_t kMaxFileNameLength = 260;
// How often a write starts over when another program changed the file
// between our read and our rename.
constexpr int kWriteAttempts = 8;
constexpr auto kWriteRetryPause = std::chrono::milliseconds(3);

using OptView = std::optional<std::string_view>;

thread_local std::string t_lastError;

OptView maybe(const char* s)
{
    return s ? OptView(s) : std::nullopt;
}

std::string quoted(std::string_view s)
{
    std::string r = "\"";
    r += s;
    r += '"';
    return r;
}

struct ReadResult {
    bool ok = false;   // the text was read; otherwise t_lastError says why
    std::string path;  // the file, for messages
    pt::Encoding encoding = pt::Encoding::Bytes;
};

// Where a file argument leads. NULL means win.ini, as on Windows.
pf::Status locateProfile(OptView file, pf::Location& location)
{
    const std::string_view name = file ? *file : std::string_view("win.ini");
    if (name.empty()) {
        t_lastError = "no file name given";
        return pf::Status::Failed;
    }
    if (name.size() > kMaxFileNameLength) {
        t_lastError = "file name longer than 260 characters";
        return pf::Status::Failed;
    }
    if (name.find('\0') != std::string_view::npos) {
        t_lastError = "file name contains a NUL byte";
        return pf::Status::Failed;
    }
    std::string error;
    const pf::Status status = pf::Locate(SitePaths::profileFile(name), location, error);
    if (status != pf::Status::Ok)
        t_lastError = std::move(error);
    return status;
}

// Reads the file of a read call into `text` (reused between calls of a thread).
ReadResult readProfile(OptView file, std::string& text)
{
    ReadResult result;
    text.clear();
    pf::Location location;
    if (locateProfile(file, location) != pf::Status::Ok)
        return result;
    result.path = location.path;

    std::shared_lock lock(pf::PathMutex(location.path));
    pf::FileState state;
    std::string error;
    if (pf::ReadFile(location.path, text, state, error) != pf::Status::Ok) {
        t_lastError = std::move(error);
        text.clear();
        return result;
    }
    result.encoding = pt::DetectEncoding(text);
    if (result.encoding == pt::Encoding::Utf16LE) {
        t_lastError = location.path + " is a UTF-16 file (it starts with FF FE); only 8-bit files are read";
        text.clear();
        return result;
    }
    result.ok = true;
    return result;
}

// Why a read fell back to the default, with a hint when a byte-order mark
// the Windows calls do not recognise may be the reason.
void noteFallback(const ReadResult& read, std::string why)
{
    switch (read.encoding) {
    case pt::Encoding::Utf8Bom:
        why += " (the file starts with a UTF-8 byte-order mark, which hides a header on its first line)";
        break;
    case pt::Encoding::Utf16BE:
        why += " (the file starts with FE FF, a UTF-16 big-endian mark; it is read as 8-bit bytes)";
        break;
    default:
        break;
    }
    t_lastError = std::move(why);
}

std::string sectionText(std::string_view app)
{
    return "section [" + std::string(pt::StripSpaces(app)) + "]";
}

void noteSectionMissing(const ReadResult& read, std::string_view app)
{
    noteFallback(read, sectionText(app) + " not found in " + read.path);
}

void noteKeyMissing(const ReadResult& read, std::string_view app, std::string_view key)
{
    noteFallback(read,
                 "key " + quoted(pt::StripSpaces(key)) + " not found in " + sectionText(app) + " of " + read.path);
}

// Single string: min(len, n-1) bytes and a NUL; nothing at all when n is 0.
unsigned long copySingle(std::string_view s, char* buffer, unsigned long size)
{
    if (size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(s.size(), size - 1);
    if (count > 0)
        std::memcpy(buffer, s.data(), count);
    buffer[count] = '\0';
    return static_cast<unsigned long>(count);
}

// Multi-string `list` (each string already followed by a NUL) plus the final
// NUL. When it does not fit with one byte to spare it is cut to n-2 bytes and
// ended by two NULs, and n-2 is returned (an exact fit counts as cut).
unsigned long copyMulti(std::string_view list, char* buffer, unsigned long size)
{
    if (size == 0)
        return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    if (list.empty()) {
        buffer[0] = '\0';
        buffer[1] = '\0';
        return 0;
    }
    if (list.size() <= size - 2) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        return static_cast<unsigned long>(list.size());
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

std::string joinNames(const std::vector<std::string_view>& names)
{
    std::string list;
    for (std::string_view n : names) {
        list += n;
        list += '\0';
    }
    return list;
}

std::string_view defaultOf(OptView def)
{
    return def ? pt::TrimDefault(*def) : std::string_view();
}

unsigned long getString(OptView app, OptView key, OptView def, char* buffer, unsigned long size, OptView file)
{
    t_lastError.clear();
    if (!buffer) {
        t_lastError = "no buffer given";
        return 0;
    }
    thread_local std::string text;
    const ReadResult read = readProfile(file, text);

    if (!app) {
        const std::string list = read.ok ? joinNames(pt::SectionNames(text)) : std::string();
        return copyMulti(list, buffer, size);
    }
    if (!key) {
        bool found = false;
        const std::string list = read.ok ? joinNames(pt::KeyNames(text, *app, found)) : std::string();
        if (!list.empty())
            return copyMulti(list, buffer, size);
        if (read.ok) {
            if (found)
                noteFallback(read, sectionText(*app) + " of " + read.path + " has no keys");
            else
                noteSectionMissing(read, *app);
        }
        return copySingle(defaultOf(def), buffer, size);
    }

    if (read.ok) {
        std::string_view value;
        switch (pt::FindValue(text, *app, *key, value)) {
        case pt::Lookup::Found:
            return copySingle(pt::Unquote(value), buffer, size);
        case pt::Lookup::NoSection:
            noteSectionMissing(read, *app);
            break;
        case pt::Lookup::NoKey:
            noteKeyMissing(read, *app, *key);
            break;
        }
    }
    return copySingle(defaultOf(def), buffer, size);
}

unsigned int getInt(std::string_view app, std::string_view key, int def, OptView file)
{
    t_lastError.clear();
    thread_local std::string text;
    const ReadResult read = readProfile(file, text);
    if (read.ok) {
        std::string_view value;
        switch (pt::FindValue(text, app, key, value)) {
        case pt::Lookup::Found:
            value = pt::Unquote(value);
            if (!value.empty())
                return pt::ParseInt(value);
            t_lastError =
                "key " + quoted(pt::StripSpaces(key)) + " in " + sectionText(app) + " of " + read.path + " is empty";
            break;
        case pt::Lookup::NoSection:
            noteSectionMissing(read, app);
            break;
        case pt::Lookup::NoKey:
            noteKeyMissing(read, app, key);
            break;
        }
    }
    return static_cast<unsigned int>(def);
}

// One edit of a write transaction.
struct Edit {
    enum Kind {
        Set,
        DeleteKey,
        DeleteSection
    } kind;
    std::string_view app;
    std::string_view key;
    std::string_view value;
};

void apply(const Edit& edit, std::string& text)
{
    switch (edit.kind) {
    case Edit::Set:
        pt::SetValue(text, edit.app, edit.key, edit.value);
        break;
    case Edit::DeleteKey:
        pt::DeleteKey(text, edit.app, edit.key);
        break;
    case Edit::DeleteSection:
        pt::DeleteSection(text, edit.app);
        break;
    }
}

// The edits in order; each run of sets in one pass over the text.
void applyAll(const Edit* edits, std::size_t count, std::string& text)
{
    std::vector<pt::SetEdit> sets;
    for (std::size_t i = 0; i < count;) {
        if (edits[i].kind != Edit::Set) {
            apply(edits[i++], text);
            continue;
        }
        sets.clear();
        for (; i < count && edits[i].kind == Edit::Set; ++i)
            sets.push_back({edits[i].app, edits[i].key, edits[i].value});
        if (sets.size() == 1)
            pt::SetValue(text, sets[0].app, sets[0].key, sets[0].value);
        else
            pt::SetValues(text, sets);
    }
}

// The write transaction: check every edit, take both locks, read the file,
// apply the edits in order, and replace the file when its bytes changed.
// On false the file is as it was and t_lastError says why.
bool writeEdits(OptView file, const Edit* edits, std::size_t count)
{
    t_lastError.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const Edit& e = edits[i];
        std::string problem = e.kind == Edit::Set ? pt::CheckSet(e.app, e.key, e.value) : pt::CheckDelete(e.app, e.key);
        if (!problem.empty()) {
            t_lastError = std::move(problem) + "; nothing written";
            return false;
        }
    }
    if (count == 0)
        return true;

    pf::Location location;
    if (locateProfile(file, location) != pf::Status::Ok) {
        t_lastError += "; nothing written";
        return false;
    }

    // Deleting from a file that does not exist has nothing to do; neither
    // the file nor its lock file is created. A directory, a FIFO or a device
    // is never replaced: refused before the lock, so that no lock file is
    // left beside it either.
    struct stat existing;
    if (::stat(location.path.c_str(), &existing) != 0) {
        if (errno == ENOENT && std::all_of(edits, edits + count, [](const Edit& e) { return e.kind != Edit::Set; }))
            return true;
    } else if (!S_ISREG(existing.st_mode)) {
        t_lastError = location.path + " is not a regular file; nothing written";
        return false;
    }

    std::unique_lock lock(pf::PathMutex(location.path));
    pf::CrossProcessLock fileLock;
    std::string error;
    if (!fileLock.acquire(location, error)) {
        t_lastError = std::move(error) + "; nothing written";
        return false;
    }
    pf::RemoveStaleTemporaries(location);

    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        std::string text;
        pf::FileState before;
        if (pf::ReadFile(location.path, text, before, error) == pf::Status::Failed) {
            t_lastError = std::move(error) + "; nothing written";
            return false;
        }
        if (pt::DetectEncoding(text) == pt::Encoding::Utf16LE) {
            t_lastError = location.path +
                          " is a UTF-16 file (it starts with FF FE); only 8-bit files are written; nothing written";
            return false;
        }
        std::string edited = text;
        applyAll(edits, count, edited);
        if (edited == text)
            return true;  // same bytes: no write, the file keeps its time
        if (!pf::MayReplace(location, before, error)) {
            t_lastError = std::move(error) + "; nothing written";
            return false;
        }
        switch (pf::ReplaceFile(location, edited, before, error)) {
        case pf::Replace::Done:
            return true;
        case pf::Replace::Failed:
            t_lastError = std::move(error) + "; nothing written";
            return false;
        case pf::Replace::Changed:
            // Another program wrote the file meanwhile: read it again and
            // apply the edits to what it wrote.
            std::this_thread::sleep_for(kWriteRetryPause);
            break;
        }
    }
    t_lastError =
        location.path + " kept changing while it was being written (another program writes it); nothing written";
    return false;
}

bool writeOne(OptView file, Edit edit)
{
    return writeEdits(file, &edit, 1);
}

}  // namespace

unsigned long GetPrivateProfileString(const char* app, const char* key, const char* def, char* buffer,
                                      unsigned long size, const char* file)
{
    return getString(maybe(app), maybe(key), maybe(def), buffer, size, maybe(file));
}

unsigned int GetPrivateProfileInt(const char* app, const char* key, int def, const char* file)
{
    if (!app || !key) {
        t_lastError = "section and key name are both needed";
        return static_cast<unsigned int>(def);
    }
    return getInt(app, key, def, maybe(file));
}

unsigned long GetPrivateProfileSection(const char* app, char* buffer, unsigned long size, const char* file)
{
    t_lastError.clear();
    if (!app || !buffer) {
        t_lastError = app ? "no buffer given" : "no section name given";
        return 0;
    }
    thread_local std::string text;
    const ReadResult read = readProfile(maybe(file), text);
    std::string list;
    if (read.ok && !pt::AppendSectionLines(text, app, list))
        noteSectionMissing(read, app);
    return copyMulti(list, buffer, size);
}

bool WritePrivateProfileString(const char* app, const char* key, const char* value, const char* file)
{
    if (!app) {
        t_lastError =
            (!key && !value) ? "nothing to write (a flush request)" : "no section name given; nothing written";
        return false;
    }
    if (!key)
        return writeOne(maybe(file), {Edit::DeleteSection, app, {}, {}});
    if (!value)
        return writeOne(maybe(file), {Edit::DeleteKey, app, key, {}});
    return writeOne(maybe(file), {Edit::Set, app, key, value});
}

bool WritePrivateProfileEdits(const std::vector<ProfileEdit>& edits, const char* file)
{
    std::vector<Edit> list;
    list.reserve(edits.size());
    for (const ProfileEdit& e : edits) {
        if (e.remove)
            list.push_back({e.key.empty() ? Edit::DeleteSection : Edit::DeleteKey, e.section, e.key, {}});
        else
            list.push_back({Edit::Set, e.section, e.key, e.value});
    }
    return writeEdits(maybe(file), list.data(), list.size());
}

const std::string& ProfileLastError()
{
    return t_lastError;
}

std::string ProfileString(std::string_view file, std::string_view section, std::string_view key, std::string_view def,
                          std::size_t size)
{
    if (size == 0) {
        t_lastError.clear();
        return {};
    }
    std::string buffer(size, '\0');
    const unsigned long n = getString(section, key, def, buffer.data(), static_cast<unsigned long>(size), file);
    buffer.resize(n);
    return buffer;
}

int ProfileInt(std::string_view file, std::string_view section, std::string_view key, int def)
{
    return static_cast<int>(getInt(section, key, def, file));
}

bool WriteProfileString(std::string_view file, std::string_view section, std::string_view key, std::string_view value)
{
    return writeOne(file, {Edit::Set, section, key, value});
}

bool WriteProfileInt(std::string_view file, std::string_view section, std::string_view key, long value)
{
    const std::string text = std::to_string(value);
    return writeOne(file, {Edit::Set, section, key, text});
}

bool DeleteProfileKey(std::string_view file, std::string_view section, std::string_view key)
{
    return writeOne(file, {Edit::DeleteKey, section, key, {}});
}

bool DeleteProfileSection(std::string_view file, std::string_view section)
{
    return writeOne(file, {Edit::DeleteSection, section, {}, {}});
}

std::vector<std::string> ProfileKeyNames(std::string_view file, std::string_view section)
{
    t_lastError.clear();
    thread_local std::string text;
    const ReadResult read = readProfile(file, text);
    std::vector<std::string> names;
    if (!read.ok)
        return names;
    bool found = false;
    for (std::string_view n : pt::KeyNames(text, section, found))
        names.emplace_back(n);
    if (!found)
        noteSectionMissing(read, section);
    return names;
}

std::vector<std::string> ProfileSectionNames(std::string_view file)
{
    t_lastError.clear();
    thread_local std::string text;
    const ReadResult read = readProfile(file, text);
    std::vector<std::string> names;
    if (!read.ok)
        return names;
    for (std::string_view n : pt::SectionNames(text))
        names.emplace_back(n);
    return names;
}

std::string ProfileValues::folded(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(FoldCp1252(static_cast<unsigned char>(c)));
    return key;
}

std::string_view ProfileValues::value(std::string_view key) const
{
    const auto it = m_values.find(folded(pt::StripSpaces(key)));
    return it == m_values.end() ? std::string_view() : std::string_view(it->second);
}

ProfileValues ProfileSectionValues(std::string_view file, std::string_view section, std::size_t size)
{
    t_lastError.clear();
    ProfileValues values;
    thread_local std::string text;
    const ReadResult read = readProfile(file, text);
    if (!read.ok || size == 0)
        return values;
    bool found = false;
    const std::vector<pt::Entry> entries = pt::SectionEntries(text, section, found);
    if (!found)
        noteSectionMissing(read, section);
    values.m_values.reserve(entries.size());
    for (const pt::Entry& e : entries) {
        // The first entry of a name wins, as in a single lookup.
        const std::string_view value = pt::Unquote(e.value).substr(0, size - 1);
        values.m_values.try_emplace(ProfileValues::folded(e.name), value);
    }
    return values;
}

}  // namespace kx
