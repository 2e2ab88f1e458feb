// kxalarmctl autostart list: the autostart list of the platform's service
// (kxtserv.ini), as the settings dialogs that register programs read it.

#include "app/ctl/CtlCommand.h"
#include "core/Autostart.h"
#include "platform/TextEncoding.h"

#include <cstdio>

namespace kx::ctl {

namespace {

std::string Shown(const std::string& value)
{
    return EscapeControls(Cp1252ToUtf8(value));
}

int RunAutostart(const Arguments& args)
{
    const Command& self = *FindCommand("autostart");
    if (args.size() != 1 || args[0] != "list")
        return UsageError(self, "expects list");
    for (const autostart::Slot& s : autostart::ListedSlots())
        std::printf("%d\t%s\t%s\t%s\t%s\t%s\t%s\n", s.number, Shown(s.program).c_str(), Shown(s.params).c_str(),
                    Shown(s.enabled).c_str(), Shown(s.minimized).c_str(), Shown(s.runSystem).c_str(),
                    Shown(s.duration).c_str());
    return kExitOk;
}

const CommandRegistration
    registration(66,
                 {"autostart", "autostart list",
                  "Lists the autostart list of kxtserv.ini: one line per slot (section Startup_N) whose Program is\n"
                  "not empty, in slot order: slot, Program, Params, Enabled, Minimized, RunSystem and Duration as\n"
                  "stored, tab-separated.",
                  RunAutostart});

}  // namespace

}  // namespace kx::ctl
