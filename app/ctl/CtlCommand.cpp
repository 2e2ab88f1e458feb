#include "app/ctl/CtlCommand.h"

#include "platform/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace kx::ctl {

int RunDemo(const Arguments& args);
int RunRecord(const Arguments& args);
int RunField(const Arguments& args);
int RunProfile(const Arguments& args);

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"demo", "demo DIR",
         "Makes a complete demonstration site in DIR: DIR/windows (the INI files), DIR/db1 (vm001.dbf with\n"
         "keys 0-9999, the group table and member tables), DIR/kxt (modules and post-queue templates) and\n"
         "DIR/work. Use it with --root DIR from DIR/work. DIR must not exist or be empty.",
         RunDemo},
        {"record", "record KEY",
         "Prints the 99 fields of the key's record of the mailbox table, one per line:\n"
         "physical name, logical name and the value, tab-separated. Values lose their trailing\n"
         "blanks, numbers also the leading blanks of their right-justified fields.",
         RunRecord},
        {"field", "field get KEY PHYSICAL | field set KEY LOGICAL VALUE",
         "get: prints the text of a field by its physical name (T01..T99), trimmed as record does.\n"
         "set: writes a field by its logical name as the console does (numeric fields take the value's\n"
         "leading number). Exit 0 when written, 2 when the table could not be opened or written,\n"
         "3 for an unknown logical name.",
         RunField},
        {"profile",
         "profile get FILE SECTION KEY [DEFAULT] | getint FILE SECTION KEY DEFAULT | "
         "set FILE SECTION KEY VALUE | delete FILE SECTION [KEY]",
         "The private-profile calls exactly as the console makes them. A bare FILE is the one in the\n"
         "Windows directory; any other FILE is a stored Windows path. get reads with a 256-byte buffer,\n"
         "getint prints the value as the console's integer read gives it, delete without KEY deletes the\n"
         "section.",
         RunProfile},
    };
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
