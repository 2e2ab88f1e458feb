#pragma once
// The commands of kxalarmctl. Each command gets its own arguments (after
// the global options) and returns the process exit code.

#include <string>
#include <vector>

namespace kx::ctl {

using Arguments = std::vector<std::string>;

// Exit codes shared by the commands.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 64;

struct Command {
    const char* name;
    const char* synopsis;  // "record KEY"
    const char* help;      // what it does, several lines
    int (*run)(const Arguments& args);
    // Prints more help for the given arguments after `help` (may be null).
    void (*moreHelp)(const Arguments& args) = nullptr;
};

// Every command, in the order of their registrations' ranks.
const std::vector<Command>& AllCommands();
const Command* FindCommand(const std::string& name);

// Each command's file registers it with a static object of this type; the
// rank orders the commands in the usage text.
struct CommandRegistration {
    CommandRegistration(int rank, Command command);
};

// Takes the site option at words[i] (--root DIR, --windir DIR, --root=DIR,
// --windir=DIR) into `root` or `windir`, advancing i to its operand; false
// when words[i] is none.
bool TakeSiteOption(const Arguments& words, std::size_t& i, std::string& root, std::string& windir);

// The hidden `kxalarmctl --complete WORDS...`: prints the words the shell
// may offer for the last of WORDS, one per line (Completion.cpp).
int RunComplete(const Arguments& typed);

// Prints "kxalarmctl: <message>" to standard error; returns `code`.
int Fail(const std::string& message, int code = kExitFailed);
// Prints the usage of a command to standard error; returns kExitUsage.
int UsageError(const Command& command, const std::string& message);
// True when the arguments ask for help (--help or -h anywhere).
bool WantsHelp(const Arguments& args);
// Prints a command's help to standard output; returns kExitOk.
int PrintHelp(const Command& command);

// A whole number given on the command line.
bool ParseNumber(const std::string& text, long& value);

// Exit code of a key that is negative or not a number; checked before any
// table is opened.
constexpr int kExitBadKey = 2;
// A key given on the command line: a whole number from 0 to 2147483647.
// Otherwise prints why and returns kExitBadKey; kExitOk when it is one.
int ParseKey(const std::string& text, long& key);
// Every argument from `from` on as a key, in the order given: kExitOk,
// kExitUsage when there is none, kExitBadKey at the first that is no key.
int ParseKeys(const Command& command, const Arguments& args, std::size_t from, std::vector<long>& keys);

// Data bytes shown on a terminal line: control bytes (which would start a
// new column or line) become \xNN, everything else stays.
std::string EscapeControls(const std::string& text);

// Converts an argument (UTF-8) to the Windows-1252 bytes the files hold;
// false (with a message) when it holds characters cp1252 cannot store.
bool ToCp1252(const std::string& utf8, std::string& cp1252);

}  // namespace kx::ctl
