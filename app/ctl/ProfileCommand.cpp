// kxalarmctl profile: the private-profile calls as the console makes them.

#include "app/ctl/CtlCommand.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"

#include <cstdio>

namespace kx::ctl {

int RunProfile(const Arguments& args)
{
    const Command& self = *FindCommand("profile");
    if (args.empty())
        return UsageError(self, "expects get, getint, set or delete");
    const std::string& verb = args[0];
    std::vector<std::string> bytes(args.size());
    for (std::size_t i = 1; i < args.size(); ++i)
        if (!ToCp1252(args[i], bytes[i]))
            return kExitFailed;

    if (verb == "get") {
        if (args.size() != 4 && args.size() != 5)
            return UsageError(self, "get expects FILE SECTION KEY [DEFAULT]");
        const std::string value = ProfileString(bytes[1], bytes[2], bytes[3], args.size() == 5 ? bytes[4] : "", 256);
        std::printf("%s\n", Cp1252ToUtf8(value).c_str());
        return kExitOk;
    }
    if (verb == "getint") {
        if (args.size() != 5)
            return UsageError(self, "getint expects FILE SECTION KEY DEFAULT");
        long def = 0;
        if (!ParseNumber(args[4], def))
            return UsageError(self, "DEFAULT must be a number");
        std::printf("%d\n", ProfileInt(bytes[1], bytes[2], bytes[3], static_cast<int>(def)));
        return kExitOk;
    }
    if (verb == "set") {
        if (args.size() != 5)
            return UsageError(self, "set expects FILE SECTION KEY VALUE");
        if (!WriteProfileString(bytes[1], bytes[2], bytes[3], bytes[4]))
            return Fail("cannot write " + args[1] + ": " + ProfileLastError());
        return kExitOk;
    }
    if (verb == "delete") {
        if (args.size() != 3 && args.size() != 4)
            return UsageError(self, "delete expects FILE SECTION [KEY]");
        const bool ok = args.size() == 4 ? DeleteProfileKey(bytes[1], bytes[2], bytes[3])
                                         : DeleteProfileSection(bytes[1], bytes[2]);
        if (!ok)
            return Fail("cannot write " + args[1] + ": " + ProfileLastError());
        return kExitOk;
    }
    return UsageError(self, "unknown form " + verb);
}

namespace {
const CommandRegistration
    registration(30, {"profile",
                      "profile get FILE SECTION KEY [DEFAULT] | getint FILE SECTION KEY DEFAULT | "
                      "set FILE SECTION KEY VALUE | delete FILE SECTION [KEY]",
                      "The private-profile calls exactly as the console makes them. A bare FILE is the one in the\n"
                      "Windows directory; any other FILE is a stored Windows path. get reads with a 256-byte buffer,\n"
                      "getint prints the value as the console's integer read gives it, delete without KEY deletes the\n"
                      "section.",
                      RunProfile});
}  // namespace

}  // namespace kx::ctl
