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

    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--root" || a == "--windir") && i + 1 < argc) {
            (a == "--root" ? root : windir) = argv[++i];
        } else if (a.rfind("--root=", 0) == 0) {
            root = a.substr(7);
        } else if (a.rfind("--windir=", 0) == 0) {
            windir = a.substr(9);
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
    if (i >= argc) {
        printUsage(stderr);
        return kExitUsage;
    }
    kx::SitePaths::configure(root, windir);

    const Command* command = FindCommand(argv[i]);
    if (!command) {
        std::fprintf(stderr, "kxalarmctl: unknown command %s\n", argv[i]);
        printUsage(stderr);
        return kExitUsage;
    }
    Arguments args(argv + i + 1, argv + argc);
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
