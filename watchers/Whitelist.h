#pragma once
// "Settings for whitelist": the numbers that may launch an alarm-in's alarm.
// Whitelists are named sections of kxawhitelist.ini, one phone number per key
// "1" to "50"; section "Lists" names them in slots "1" to "49", and the
// alarm-in's record refers to its list by slot number (type_phone; 0 or a
// slot without a name: no whitelist). Several alarms-in may share a list.
//
// The model of the dialog: the list selector (an editable list: its text is
// the current list's name), the numbers of the current list as shown, and
// the buttons. "Add" and "Delete" beside the selector write at once; the
// numbers are written by Save, which also makes the current list the
// alarm-in's. Names are compared without regard to case, as section names
// are. Every refusal shows its message and changes nothing.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <vector>

namespace kx::watchers {

constexpr const char* kWhitelistFile = "kxawhitelist.ini";
constexpr int kLastListSlot = 49;
constexpr int kMaxNumbers = 50;
constexpr std::size_t kMaxNameLength = 39;
constexpr std::size_t kMaxNumberLength = 39;

struct WhitelistEntry {
    int slot = 0;      // 1 to 49
    std::string name;  // Windows-1252
};

class Whitelist {
public:
    // Loads for an alarm-in: the lists, its list (when its slot has a name)
    // and that list's numbers. False (with a message) when the mailbox
    // table does not open or the key is no alarm-in.
    bool open(long alarmInKey);
    long key() const { return m_key; }
    // 61618 "Whitelist settings for %1" with the key (UTF-8).
    std::string frameTitle() const;

    // The selector's entries in slot order, its text, and the numbers shown
    // (sorted byte by byte). Windows-1252.
    const std::vector<WhitelistEntry>& lists() const { return m_lists; }
    const std::string& name() const { return m_name; }
    const std::vector<std::string>& numbers() const { return m_numbers; }

    // The selector's text was chosen or typed: the name of a list makes it
    // the current list with its stored numbers (unless it already is);
    // another name is kept for Save, which adds that list, and the numbers
    // shown stay.
    bool select(std::string_view name);
    // "Add": the typed name, or the key when empty. A list of that name is
    // selected with its numbers; otherwise the name goes into the first
    // free slot and becomes the current list, without numbers.
    bool addList(std::string_view typed);
    // "Delete": frees the slot of the current list (its section stays).
    // When other alarms-in use it, asks first (No is the default); every
    // alarm-in that used it, this one too, then refers to no list. The
    // selector's first entry becomes the current list.
    bool deleteList();
    // "Add number": the number is trimmed; one already shown is ignored.
    bool addNumber(std::string_view typed);
    // "Delete number" on the selected numbers; one number (kxalarmctl): a
    // number that is not shown is refused.
    void removeNumbers(const std::vector<std::string>& numbers);
    bool removeNumber(std::string_view number);
    // "Apply" / "Save": the current list (named after the key when no name
    // is given) gets a slot if it has none, its keys 1 to 50 hold the
    // numbers shown (keys behind them that hold a value are emptied), and
    // the alarm-in refers to it. Nothing is written when a check fails.
    bool save();

private:
    void readLists();
    int slotOf(std::string_view name) const;
    int firstFreeSlot() const;
    void loadNumbers();
    bool acceptName(std::string_view typed, std::string& name) const;

    long m_key = -1;
    std::vector<WhitelistEntry> m_lists;
    std::string m_name;
    std::vector<std::string> m_numbers;
};

}  // namespace kx::watchers
