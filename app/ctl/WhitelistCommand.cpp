// kxalarmctl whitelist: "Settings for whitelist" of one alarm-in, on the
// dialog's model.

#include "app/ctl/CtlCommand.h"
#include "platform/TextEncoding.h"
#include "watchers/Whitelist.h"

#include <cstdio>

namespace kx::ctl {

namespace {

constexpr const char* kHelp =
    "Edits the whitelists of the alarm-in KEY as the dialog \"Settings for whitelist\" does, the actions\n"
    "in the order given; the first that is refused ends the command with exit 1 (message on standard\n"
    "error), and so does a KEY that is no alarm-in.\n"
    "  --select NAME     chooses the list NAME in the selector, or types a new name (added on --save)\n"
    "  --add-list NAME   \"Add\": selects the list NAME with its numbers, or adds it (\"\" names it\n"
    "                    after KEY); written at once\n"
    "  --delete-list     \"Delete\" of the current list; written at once (a list other alarms-in use\n"
    "                    is deleted only with --yes)\n"
    "  --add NUMBER      \"Add number\" (a number already listed is ignored)\n"
    "  --remove NUMBER   \"Delete number\"\n"
    "  --save            \"Save\": the numbers into the current list, which becomes the alarm-in's\n"
    "Then prints current<TAB>NAME, list<TAB>SLOT<TAB>NAME per selector entry in slot order and\n"
    "number<TAB>NUMBER per number shown.";

struct Step {
    std::string option;
    std::string operand;  // Windows-1252
};

bool takesOperand(const std::string& option)
{
    return option == "--select" || option == "--add-list" || option == "--add" || option == "--remove";
}

bool run(watchers::Whitelist& model, const Step& step)
{
    if (step.option == "--select")
        return model.select(step.operand);
    if (step.option == "--add-list")
        return model.addList(step.operand);
    if (step.option == "--delete-list")
        return model.deleteList();
    if (step.option == "--add")
        return model.addNumber(step.operand);
    if (step.option == "--remove")
        return model.removeNumber(step.operand);
    return model.save();
}

std::string shown(const std::string& cp1252)
{
    return EscapeControls(Cp1252ToUtf8(cp1252));
}

}  // namespace

int RunWhitelist(const Arguments& args)
{
    const Command& self = *FindCommand("whitelist");
    if (args.empty())
        return UsageError(self, "expects an alarm-in KEY");
    long key = 0;
    if (int code = ParseKey(args[0], key))
        return code;
    // Every option is checked before anything is done.
    std::vector<Step> steps;
    for (std::size_t i = 1; i < args.size(); ++i) {
        Step step{args[i], {}};
        if (takesOperand(step.option)) {
            if (i + 1 >= args.size())
                return UsageError(self, step.option + " expects a value");
            if (!ToCp1252(args[++i], step.operand))
                return kExitFailed;
        } else if (step.option != "--delete-list" && step.option != "--save") {
            return UsageError(self, "unexpected argument " + step.option);
        }
        steps.push_back(std::move(step));
    }

    watchers::Whitelist model;
    if (!model.open(key))
        return kExitFailed;
    for (const Step& step : steps)
        if (!run(model, step))
            return Fail(step.option + " was refused");
    std::printf("current\t%s\n", shown(model.name()).c_str());
    for (const watchers::WhitelistEntry& entry : model.lists())
        std::printf("list\t%d\t%s\n", entry.slot, shown(entry.name).c_str());
    for (const std::string& number : model.numbers())
        std::printf("number\t%s\n", shown(number).c_str());
    return kExitOk;
}

namespace {
const CommandRegistration registration(
    82, {"whitelist",
         "whitelist KEY [--select NAME] [--add-list NAME] [--delete-list] [--add NUMBER]... [--remove NUMBER]... "
         "[--save]",
         kHelp, RunWhitelist});
}  // namespace

}  // namespace kx::ctl
