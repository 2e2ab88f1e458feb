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

private:
    Answer m_answer;
};

}  // namespace kx::ctl
