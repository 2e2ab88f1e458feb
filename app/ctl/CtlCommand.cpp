#include "app/ctl/CtlCommand.h"

#include "platform/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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
