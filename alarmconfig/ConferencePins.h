#pragma once
// The pin codes of the pool conferences: each conference number from
// "FirstConferenceNbr" to "LastConferenceNbr" (section "Config" of
// kxaconfpool.ini) may have a pin of four digits (section "PinCodes", key =
// the conference number, value "%04d"), by which a caller joins it. A pin
// names one conference, so two numbers of the range never share one.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx::alarmconfig {

class ConferencePins {
public:
    static constexpr Text kTitle = KX_TEXT("ConferencePins", "Edit conference pin codes");
    static constexpr const char* kIni = "kxaconfpool.ini";
    static constexpr const char* kSection = "PinCodes";
    static constexpr long kHighestPin = 9999;

    struct Entry {
        long number = 0;
        std::string pin;  // as stored (Windows-1252); empty when the number has none
    };

    // Reads the range and the pins.
    void load();
    // One entry per conference number of the range, in order.
    const std::vector<Entry>& entries() const { return m_entries; }

    // Stores `pinText` (digits, blanks around allowed, 0 to 9999) as the pin
    // of `number`, read afresh first. Refused with a message, nothing
    // written: a number outside the range, a pin that is no such number, a
    // pin another number of the range has; a failed write is reported.
    bool setPin(long number, std::string_view pinText);

private:
    std::vector<Entry> m_entries;
};

}  // namespace kx::alarmconfig
