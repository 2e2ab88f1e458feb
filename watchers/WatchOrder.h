#pragma once
// Watch orders: the server watcher and the service and process watcher scan
// a range of alarms and take every alarm whose comment begins with their
// keyword as one order, its words separated by single blanks:
//
//     KXAPING <address> <comment>
//     KXASERVW <address>\<service> <comment>
//     KXAPROCW <address>\<process> <comment>
//
// The comment is everything after the second word, blanks included, so that
// an order opened and saved unchanged keeps every word. The dialogs of one
// alarm read and write the order in the alarm's comment field.

#include "settings/SettingsModel.h"

#include <string>
#include <string_view>

namespace kx::watchers {

struct OrderWords {
    std::string keyword;  // the first word
    std::string target;   // the second: the address, or address\name
    std::string comment;  // the rest after the blank behind the second word
};

// Splits a stored comment at blanks (leading blanks skipped).
OrderWords SplitOrder(std::string_view order);

// The watchers split on blanks and backslashes: a value holding one would
// be read as another address or name.
bool HasBlankOrBackslash(std::string_view text);

// The checks every order passes before OK asks its question: the mailbox
// table is open with the alarm's record read (else 61499 with its path),
// and the order fits the comment field (else a message naming its width).
bool OrderCanBeWritten(const settings::SettingsModel& model, const std::string& order);

}  // namespace kx::watchers
