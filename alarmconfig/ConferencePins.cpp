#include "alarmconfig/ConferencePins.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "settings/SettingsModel.h"

#include <cstdio>
#include <cstdlib>

namespace kx::alarmconfig {

namespace {

constexpr Text kNotInRange = KX_TEXT("ConferencePins", "%1 is not a conference number of the conference pool (%2).");
constexpr Text kNotAPin = KX_TEXT("ConferencePins", "The pin code \"%1\" must be a number from 0 to 9999.");
constexpr Text kPinTaken = KX_TEXT("ConferencePins", "The pin code %1 is already used by conference number %2.");
constexpr Text kNotWritten = KX_TEXT("ConferencePins", "The pin code could not be written to %1 !\n%2");

// A hand-edited range could hold millions of numbers; the list shows at most this many.
constexpr long kMaxEntries = 10000;

// A pin as a number: 1 to 4 digits, blanks around them allowed; -1 otherwise.
long pinValue(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string_view::npos || end - begin + 1 > 4)
        return -1;
    long value = 0;
    for (char c : text.substr(begin, end - begin + 1)) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

void ConferencePins::load()
{
    m_entries.clear();
    const long first = settings::ProfileNumber(kIni, "Config", "FirstConferenceNbr", 1);
    const long last = settings::ProfileNumber(kIni, "Config", "LastConferenceNbr", 99);
    for (long number = first; number <= last && number - first < kMaxEntries; ++number)
        m_entries.push_back({number, ProfileString(kIni, kSection, std::to_string(number))});
}

bool ConferencePins::setPin(long number, std::string_view pinText)
{
    load();
    const std::string numberText = std::to_string(number);
    if (m_entries.empty() || number < m_entries.front().number || number > m_entries.back().number) {
        const std::string range = m_entries.empty() ? std::string("-")
                                                    : std::to_string(m_entries.front().number) + "-" +
                                                          std::to_string(m_entries.back().number);
        ErrorBox(kNotInRange, numberText, range);
        return false;
    }
    const long pin = pinValue(pinText);
    if (pin < 0 || pin > kHighestPin) {
        ErrorBox(kNotAPin, pinText);
        return false;
    }
    for (const Entry& e : m_entries) {
        if (e.number != number && pinValue(e.pin) == pin) {
            ErrorBox(kPinTaken, e.pin, std::to_string(e.number));
            return false;
        }
    }
    char stored[8];
    std::snprintf(stored, sizeof stored, "%04ld", pin);
    if (!WriteProfileString(kIni, kSection, numberText, stored)) {
        ErrorBox(kNotWritten, kIni, ProfileLastError());
        return false;
    }
    m_entries[static_cast<std::size_t>(number - m_entries.front().number)].pin = stored;
    return true;
}

}  // namespace kx::alarmconfig
