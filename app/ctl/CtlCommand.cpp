#include "app/ctl/CtlCommand.h"

#include "platform/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kx::ctl {

namespace {

std::vector<std::pair<int, Command>>& registry()
{
    static std::vector<std::pair<int, Command>> commands;
    return commands;
}

}  // namespace

CommandRegistration::CommandRegistration(int rank, Command command)
{
    auto& commands = registry();
    auto at = std::find_if(commands.begin(), commands.end(), [rank](const auto& c) { return c.first > rank; });
    commands.insert(at, {rank, command});
}

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = [] {
        std::vector<Command> list;
        for (const auto& [rank, command] : registry())
            list.push_back(command);
        return list;
    }();
    return commands;
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : AllCommands())
        if (name == command.name)
            return &command;
    return nullptr;
}

bool TakeSiteOption(const Arguments& words, std::size_t& i, std::string& root, std::string& windir)
{
    const std::string& a = words[i];
    if ((a == "--root" || a == "--windir") && i + 1 < words.size()) {
        (a == "--root" ? root : windir) = words[++i];
    } else if (a.starts_with("--root=")) {
        root = a.substr(7);
    } else if (a.starts_with("--windir=")) {
        windir = a.substr(9);
    } else {
        return false;
    }
    return true;
}

int Fail(const std::string& message, int code)
{
    std::fprintf(stderr, "kxalarmctl: %s\n", message.c_str());
    return code;
}

int UsageError(const Command& command, const std::string& message)
{
    std::fprintf(stderr, "kxalarmctl %s: %s\nusage: kxalarmctl [options] %s\n", command.name, message.c_str(),
                 command.synopsis);
    return kExitUsage;
}

bool WantsHelp(const Arguments& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

int PrintHelp(const Command& command)
{
    std::printf("usage: kxalarmctl [options] %s\n\n%s\n", command.synopsis, command.help);
    return kExitOk;
}

bool ParseNumber(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

int ParseKey(const std::string& text, long& key)
{
    if (!ParseNumber(text, key) || key < 0 || key > std::numeric_limits<int>::max())
        return Fail("'" + text + "' is not a key (a whole number from 0 to " +
                        std::to_string(std::numeric_limits<int>::max()) + ")",
                    kExitBadKey);
    return kExitOk;
}

int ParseKeys(const Command& command, const Arguments& args, std::size_t from, std::vector<long>& keys)
{
    if (from >= args.size())
        return UsageError(command, "expects at least one KEY");
    for (std::size_t i = from; i < args.size(); ++i) {
        long key = 0;
        if (int code = ParseKey(args[i], key))
            return code;
        keys.push_back(key);
    }
    return kExitOk;
}

std::string EscapeControls(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

bool ToCp1252(const std::string& utf8, std::string& cp1252)
{
    auto converted = Utf8ToCp1252(utf8);
    if (!converted) {
        Fail("'" + utf8 + "' holds characters that Windows-1252 cannot store");
        return false;
    }
    cp1252 = std::move(*converted);
    return true;
}

}  // namespace kx::ctl
