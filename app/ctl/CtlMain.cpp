// kxalarmctl: what an operator can do in the console without eyes, on the
// same models. UTF-8 output, one row per line, tab-separated; exit 0 on
// success, a message on standard error and a non-zero exit otherwise.

#include "app/ctl/CtlCommand.h"
#include "app/ctl/TerminalMessageBoxes.h"
#include "platform/SitePaths.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void printUsage(FILE* to)
{
    std::fprintf(to, "usage: kxalarmctl [--root DIR] [--windir DIR] [--yes|--no] COMMAND [ARGS...]\n"
                     "\n"
                     "Options:\n"
                     "  --root DIR     the site's drive root (default: $KX_ROOT, else /)\n"
                     "  --windir DIR   the site's Windows directory (default: $KX_WINDIR, else ROOT/windows)\n"
                     "  --yes, --no    the answer to every question the command asks\n"
                     "  --help         this text; COMMAND --help describes a command\n"
                     "  --version      the program's version\n"
                     "\n"
                     "Commands:\n");
    for (const kx::ctl::Command& command : kx::ctl::AllCommands())
        std::fprintf(to, "  %s\n", command.synopsis);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace kx::ctl;
    kx::SitePaths::configureFromEnvironment();
    std::string root = kx::SitePaths::root();
    std::string windir;
    if (const char* env = std::getenv("KX_WINDIR"))
        windir = env;
    TerminalMessageBoxes::Answer answer = TerminalMessageBoxes::Answer::Ask;

    const Arguments words(argv + 1, argv + argc);
    if (!words.empty() && words[0] == "--complete")
        return RunComplete(Arguments(words.begin() + 1, words.end()));
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& a = words[i];
        if (TakeSiteOption(words, i, root, windir)) {
            continue;
        } else if (a == "--yes") {
            answer = TerminalMessageBoxes::Answer::Yes;
        } else if (a == "--no") {
            answer = TerminalMessageBoxes::Answer::No;
        } else if (a == "--help" || a == "-h") {
            printUsage(stdout);
            return kExitOk;
        } else if (a == "--version") {
            std::printf("kxalarmctl %s\n", KX_VERSION);
            return kExitOk;
        } else if (a.rfind("--", 0) == 0) {
            std::fprintf(stderr, "kxalarmctl: unknown option %s\n", a.c_str());
            printUsage(stderr);
            return kExitUsage;
        } else {
            break;
        }
    }
    if (i >= words.size()) {
        printUsage(stderr);
        return kExitUsage;
    }
    kx::SitePaths::configure(root, windir);

    const Command* command = FindCommand(words[i]);
    if (!command) {
        std::fprintf(stderr, "kxalarmctl: unknown command %s\n", words[i].c_str());
        printUsage(stderr);
        return kExitUsage;
    }
    Arguments args(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
    if (WantsHelp(args)) {
        PrintHelp(*command);
        if (command->moreHelp)
            command->moreHelp(args);
        return kExitOk;
    }

    TerminalMessageBoxes boxes(answer);
    kx::SetMessageBoxHandler(&boxes);
    const int code = command->run(args);
    kx::SetMessageBoxHandler(nullptr);
    return code;
}
