#include "platform/SitePaths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace kx {

namespace {

std::mutex g_mutex;
std::string g_root = "/";
std::string g_windowsDirectory;  // empty: <root>/windows

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string joinPath(const std::string& dir, std::string_view name)
{
    std::string result = dir;
    if (result.empty() || result.back() != '/')
        result += '/';
    result += name;
    return result;
}

bool startsWithDirectory(std::string_view path, std::string_view dir)
{
    if (dir.empty() || dir == "/")
        return false;
    if (path.size() < dir.size() || path.substr(0, dir.size()) != dir)
        return false;
    // "dir./x" names the same directory: Windows ignores a component's trailing dots.
    std::size_t i = dir.size();
    while (i < path.size() && path[i] == '.')
        ++i;
    return i == path.size() || path[i] == '/';
}

// Windows ignores trailing dots and blanks of a path component ("db1." is "db1").
std::string_view windowsComponent(std::string_view c)
{
    if (c == "." || c == "..")
        return c;
    while (!c.empty() && (c.back() == '.' || c.back() == ' '))
        c.remove_suffix(1);
    return c;
}

// The entry of `dir` that matches `name`: exactly if it exists, else the first
// case-insensitive match, else `name` as written (a file still to be created).
std::string resolveComponent(const std::string& dir, std::string_view name, bool& dirExists)
{
    std::string exact = joinPath(dir, name);
    if (!dirExists)
        return exact;
    struct stat st;
    if (::lstat(exact.c_str(), &st) == 0)
        return exact;
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        dirExists = false;
        return exact;
    }
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (EqualsNoCase(e->d_name, name)) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    if (found.empty()) {
        dirExists = false;  // nothing below a missing entry can exist
        return exact;
    }
    return joinPath(dir, found);
}

}  // namespace

unsigned char FoldCp1252(unsigned char c)
{
    if (c >= 0x61 && c <= 0x7A)
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCp1252(static_cast<unsigned char>(a[i])) != FoldCp1252(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void SitePaths::configure(std::string root, std::string windowsDirectory)
{
    std::lock_guard lock(g_mutex);
    g_root = root.empty() ? std::string("/") : withoutTrailingSlash(std::move(root));
    g_windowsDirectory = windowsDirectory.empty() ? std::string() : withoutTrailingSlash(std::move(windowsDirectory));
}

void SitePaths::configureFromEnvironment()
{
    const char* root = std::getenv("KX_ROOT");
    const char* windir = std::getenv("KX_WINDIR");
    std::lock_guard lock(g_mutex);
    if (root && *root)
        g_root = withoutTrailingSlash(root);
    if (windir && *windir)
        g_windowsDirectory = withoutTrailingSlash(windir);
}

std::string SitePaths::root()
{
    std::lock_guard lock(g_mutex);
    return g_root;
}

std::string SitePaths::windowsDirectory()
{
    std::lock_guard lock(g_mutex);
    return g_windowsDirectory.empty() ? joinPath(g_root, "windows") : g_windowsDirectory;
}

std::string SitePaths::systemDirectory()
{
    return joinPath(windowsDirectory(), "system32");
}

std::string SitePaths::workingDirectory()
{
    std::vector<char> buf(4096);
    while (!::getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE)
            return ".";
        buf.resize(buf.size() * 2);
    }
    return buf.data();
}

std::string SitePaths::translate(std::string_view windowsPath)
{
    if (windowsPath.empty())
        return {};
    std::string slashed(windowsPath);
    for (char& c : slashed)
        if (c == '\\')
            c = '/';

    const std::string rootDir = root();
    const std::string winDir = windowsDirectory();

    std::string base;
    std::string_view rest = slashed;
    if (startsWithDirectory(slashed, rootDir) || startsWithDirectory(slashed, winDir)) {
        base = "/";  // already native
    } else {
        if (rest.size() >= 2 && rest[1] == ':' &&
            ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z')))
            rest.remove_prefix(2);  // one drive: the letter carries no meaning here
        if (!rest.empty() && rest[0] == '/')
            base = rootDir;
        else
            base = workingDirectory();
    }

    // Collect the components, applying "." and "..".
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= rest.size()) {
        std::size_t next = rest.find('/', pos);
        if (next == std::string_view::npos)
            next = rest.size();
        std::string_view c = windowsComponent(rest.substr(pos, next - pos));
        if (c.empty() || c == ".") {
            // nothing
        } else if (c == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else {
            parts.push_back(c);
        }
        pos = next + 1;
    }

    std::string path = base;
    bool dirExists = true;
    for (std::string_view c : parts)
        path = resolveComponent(path, c, dirExists);
    return path;
}

std::string SitePaths::profileFile(std::string_view file)
{
    if (file.find('\\') == std::string_view::npos && file.find('/') == std::string_view::npos) {
        bool dirExists = true;
        return resolveComponent(windowsDirectory(), file, dirExists);
    }
    return translate(file);
}

std::string FindEntryNoCase(const std::string& directory, std::string_view name)
{
    bool dirExists = true;
    std::string path = resolveComponent(directory, name, dirExists);
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? path : std::string();
}

bool SitePaths::exists(std::string_view windowsPath)
{
    std::string path = translate(windowsPath);
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace kx
