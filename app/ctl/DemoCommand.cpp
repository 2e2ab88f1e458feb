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

}  // namespace kx::ctl
