#include "watchers/WatchOrder.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"

namespace kx::watchers {

namespace {

constexpr Text kTooLong = KX_TEXT("WatchOrder", "The watch order does not fit into the comment of the alarm, which "
                                                "holds at most %1 characters. Please shorten it.");
constexpr Text kOneLine = KX_TEXT("WatchOrder", "The comment must stay on one line.");

// The next word of `rest` after blanks; `rest` keeps what follows it.
std::string nextWord(std::string_view& rest)
{
    const std::size_t begin = std::min(rest.find_first_not_of(' '), rest.size());
    const std::size_t end = std::min(rest.find(' ', begin), rest.size());
    std::string word(rest.substr(begin, end - begin));
    rest.remove_prefix(end);
    return word;
}

}  // namespace

OrderWords SplitOrder(std::string_view order)
{
    OrderWords words;
    words.keyword = nextWord(order);
    words.target = nextWord(order);
    if (!order.empty())
        order.remove_prefix(1);  // the blank that separates the comment
    words.comment = order;
    return words;
}

bool HasBlankOrBackslash(std::string_view text)
{
    return text.find_first_of(" \t\\") != std::string_view::npos;
}

bool OrderCanBeWritten(const settings::SettingsModel& model, const std::string& order)
{
    if (!model.table() || !model.recordLoaded()) {
        ErrorBox(str::AlarmDatabaseNotOpened, config::MailboxTablePath());
        return false;
    }
    const int position = mailbox::PositionOfLogicalName("text_opt1");
    const mailbox::ValueCheck fits = mailbox::CheckFieldValue(*model.table(), position, order, true);
    if (fits.problem != mailbox::ValueProblem::None) {
        if (fits.problem == mailbox::ValueProblem::LineBreak)
            ErrorBox(kOneLine);
        else
            ErrorBox(kTooLong, std::to_string(fits.width));
        return false;
    }
    return true;
}

}  // namespace kx::watchers
