#include "app/ctl/TerminalMessageBoxes.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace kx::ctl {

void TerminalMessageBoxes::showError(const std::string& caption, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void TerminalMessageBoxes::showInfo(const std::string& caption, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool TerminalMessageBoxes::askYesNo(const std::string& caption, const std::string& text, bool defaultNo)
{
    if (m_answer != Answer::Ask) {
        const bool yes = m_answer == Answer::Yes;
        std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), yes ? "yes" : "no");
        return yes;
    }
    if (!::isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "%s: %s [no: not asked without a terminal; use --yes or --no]\n", caption.c_str(),
                     text.c_str());
        return false;
    }
    std::fprintf(stderr, "%s: %s %s ", caption.c_str(), text.c_str(), defaultNo ? "[y/N]" : "[Y/n]");
    std::fflush(stderr);
    char line[64];
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    if (line[0] == 'y' || line[0] == 'Y')
        return true;
    if (line[0] == 'n' || line[0] == 'N')
        return false;
    return !defaultNo;
}

int TerminalMessageBoxes::askChoice(const std::string& caption, const std::string& text,
                                    const std::vector<std::string>& choices, int defaultChoice)
{
    int choice = -1;
    if (m_choice >= 0 && m_choice < static_cast<int>(choices.size()))
        choice = m_choice;
    else if (m_answer == Answer::Yes)
        choice = defaultChoice;
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(),
                 choice >= 0 && choice < static_cast<int>(choices.size()) ? choices[choice].c_str() : "Cancel");
    return choice;
}

}  // namespace kx::ctl
