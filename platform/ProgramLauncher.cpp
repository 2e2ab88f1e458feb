#include "platform/ProgramLauncher.h"

#include "platform/SitePaths.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

extern char** environ;

namespace kx {

namespace {

std::mutex g_directoryMutex;
std::string g_programDirectory;

bool isExecutableFile(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The name as given, then without a Windows program extension.
std::vector<std::string> candidateNames(std::string_view name)
{
    std::vector<std::string> names{std::string(name)};
    const std::string low = lowered(name);
    for (const char* ext : {".exe", ".com", ".bat"}) {
        const std::size_t n = std::strlen(ext);
        if (low.size() > n && low.compare(low.size() - n, n, ext) == 0)
            names.emplace_back(name.substr(0, name.size() - n));
    }
    return names;
}

std::string findInDirectory(const std::string& directory, std::string_view name)
{
    for (const std::string& candidate : candidateNames(name)) {
        std::string path = FindEntryNoCase(directory, candidate);
        if (isExecutableFile(path))
            return path;
    }
    return {};
}

bool isEditorName(std::string_view name)
{
    const std::string low = lowered(name);
    return low == "notepad" || low == "notepad.exe" || low == "np" || low == "np.exe";
}

std::vector<std::string> editorCommand()
{
    for (const char* var : {"KX_EDITOR", "VISUAL"}) {
        const char* value = std::getenv(var);
        if (value && *value) {
            std::vector<std::string> words;
            std::string_view rest(value);
            while (!rest.empty()) {
                const std::size_t start = rest.find_first_not_of(" \t");
                if (start == std::string_view::npos)
                    break;
                rest.remove_prefix(start);
                const std::size_t end = rest.find_first_of(" \t");
                words.emplace_back(rest.substr(0, end));
                rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
            }
            if (!words.empty())
                return words;
        }
    }
    return {"xdg-open"};
}

// The argument vector to execute: the program resolved to a file, the editor
// names replaced by the configured editor (whose arguments are files).
bool resolveArguments(const std::vector<std::string>& arguments, std::vector<std::string>& argv, LaunchResult& result)
{
    if (arguments.empty() || arguments.front().empty()) {
        result.error = "empty command line";
        return false;
    }
    argv = arguments;
    if (isEditorName(arguments.front())) {
        std::vector<std::string> editor = editorCommand();
        std::vector<std::string> files;
        for (std::size_t i = 1; i < arguments.size(); ++i)
            files.push_back(SitePaths::translate(arguments[i]));
        argv = editor;
        argv.insert(argv.end(), files.begin(), files.end());
    }
    result.program = FindProgram(argv.front());
    if (result.program.empty()) {
        result.error = "program not found: " + argv.front();
        return false;
    }
    return true;
}

// Our environment with the command line's variables set.
std::vector<char*> environmentOf(const CommandLine& commandLine)
{
    std::vector<char*> envp;
    const std::vector<std::string>& added = commandLine.environment();
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        bool replaced = false;
        for (const std::string& a : added)
            replaced = replaced || entry.substr(0, entry.find('=') + 1) == a.substr(0, a.find('=') + 1);
        if (!replaced)
            envp.push_back(*e);
    }
    for (const std::string& a : added)
        envp.push_back(const_cast<char*>(a.c_str()));
    envp.push_back(nullptr);
    return envp;
}

pid_t spawn(const std::vector<std::string>& argv, const CommandLine& commandLine, const std::string& program,
            bool detached, LaunchResult& result)
{
    std::vector<char*> cargv;
    cargv.reserve(argv.size() + 1);
    for (const std::string& a : argv)
        cargv.push_back(const_cast<char*>(a.c_str()));
    cargv.push_back(nullptr);
    std::vector<char*> envp = environmentOf(commandLine);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (detached) {
        // A program that runs on its own must not hold our standard streams
        // open (a caller reading our output would wait for it to end).
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (detached)
        flags |= POSIX_SPAWN_SETSID;
    posix_spawnattr_setflags(&attr, flags);

    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attr, cargv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        result.error = "cannot start " + program + ": " + std::strerror(rc);
        return -1;
    }
    result.started = true;
    return pid;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (line[i] == '\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"';  // "" inside quotes is a literal quote
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += line[i++];
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

CommandLine::CommandLine(std::string_view windowsCommandLine) : m_arguments(SplitCommandLine(windowsCommandLine)) {}

CommandLine& CommandLine::arg(std::string argument)
{
    m_arguments.push_back(std::move(argument));
    return *this;
}

CommandLine& CommandLine::words(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            m_arguments.emplace_back(text.substr(start, i - start));
    }
    return *this;
}

CommandLine& CommandLine::environment(std::string_view name, std::string_view value)
{
    m_environment.push_back(std::string(name) + "=" + std::string(value));
    return *this;
}

std::string CommandLine::text() const
{
    std::string out;
    for (const std::string& a : m_arguments) {
        if (!out.empty())
            out += ' ';
        out += a;
    }
    return out;
}

void SetProgramDirectory(std::string directory)
{
    std::lock_guard lock(g_directoryMutex);
    g_programDirectory = std::move(directory);
}

std::string ProgramDirectory()
{
    std::lock_guard lock(g_directoryMutex);
    if (g_programDirectory.empty()) {
        char buf[4096];
        const ssize_t len = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (len > 0) {
            std::string exe(buf, static_cast<std::size_t>(len));
            g_programDirectory = exe.substr(0, exe.rfind('/'));
        }
    }
    return g_programDirectory;
}

std::string FindProgram(std::string_view name)
{
    if (name.empty())
        return {};
    if (name.find('\\') != std::string_view::npos || name.find('/') != std::string_view::npos) {
        for (const std::string& candidate : candidateNames(name)) {
            std::string path = SitePaths::translate(candidate);
            if (isExecutableFile(path))
                return path;
        }
        return {};
    }
    std::vector<std::string> directories{ProgramDirectory(), SitePaths::workingDirectory()};
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest(path);
        while (true) {
            const std::size_t colon = rest.find(':');
            std::string_view dir = rest.substr(0, colon);
            directories.emplace_back(dir.empty() ? "." : dir);
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    for (const std::string& dir : directories) {
        if (dir.empty())
            continue;
        std::string found = findInDirectory(dir, name);
        if (!found.empty())
            return found;
    }
    return {};
}

LaunchResult StartProgram(const CommandLine& commandLine)
{
    LaunchResult result;
    std::vector<std::string> argv;
    if (!resolveArguments(commandLine.arguments(), argv, result))
        return result;
    const pid_t pid = spawn(argv, commandLine, result.program, true, result);
    if (pid > 0) {
        // Reap the child when it ends, so no zombie stays behind.
        std::thread([pid] {
            int status;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }
    return result;
}

LaunchResult StartProgram(std::string_view windowsCommandLine)
{
    return StartProgram(CommandLine(windowsCommandLine));
}

LaunchResult RunAndWait(const CommandLine& commandLine)
{
    LaunchResult result;
    std::vector<std::string> argv;
    if (!resolveArguments(commandLine.arguments(), argv, result))
        return result;
    const pid_t pid = spawn(argv, commandLine, result.program, false, result);
    if (pid <= 0)
        return result;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.error = std::string("waiting for the program failed: ") + std::strerror(errno);
            return result;
        }
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

LaunchResult RunAndWait(std::string_view windowsCommandLine)
{
    return RunAndWait(CommandLine(windowsCommandLine));
}

}  // namespace kx
