#pragma once
// "Record / play the alarm message": the platform's job queue calls a phone
// number and runs the recording module for an alarm or alarm-in, so that the
// operator can speak its message.
//
// The last ten dialled numbers are kept in section "LastDialed" of
// kxrecalr.ini ("Nbr0" the newest). A number longer than
// "AddPrefixIfNbrLongerDigits" digits (section "config" of kxalarm.ini,
// "6" written when missing or empty) is dialled with "ExtDialPrefix" in
// front ("0" when empty). The number becomes an argument of the job, so it
// is checked before anything is stored or posted.

#include "platform/Text.h"

#include <array>
#include <string>
#include <string_view>

namespace kx::alarmconfig {

class MessageRecording {
public:
    static constexpr Text kTitle = KX_TEXT("MessageRecording", "Record / play the alarm message");
    static constexpr const char* kHistoryIni = "kxrecalr.ini";
    static constexpr const char* kHistorySection = "LastDialed";
    static constexpr std::size_t kHistorySize = 10;
    static constexpr std::size_t kMaxNumberLength = 40;
    static constexpr const char* kModuleFile = "_rec1am.kxe";
    static constexpr const char* kJobQueue = "kxtque";

    enum class Kind {
        Alarm,
        AlarmIn
    };
    enum class Outcome {
        Refused,        // the number cannot be dialled: nothing stored or posted
        ModuleMissing,  // the history is stored, no job posted
        NotStarted,     // the job queue program did not start
        Posted
    };
    using History = std::array<std::string, kHistorySize>;

    // `name` as the list shows it (Windows-1252).
    MessageRecording(Kind kind, long key, std::string name);

    // As the dialog opens: repairs AddPrefixIfNbrLongerDigits, reads the
    // history and the prefix.
    void load();

    // The frame's text (UTF-8): kind, key and the name, cut to 20 characters.
    std::string frameText() const;
    // "Nbr0" to "Nbr9" as stored (Windows-1252).
    const History& history() const { return m_history; }
    // The prefix note (UTF-8); empty when ExtDialPrefix is empty.
    std::string note() const;

    // "Dial selected number" with the entered number (Windows-1252): checks
    // it, stores it in the history, posts the recording job and tells the
    // operator what happened.
    Outcome dial(std::string_view entered);
    // The number the last posted job calls (prefix included).
    const std::string& dialledNumber() const { return m_dialled; }

private:
    Kind m_kind;
    long m_key;
    std::string m_name;
    History m_history;
    std::string m_longerThan;  // AddPrefixIfNbrLongerDigits as stored
    std::string m_prefix;      // ExtDialPrefix as stored
    std::string m_dialled;
};

}  // namespace kx::alarmconfig
