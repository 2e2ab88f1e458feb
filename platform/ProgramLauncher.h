#pragma once
// Starts the platform's companion programs from the command lines the console
// builds. Never through a shell: no character of an argument is interpreted.
//
// A command line is split like a Windows command line (blanks separate,
// double quotes group). The program of a bare name is looked up in the
// console's own directory, the working directory, then PATH; in each the name
// as given, then without ".exe", ".com" or ".bat". A name with a directory is
// a stored Windows path. "notepad", "notepad.exe" and "np" stand for the text
// editor: KX_EDITOR, else VISUAL, else xdg-open.
//
// Neither call tells the operator about a missing program; both tell the
// caller.

#include <string>
#include <string_view>
#include <vector>

namespace kx {

// Windows command-line splitting (blanks separate; "..." groups; \" is a
// quote; backslashes elsewhere are ordinary characters).
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// An argument list built piece by piece, for lines that carry operator text.
class CommandLine {
public:
    CommandLine() = default;
    // Split like a Windows command line.
    explicit CommandLine(std::string_view windowsCommandLine);

    // One argument, exactly as given.
    CommandLine& arg(std::string argument);
    // A free text passed unquoted at the end: split at blanks only, every
    // other character (quotes included) kept as it is.
    CommandLine& words(std::string_view text);
    // A variable set in the program's environment (replacing one of the same
    // name), for a value that must not stand on a command line, where every
    // user of the machine can read it. Not part of text().
    CommandLine& environment(std::string_view name, std::string_view value);

    const std::vector<std::string>& arguments() const { return m_arguments; }
    // The variables of environment(), as "NAME=value".
    const std::vector<std::string>& environment() const { return m_environment; }
    bool empty() const { return m_arguments.empty(); }
    // For messages and logs: the arguments joined by blanks.
    std::string text() const;

private:
    std::vector<std::string> m_arguments;
    std::vector<std::string> m_environment;
};

struct LaunchResult {
    bool started = false;  // the program was found and is running (or ran)
    int exitCode = -1;     // RunAndWait only: the exit status, -1 if killed or not started
    std::string program;   // the file that was run
    std::string error;     // why it did not start
};

// The console's own directory (set at start; default: the directory of the
// running executable).
void SetProgramDirectory(std::string directory);
std::string ProgramDirectory();

// The native path of the program a command names; empty when not found.
std::string FindProgram(std::string_view name);

// "Start": the program runs on its own; the call does not wait.
LaunchResult StartProgram(const CommandLine& commandLine);
LaunchResult StartProgram(std::string_view windowsCommandLine);

// "Run and wait": the call returns when the program has ended.
LaunchResult RunAndWait(const CommandLine& commandLine);
LaunchResult RunAndWait(std::string_view windowsCommandLine);

}  // namespace kx
