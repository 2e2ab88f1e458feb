#include "platform/MessageBoxes.h"

#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <atomic>
#include <cstdio>

namespace kx {

int MessageBoxHandler::askChoice(const std::string& caption, const std::string& text, const std::vector<std::string>&,
                                 int)
{
    showInfo(caption, text + " [answered: Cancel]");
    return -1;
}

namespace {

class StandardErrorHandler final : public MessageBoxHandler {
public:
    void showError(const std::string& caption, const std::string& text) override { print(caption, text); }
    bool askYesNo(const std::string& caption, const std::string& text, bool) override
    {
        print(caption, text + " [answered: No]");
        return false;
    }
    void showInfo(const std::string& caption, const std::string& text) override { print(caption, text); }

private:
    static void print(const std::string& caption, const std::string& text)
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

StandardErrorHandler g_standardHandler;
std::atomic<MessageBoxHandler*> g_handler{&g_standardHandler};

std::string text(int id, std::string_view arg1, std::string_view arg2)
{
    return FormatString(id, Cp1252ToUtf8(arg1), Cp1252ToUtf8(arg2));
}

}  // namespace

MessageBoxHandler* SetMessageBoxHandler(MessageBoxHandler* handler)
{
    return g_handler.exchange(handler ? handler : &g_standardHandler);
}

MessageBoxHandler& CurrentMessageBoxHandler()
{
    return *g_handler.load();
}

void ErrorBox(int id, std::string_view arg1, std::string_view arg2)
{
    CurrentMessageBoxHandler().showError(LoadString(str::Error), text(id, arg1, arg2));
}

void ErrorBoxNumber(int id, long number)
{
    CurrentMessageBoxHandler().showError(LoadString(str::Error), FormatStringNumber(id, number));
}

bool ConfirmBox(int id, bool defaultNo, std::string_view arg1, std::string_view arg2)
{
    return CurrentMessageBoxHandler().askYesNo(LoadString(str::PleaseConfirm), text(id, arg1, arg2), defaultNo);
}

bool ConfirmBoxNumber(int id, long number, bool defaultNo)
{
    return CurrentMessageBoxHandler().askYesNo(LoadString(str::PleaseConfirm), FormatStringNumber(id, number),
                                               defaultNo);
}

void InfoBox(int id, std::string_view arg1, std::string_view arg2)
{
    CurrentMessageBoxHandler().showInfo(LoadString(str::Information), text(id, arg1, arg2));
}

void ErrorBox(const Text& text, std::string_view arg1, std::string_view arg2)
{
    CurrentMessageBoxHandler().showError(LoadString(str::Error), Tr(text, Cp1252ToUtf8(arg1), Cp1252ToUtf8(arg2)));
}

void ErrorBoxText(std::string_view message)
{
    CurrentMessageBoxHandler().showError(LoadString(str::Error), std::string(message));
}

void ErrorBoxNumber(const Text& text, long number)
{
    CurrentMessageBoxHandler().showError(LoadString(str::Error), TrNumber(text, number));
}

bool ConfirmBox(const Text& text, bool defaultNo, std::string_view arg1, std::string_view arg2)
{
    return CurrentMessageBoxHandler().askYesNo(LoadString(str::PleaseConfirm),
                                               Tr(text, Cp1252ToUtf8(arg1), Cp1252ToUtf8(arg2)), defaultNo);
}

bool ConfirmBoxNumber(const Text& text, long number, bool defaultNo)
{
    return CurrentMessageBoxHandler().askYesNo(LoadString(str::PleaseConfirm), TrNumber(text, number), defaultNo);
}

void InfoBox(const Text& text, std::string_view arg1, std::string_view arg2)
{
    CurrentMessageBoxHandler().showInfo(LoadString(str::Information), Tr(text, Cp1252ToUtf8(arg1), Cp1252ToUtf8(arg2)));
}

int ChoiceBox(const Text& caption, const Text& text, const std::vector<Text>& choices, int defaultChoice,
              std::string_view arg1)
{
    std::vector<std::string> answers;
    for (const Text& choice : choices)
        answers.push_back(Tr(choice));
    return CurrentMessageBoxHandler().askChoice(Tr(caption), Tr(text, Cp1252ToUtf8(arg1)), answers, defaultChoice);
}

void FixedErrorBox(std::string_view message)
{
    CurrentMessageBoxHandler().showError("Error", std::string(message));
}

}  // namespace kx
