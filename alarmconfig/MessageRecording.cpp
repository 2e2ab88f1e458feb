#include "alarmconfig/MessageRecording.h"

#include "core/Configuration.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/ProgramLauncher.h"
#include "platform/SitePaths.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace kx::alarmconfig {

namespace {

constexpr Text kFrameAlarm = KX_TEXT("MessageRecording", "Play / record the message for the alarm %1 %2 ");
constexpr Text kFrameAlarmIn = KX_TEXT("MessageRecording", "Play / record the message for the alarm-in %1 %2 ");
constexpr Text kNote = KX_TEXT("MessageRecording", "If the phonenumber is longer then %1 digits, a %2 is "
                                                   "automatically added as prefix for external calls.");
constexpr Text kNotDiallable = KX_TEXT("MessageRecording", "The phone number '%1' can not be dialled.\nOnly digits, "
                                                           "* and # and a leading + are allowed.");
constexpr Text kModuleMissing =
    KX_TEXT("MessageRecording", "The module '_rec1am.kxe' to record specific alarm messages is not in the expected "
                                "location !\nPlease use the alarm-in type 'record alarm messages' to record alarm "
                                "messages\nPlease contact Quillon for further information.");
constexpr Text kDialling = KX_TEXT("MessageRecording", "Dialling the number %1 ");
constexpr Text kQueueNotStarted =
    KX_TEXT("MessageRecording", "The job queue program %1 could not be started, no number is dialled !\n%2");
constexpr Text kHistoryNotWritten =
    KX_TEXT("MessageRecording", "The last dialled numbers could not be written to %1 !\n%2");

constexpr const char* kPrefixLengthKey = "AddPrefixIfNbrLongerDigits";
constexpr const char* kDefaultPrefixLength = "6";
constexpr const char* kPrefixKey = "ExtDialPrefix";
constexpr const char* kDefaultPrefix = "0";
constexpr std::size_t kMaxNameShown = 20;

std::string historyKey(std::size_t i)
{
    return "Nbr" + std::to_string(i);
}

MessageRecording::History readHistory()
{
    MessageRecording::History history;
    for (std::size_t i = 0; i < history.size(); ++i)
        history[i] = ProfileString(MessageRecording::kHistoryIni, MessageRecording::kHistorySection, historyKey(i), {},
                                   MessageRecording::kMaxNumberLength + 1);
    return history;
}

// The entered number without blanks at both ends when it can be dialled:
// 1 to 40 characters of digits, '*' and '#', with an optional leading '+'.
std::optional<std::string> diallableNumber(std::string_view entered)
{
    const std::size_t begin = entered.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return std::nullopt;
    const std::string_view number = entered.substr(begin, entered.find_last_not_of(" \t") - begin + 1);
    if (number.size() > MessageRecording::kMaxNumberLength || number == "+")
        return std::nullopt;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (!((c >= '0' && c <= '9') || c == '*' || c == '#' || (c == '+' && i == 0)))
            return std::nullopt;
    }
    return std::string(number);
}

// A number other than the newest becomes the newest, the oldest is dropped;
// the newest changes nothing, and equal entries further down stay.
MessageRecording::History historyAfterDial(const MessageRecording::History& history, const std::string& number)
{
    if (history.front() == number)
        return history;
    MessageRecording::History after;
    after.front() = number;
    std::copy(history.begin(), history.end() - 1, after.begin() + 1);
    return after;
}

// Where the platform keeps the module: the working directory, then "\kxt\".
bool recordingModuleExists()
{
    return SitePaths::exists(MessageRecording::kModuleFile) ||
           SitePaths::exists(std::string("\\kxt\\") + MessageRecording::kModuleFile);
}

}  // namespace

MessageRecording::MessageRecording(Kind kind, long key, std::string name)
    : m_kind(kind),
      m_key(key),
      m_name(std::move(name))
{}

void MessageRecording::load()
{
    m_longerThan = ProfileString(config::kAlarmFile, "config", kPrefixLengthKey);
    if (m_longerThan.empty()) {
        m_longerThan = kDefaultPrefixLength;
        // When it cannot be written the rule still uses the default.
        WriteProfileString(config::kAlarmFile, "config", kPrefixLengthKey, m_longerThan);
    }
    m_prefix = ProfileString(config::kAlarmFile, "config", kPrefixKey);
    m_history = readHistory();
}

std::string MessageRecording::frameText() const
{
    const std::string name = m_name.size() > kMaxNameShown ? m_name.substr(0, kMaxNameShown) + "..." : m_name;
    return Tr(m_kind == Kind::Alarm ? kFrameAlarm : kFrameAlarmIn, std::to_string(m_key), Cp1252ToUtf8(name));
}

std::string MessageRecording::note() const
{
    return m_prefix.empty() ? std::string() : Tr(kNote, Cp1252ToUtf8(m_longerThan), Cp1252ToUtf8(m_prefix));
}

MessageRecording::Outcome MessageRecording::dial(std::string_view entered)
{
    const std::optional<std::string> number = diallableNumber(entered);
    if (!number) {
        ErrorBox(kNotDiallable, entered);
        return Outcome::Refused;
    }
    // Read afresh: another console may have dialled since the dialog opened.
    const History before = readHistory();
    const History after = historyAfterDial(before, *number);
    if (after != before) {
        std::vector<ProfileEdit> edits;
        for (std::size_t i = 0; i < after.size(); ++i)
            edits.push_back({kHistorySection, historyKey(i), after[i]});
        if (!WritePrivateProfileEdits(edits, kHistoryIni))
            ErrorBox(kHistoryNotWritten, SitePaths::profileFile(kHistoryIni), ProfileLastError());
    }
    m_history = after;

    if (!recordingModuleExists()) {
        ErrorBox(kModuleMissing);
        return Outcome::ModuleMissing;
    }
    std::string dialled = *number;
    const long longerThan = std::strtol(m_longerThan.c_str(), nullptr, 10);
    if (dialled.front() != '+' && static_cast<long>(dialled.size()) > longerThan)
        dialled = (m_prefix.empty() ? std::string(kDefaultPrefix) : m_prefix) + dialled;

    CommandLine job(std::string(kJobQueue) + " postjob 1 _rec1am");
    job.arg("-s1" + dialled).arg("-i1" + std::to_string(m_key));
    const LaunchResult started = StartProgram(job);
    if (!started.started) {
        ErrorBox(kQueueNotStarted, kJobQueue, started.error);
        return Outcome::NotStarted;
    }
    m_dialled = dialled;
    InfoBox(kDialling, dialled);
    return Outcome::Posted;
}

}  // namespace kx::alarmconfig
