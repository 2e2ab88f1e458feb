// kxalarmctl plan: the schedule plans of the working directory, on the models
// of "Select plan" and "Create plan".

#include "app/ctl/CtlCommand.h"
#include "plans/PlanCreation.h"
#include "plans/PlanDisplay.h"
#include "plans/PlanList.h"
#include "plans/PlanSelection.h"
#include "platform/TextEncoding.h"

#include <cstdio>
#include <optional>

namespace kx::ctl {

namespace {

constexpr const char* kHelp =
    "The schedule plans of the working directory, as \"Select plan\" and \"Create plan\" handle them.\n"
    "FAMILY is alarm (alarm plans, kxa_ files) or alarm-in (alarm-in plans, kxi_ files); NUMBER and\n"
    "KEY are decimal digits (a plan is named by its number, never by a path).\n"
    "  list    the family's drop-down entries, one a line, in the list's order\n"
    "  show    the plan as the dialog shows it: year-file<TAB>NAME, year<TAB>#RRGGBB<TAB>TEXT per\n"
    "          line, week-file<TAB>NAME, week<TAB>#RRGGBB<TAB>TEXT per line, then type<TAB>N (alarm\n"
    "          plans only: 1 group, 2 alarm key, 3 offset; else 0); the files may be missing\n"
    "  create  \"Create plan\": the year file, the week file or both (the default); exit 1 with the\n"
    "          message on standard error when refused\n"
    "  choose  \"Select plan\" of the alarm-in KEY in the family's mode, plan NUMBER selected, OK:\n"
    "          writes num1_7 and n_mbx; exit 1 with the message when refused\n"
    "  edit    \"Edit\": starts the plan editor on the year or week file of plan NUMBER (not waited\n"
    "          for); exit 1 when the family lists no plan NUMBER or the editor cannot be started";

const Command& self()
{
    return *FindCommand("plan");
}

std::optional<plans::PlanFamily> family(const std::string& word)
{
    if (word == "alarm")
        return plans::PlanFamily::Alarm;
    if (word == "alarm-in")
        return plans::PlanFamily::AlarmIn;
    return std::nullopt;
}

bool digitsOnly(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string shown(const std::string& cp1252)
{
    return EscapeControls(Cp1252ToUtf8(cp1252));
}

void printLines(const char* name, const std::vector<plans::PlanLine>& lines)
{
    for (const plans::PlanLine& line : lines)
        std::printf("%s\t#%02X%02X%02X\t%s\n", name, line.colour.red, line.colour.green, line.colour.blue,
                    shown(line.text).c_str());
}

int list(plans::PlanFamily family)
{
    for (const plans::PlanItem& item : plans::ListPlans(family))
        std::printf("%s\n", shown(item.text).c_str());
    return kExitOk;
}

int show(plans::PlanFamily family, long number)
{
    const plans::PlanDisplay display = plans::ReadPlanForDisplay(number, family);
    std::printf("year-file\t%s\n", shown(display.yearFile).c_str());
    printLines("year", display.year);
    std::printf("week-file\t%s\n", shown(display.weekFile).c_str());
    printLines("week", display.week);
    std::printf("type\t%d\n", static_cast<int>(display.type));
    return kExitOk;
}

int create(plans::PlanFamily family, const std::string& digits, const std::string& what)
{
    plans::PlanCreation creation(0, family);
    creation.setNumberText(digits);
    if (what == "year")
        creation.setWhat(plans::PlanParts::Year);
    else if (what == "week")
        creation.setWhat(plans::PlanParts::Week);
    else if (what == "both")
        creation.setWhat(plans::PlanParts::Both);
    else
        return UsageError(self(), "create takes year, week or both, not " + what);
    return creation.ok() ? kExitOk : kExitFailed;
}

int choose(long key, plans::PlanFamily family, long number)
{
    plans::PlanSelection selection(key, number, static_cast<long>(family));
    selection.open();
    selection.selectNumber(family, number);
    return selection.ok() ? kExitOk : kExitFailed;
}

int edit(plans::PlanFamily family, long number, const std::string& part)
{
    if (part != "year" && part != "week")
        return UsageError(self(), "edit takes year or week, not " + part);
    plans::PlanSelection selection(0, number, static_cast<long>(family));
    selection.open();
    if (!selection.selectNumber(family, number))
        return Fail("the " + std::string(family == plans::PlanFamily::Alarm ? "alarm" : "alarm-in") +
                    " plans hold no plan " + std::to_string(number));
    if (!selection.edit(part == "week"))
        return Fail("the plan editor kxsched.exe could not be started");
    return kExitOk;
}

int run(const Arguments& args)
{
    if (args.empty())
        return UsageError(self(), "expects list, show, create, choose or edit");
    const std::string& action = args[0];
    // Arguments after the action: [KEY] FAMILY [NUMBER] [PART].
    const bool withKey = action == "choose";
    const bool withNumber = action != "list";
    std::size_t least = 2, most = 2;
    if (action == "show")
        least = most = 3;
    else if (action == "create")
        least = 3, most = 4;
    else if (action == "choose" || action == "edit")
        least = most = 4;
    else if (action != "list")
        return UsageError(self(), "unknown action " + action);
    if (args.size() < least)
        return UsageError(self(), action + " expects more arguments");
    if (args.size() > most)
        return UsageError(self(), "unexpected argument " + args[most]);

    std::size_t at = 1;
    long key = 0;
    if (withKey) {
        if (!digitsOnly(args[at]))
            return UsageError(self(), "KEY must be decimal digits, not " + args[at]);
        if (const int code = ParseKey(args[at], key); code != kExitOk)
            return code;
        ++at;
    }
    const std::optional<plans::PlanFamily> chosen = family(args[at]);
    if (!chosen)
        return UsageError(self(), "FAMILY is alarm or alarm-in, not " + args[at]);
    ++at;
    if (!withNumber)
        return list(*chosen);
    const std::string& digits = args[at++];
    if (!digitsOnly(digits))
        return UsageError(self(), "NUMBER must be decimal digits, not " + digits);
    const long number = plans::NumberOfDigits(digits);

    if (action == "show")
        return show(*chosen, number);
    if (action == "create")
        return create(*chosen, digits, at < args.size() ? args[at] : "both");
    if (action == "choose")
        return choose(key, *chosen, number);
    return edit(*chosen, number, args[at]);
}

const CommandRegistration registration(57,
                                       {"plan",
                                        "plan list FAMILY | show FAMILY NUMBER | create FAMILY NUMBER "
                                        "[year|week|both] | choose KEY FAMILY NUMBER | edit FAMILY NUMBER year|week",
                                        kHelp, run});

}  // namespace

}  // namespace kx::ctl
