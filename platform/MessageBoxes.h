#pragma once
// How the models talk to the operator: an error, a yes/no question (with the
// default-No flag) and an information, by string number and arguments.
// The window answers with real message boxes, kxalarmctl with --yes/--no or
// the terminal, tests with scripted answers: each installs its handler.
//
// Captions and texts reach the handler as UTF-8. Arguments are data as the
// tables and INI files hold them (Windows-1252) and are converted here.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx {

class MessageBoxHandler {
public:
    virtual ~MessageBoxHandler() = default;
    virtual void showError(const std::string& caption, const std::string& text) = 0;
    // True on Yes. `defaultNo` makes No the button that Enter presses.
    virtual bool askYesNo(const std::string& caption, const std::string& text, bool defaultNo) = 0;
    virtual void showInfo(const std::string& caption, const std::string& text) = 0;
    // A question with several answers and Cancel: the index of the chosen
    // answer (`defaultChoice` is chosen at first), or -1 for Cancel. The
    // built-in handler cancels.
    virtual int askChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& choices,
                          int defaultChoice);
};

// Installs a handler for the whole process; returns the previous one.
// nullptr restores the built-in one, which prints to standard error and
// answers every question with No.
MessageBoxHandler* SetMessageBoxHandler(MessageBoxHandler* handler);
MessageBoxHandler& CurrentMessageBoxHandler();

// Caption 61461 "Error", exclamation icon.
void ErrorBox(int id, std::string_view arg1 = {}, std::string_view arg2 = {});
void ErrorBoxNumber(int id, long number);
// Caption 61462 "Please confirm...", question icon. True on Yes.
bool ConfirmBox(int id, bool defaultNo, std::string_view arg1 = {}, std::string_view arg2 = {});
bool ConfirmBoxNumber(int id, long number, bool defaultNo);
// Caption 61511 "Information", information icon.
void InfoBox(int id, std::string_view arg1 = {}, std::string_view arg2 = {});

// The same with a Text declared beside its model.
void ErrorBox(const Text& text, std::string_view arg1 = {}, std::string_view arg2 = {});
void ErrorBoxNumber(const Text& text, long number);
bool ConfirmBox(const Text& text, bool defaultNo, std::string_view arg1 = {}, std::string_view arg2 = {});
bool ConfirmBoxNumber(const Text& text, long number, bool defaultNo);
void InfoBox(const Text& text, std::string_view arg1 = {}, std::string_view arg2 = {});

// An error whose text is already made in the operator's language (UTF-8),
// such as a report that a worker thread put together. Caption "Error".
void ErrorBoxText(std::string_view message);

// A question with the caption `caption`, the text `text` (%1 = arg1) and
// one radio choice per answer, OK and Cancel: the index of the answer, or
// -1 for Cancel.
int ChoiceBox(const Text& caption, const Text& text, const std::vector<Text>& choices, int defaultChoice,
              std::string_view arg1 = {});

// An error whose caption and text are fixed, not taken from the string table
// (the table class's reports "CDatabase::Go" and the like). Caption "Error".
void FixedErrorBox(std::string_view text);

}  // namespace kx
