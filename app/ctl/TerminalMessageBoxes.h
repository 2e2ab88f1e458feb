#pragma once
// The message-box handler of kxalarmctl: errors and information go to
// standard error; a question is answered by --yes or --no, else asked on the
// terminal, else (no terminal) answered No, with a hint.

#include "platform/MessageBoxes.h"

namespace kx::ctl {

class TerminalMessageBoxes final : public MessageBoxHandler {
public:
    enum class Answer {
        Ask,
        Yes,
        No
    };
    explicit TerminalMessageBoxes(Answer answer) : m_answer(answer) {}

    void showError(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text, bool defaultNo) override;
    void showInfo(const std::string& caption, const std::string& text) override;
    // The answer given beforehand (an option such as --conference-type), else
    // the default with --yes, else Cancel.
    int askChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& choices,
                  int defaultChoice) override;
    void presetChoice(int choice) { m_choice = choice; }

private:
    Answer m_answer;
    int m_choice = -1;
};

}  // namespace kx::ctl
