#pragma once
// Private-profile (INI) calls with the Windows semantics the platform's other
// programs rely on: case-insensitive names, first duplicate wins, one pair of
// outer quotes removed, buffer sizes cut exactly like the Windows calls.
//
// A file given by a bare name (no '\' and no '/') lives in the site's Windows
// directory; any other name is a stored Windows path, translated by
// SitePaths. Every call reads the file afresh. A write edits the one line it
// concerns and keeps every other byte (line endings, comments, NULs, high
// bytes); it replaces the file atomically (temporary file + rename in the same
// directory, permissions kept) and is serialised with every other writer of
// this process (mutex per file) and of other processes (flock on a lock file
// ".<name>.lock" beside the INI file), so no two writers lose each other's keys.
//
// Arguments and results are Windows-1252 bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kx {

// GetPrivateProfileString. app == nullptr lists the section names, key ==
// nullptr lists the key names of `app` (both as NUL-separated strings ended by
// an extra NUL). Returns the number of bytes copied, without the final NUL.
unsigned long GetPrivateProfileString(const char* app, const char* key, const char* def, char* buffer,
                                      unsigned long size, const char* file);

// GetPrivateProfileInt: the value's leading number (decimal, or 0x/0o/0b),
// modulo 2^32; `def` when the key is missing or empty.
unsigned int GetPrivateProfileInt(const char* app, const char* key, int def, const char* file);

// GetPrivateProfileSection: "name=value" strings of one section.
unsigned long GetPrivateProfileSection(const char* app, char* buffer, unsigned long size, const char* file);

// WritePrivateProfileString. key == nullptr deletes the section, value ==
// nullptr deletes the key. False when nothing could be written; the file is
// then unchanged. Writing the value a key already has changes nothing.
bool WritePrivateProfileString(const char* app, const char* key, const char* value, const char* file);

// One edit of a batch (our extension): several keys of one file changed in
// one locked read-modify-write. value == nullopt-like: `remove` deletes the
// key; an empty `key` with `remove` deletes the section.
struct ProfileEdit {
    std::string section;
    std::string key;
    std::string value;
    bool remove = false;
};
// Applies the edits in order under one lock and one atomic replacement.
// All or nothing: on failure the file is unchanged.
bool WritePrivateProfileEdits(const std::vector<ProfileEdit>& edits, const char* file);

// Why the last profile call of this thread failed or fell back to the
// default (missing file, unwritable directory, UTF-16 file, bad argument ...).
const std::string& ProfileLastError();

// --- Convenience forms used by the models --------------------------------

// The value as GetPrivateProfileString with a buffer of `size` bytes
// (so at most size - 1 bytes) would give it.
std::string ProfileString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view def = {}, std::size_t size = 256);
// GetPrivateProfileInt cast to int, as the Windows programs use it.
int ProfileInt(std::string_view file, std::string_view section, std::string_view key, int def);
bool WriteProfileString(std::string_view file, std::string_view section, std::string_view key, std::string_view value);
bool WriteProfileInt(std::string_view file, std::string_view section, std::string_view key, long value);
bool DeleteProfileKey(std::string_view file, std::string_view section, std::string_view key);
bool DeleteProfileSection(std::string_view file, std::string_view section);
// Names of the keys of a section, in file order (duplicates repeated).
std::vector<std::string> ProfileKeyNames(std::string_view file, std::string_view section);
// Names of all sections, in file order.
std::vector<std::string> ProfileSectionNames(std::string_view file);

// Every key of one section from a single read of the file, for callers that
// would otherwise read thousands of keys one call at a time.
class ProfileValues {
public:
    // What ProfileString(file, section, key, "", size) gives: names compare
    // case-insensitively without their outer spaces, the first entry of a
    // name wins, one pair of outer quotes is removed, the value is cut to
    // size - 1 bytes; "" for a key that is missing.
    std::string_view value(std::string_view key) const;

private:
    friend ProfileValues ProfileSectionValues(std::string_view, std::string_view, std::size_t);
    static std::string folded(std::string_view name);

    std::unordered_map<std::string, std::string> m_values;  // by folded name
};
// The section's values as read with a buffer of `size` bytes.
ProfileValues ProfileSectionValues(std::string_view file, std::string_view section, std::size_t size = 256);

}  // namespace kx
