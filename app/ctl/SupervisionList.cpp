// kxalarmctl list supervision: the rows of "Supervison overview".

#include "app/ctl/CtlCommand.h"
#include "watchers/SupervisionOverview.h"

#include <cstdio>

namespace kx::ctl {

int RunListSupervision()
{
    const auto rows = watchers::LoadSupervisionOverview();
    if (!rows)
        return Fail("the mailbox table could not be opened", 2);
    for (const watchers::SupervisionRow& r : *rows)
        std::printf("%ld\t%s\t%s\t%s\t%s\t%s\n", r.key, EscapeControls(r.name).c_str(),
                    EscapeControls(r.launchAlarm).c_str(), EscapeControls(r.interval).c_str(),
                    EscapeControls(r.lastCall).c_str(), EscapeControls(r.lastAlarm).c_str());
    return kExitOk;
}

}  // namespace kx::ctl
