#pragma once
// Where the site's files are, and how a stored Windows path names a file here.
//
// The platform's programs store Windows paths ("\db1\vm001.dbf",
// "D:\DATA\.\vm001.dbf", "log\kxadeact.log"). On this system one directory
// stands for the root of the drive, another for the Windows directory, and
// the process's current directory is the working directory. A path is
// translated by dropping the drive letter, splitting at '\' and '/', anchoring
// a leading separator at the drive root (everything else at the working
// directory), dropping "." components and the trailing dots Windows ignores,
// and matching each existing component case-insensitively (an exact match
// wins), because other programs may have written "VM001.DBF".

#include <string>
#include <string_view>

namespace kx {

class SitePaths {
public:
    // Root of the drive and the Windows directory (empty: <root>/windows).
    static void configure(std::string root, std::string windowsDirectory = {});
    // KX_ROOT and KX_WINDIR, where set; keeps the current values otherwise.
    static void configureFromEnvironment();

    static std::string root();
    static std::string windowsDirectory();
    static std::string systemDirectory();   // <windows directory>/system32
    static std::string workingDirectory();  // the process's current directory

    // The native path that a stored Windows path names. A path that already
    // names a place under the root or the Windows directory in native form
    // (as the directory getters above return them) is taken as it stands.
    static std::string translate(std::string_view windowsPath);

    // Where a private-profile file lives: a bare name in the Windows
    // directory, anything else translated.
    static std::string profileFile(std::string_view file);

    // Existence test of a file or directory by stored path (_access).
    static bool exists(std::string_view windowsPath);
};

// The entry of a native directory that matches `name`: exactly when it
// exists, else the first case-insensitive match; empty when there is none.
std::string FindEntryNoCase(const std::string& directory, std::string_view name);

// Case folding of Windows-1252 letters, as the Windows calls compare names.
unsigned char FoldCp1252(unsigned char c);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace kx
