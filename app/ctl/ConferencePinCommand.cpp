// kxalarmctl conference-pin: the pin codes of the conference pool, on the
// model of the pin code editor.

#include "alarmconfig/ConferencePins.h"
#include "app/ctl/CtlCommand.h"
#include "platform/TextEncoding.h"

#include <cstdio>

namespace kx::ctl {

namespace {

int RunConferencePin(const Arguments& args)
{
    const Command& self = *FindCommand("conference-pin");
    if (args.size() != 0 && args.size() != 2)
        return UsageError(self, "expects nothing, or NUMBER and PIN");
    alarmconfig::ConferencePins pins;
    if (args.size() == 2) {
        long number = 0;
        if (!ParseNumber(args[0], number))
            return UsageError(self, "NUMBER must be a number");
        std::string pin;
        if (!ToCp1252(args[1], pin))
            return kExitFailed;
        // A refusal's message is on standard error.
        return pins.setPin(number, pin) ? kExitOk : kExitFailed;
    }
    pins.load();
    for (const alarmconfig::ConferencePins::Entry& e : pins.entries())
        std::printf("%ld\t%s\n", e.number, EscapeControls(Cp1252ToUtf8(e.pin)).c_str());
    return kExitOk;
}

const CommandRegistration
    registration(65,
                 {"conference-pin", "conference-pin [NUMBER PIN]",
                  "Without arguments: lists every conference number of the conference pool (FirstConferenceNbr to\n"
                  "LastConferenceNbr of kxaconfpool.ini) with its pin code, tab-separated; the pin is empty when the\n"
                  "number has none. With NUMBER and PIN: stores PIN (0 to 9999, written with four digits) for\n"
                  "NUMBER. Refused (exit 1, message on standard error, nothing written): a number outside the\n"
                  "range, a pin that is no number from 0 to 9999, a pin that another conference number has.",
                  RunConferencePin});

}  // namespace

}  // namespace kx::ctl
