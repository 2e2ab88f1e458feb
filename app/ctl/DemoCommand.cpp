// kxalarmctl demo DIR

#include "app/ctl/CtlCommand.h"
#include "app/ctl/DemoSite.h"

#include <cstdio>

namespace kx::ctl {

int RunDemo(const Arguments& args)
{
    const Command& self = *FindCommand("demo");
    if (args.size() != 1)
        return UsageError(self, "expects one DIR");
    std::string error;
    if (!DemoSite::build(args[0], error))
        return Fail("demo site not made: " + error);
    std::printf("%s\n", args[0].c_str());
    return kExitOk;
}

namespace {
const CommandRegistration
    registration(10,
                 {"demo", "demo DIR",
                  "Makes a complete demonstration site in DIR: DIR/windows (the INI files), DIR/db1 (vm001.dbf with\n"
                  "keys 0-9999, the group table and member tables), DIR/kxt (modules and post-queue templates) and\n"
                  "DIR/work. Use it with --root DIR from DIR/work. DIR must not exist or be empty.",
                  RunDemo});
}  // namespace

}  // namespace kx::ctl
