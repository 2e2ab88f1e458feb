#pragma once
// Records the message boxes shown and answers questions from a script (No when
// it is empty). Free of test frameworks: GoogleTest and Qt Test programs share it.

#include "platform/MessageBoxes.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace kx::test {

class RecordingMessageBoxes final : public MessageBoxHandler {
public:
    struct Shown {
        char kind;  // 'E' error, 'C' question, 'I' information, 'Q' question with choices
        std::string caption;
        std::string text;
        bool defaultNo = false;
    };

    RecordingMessageBoxes() { m_previous = SetMessageBoxHandler(this); }
    ~RecordingMessageBoxes() override { SetMessageBoxHandler(m_previous); }

    void answer(bool yes)
    {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(yes);
    }
    std::vector<Shown> shown() const
    {
        std::lock_guard lock(m_mutex);
        return m_shown;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Shown& s : shown())
            out.push_back(s.text);
        return out;
    }
    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_shown.clear();
    }

    void showError(const std::string& caption, const std::string& text) override { add({'E', caption, text}); }
    bool askYesNo(const std::string& caption, const std::string& text, bool defaultNo) override
    {
        add({'C', caption, text, defaultNo});
        std::lock_guard lock(m_mutex);
        if (m_answers.empty())
            return false;
        const bool yes = m_answers.front();
        m_answers.pop_front();
        return yes;
    }
    void showInfo(const std::string& caption, const std::string& text) override { add({'I', caption, text}); }
    // The next question with choices gets this answer (-1: Cancel, the default when none is scripted).
    void answerChoice(int choice)
    {
        std::lock_guard lock(m_mutex);
        m_choices.push_back(choice);
    }
    int askChoice(const std::string& caption, const std::string& text, const std::vector<std::string>&, int) override
    {
        add({'Q', caption, text});
        std::lock_guard lock(m_mutex);
        if (m_choices.empty())
            return -1;
        const int choice = m_choices.front();
        m_choices.pop_front();
        return choice;
    }

private:
    void add(Shown s)
    {
        std::lock_guard lock(m_mutex);
        m_shown.push_back(std::move(s));
    }

    mutable std::mutex m_mutex;
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
    std::deque<int> m_choices;
    MessageBoxHandler* m_previous = nullptr;
};

}  // namespace kx::test
