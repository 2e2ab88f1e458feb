#include "core/Autostart.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace kx::autostart {

namespace {

constexpr Text kNotWritten = KX_TEXT("Autostart", "The autostart list %1 could not be written !\n%2");
constexpr Text kListFull = KX_TEXT(
    "Autostart",
    "%1 was not added to the autostart list: the entries Startup_1 to Startup_%2 of kxtserv.ini are all in use.");

// Long enough for any value a line of the file can hold: the match is on the
// whole stored value, never on a cut.
constexpr std::size_t kWholeValue = 65536;

std::string slotSection(int slot)
{
    return "Startup_" + std::to_string(slot);
}

std::string slotValue(int slot, const char* key)
{
    return ProfileString(kListFile, slotSection(slot), key, "", kWholeValue);
}

std::string folded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(static_cast<char>(FoldCp1252(static_cast<unsigned char>(c))));
    return out;
}

bool containsNoCase(const std::string& value, const char* name)
{
    return folded(value).find(folded(name)) != std::string::npos;
}

bool write(int slot, const std::vector<KeyValue>& keys)
{
    std::vector<ProfileEdit> edits;
    for (const KeyValue& kv : keys)
        edits.push_back({slotSection(slot), kv.key, kv.value});
    if (WritePrivateProfileEdits(edits, SitePaths::profileFile(kListFile).c_str()))
        return true;
    ErrorBox(kNotWritten, kListFile, ProfileLastError());
    return false;
}

}  // namespace

const Row kServerWatcher{
    "kxaping",
    true,
    29,
    true,
    str::AddPingToAutostart,
    {{"Program", "kxe.exe"},
     {"Params", "kxaping 1"},
     {"Enabled", "1"},
     {"RunSystem", "0"},
     {"Minimized", "1"},
     {"Duration", "4"}},
    {{"Enabled", "1"}, {"RunSystem", "0"}},
    {{"Enabled", "1"}, {"RunSystem", "0"}},
};

const Row kServiceWatcher{
    "kxaservw",
    true,
    29,
    true,
    str::AddServiceWatcherToAutostart,
    {{"Program", "kxe.exe"},
     {"Params", "kxaservw 1"},
     {"Enabled", "1"},
     {"RunSystem", "0"},
     {"Minimized", "1"},
     {"Duration", "4"}},
    {{"Enabled", "1"}, {"RunSystem", "0"}},
    {{"Enabled", "1"}, {"RunSystem", "0"}},
};

const Row kMasterSlave{
    "kxamaster",
    false,
    19,
    false,
    str::MasterSlaveNotActive,
    {{"Program", "kxamaster.exe"},
     {"Params", ""},
     {"Enabled", "1"},
     {"Minimized", "1"},
     {"RunSystem", "1"},
     {"Duration", "0"}},
    {{"Params", ""}, {"Enabled", "1"}, {"Minimized", "1"}, {"RunSystem", "1"}, {"Duration", "0"}},
    {},
};

// Found by its Program, the slot runs the module directly: its Params are
// emptied. Found by its Params, they name the module and stay.
const Row kEmailReceiver{
    "kxaemailin",
    true,
    19,
    false,
    str::EmailModuleNotStarted,
    {{"Program", "kxe.exe"},
     {"Params", "kxaemailin 1"},
     {"Enabled", "1"},
     {"Minimized", "1"},
     {"RunSystem", "0"},
     {"Duration", "0"}},
    {{"Params", ""}, {"Enabled", "1"}, {"Minimized", "1"}, {"RunSystem", "0"}, {"Duration", "0"}},
    {{"Enabled", "1"}, {"Minimized", "1"}, {"RunSystem", "0"}, {"Duration", "0"}},
};

Lookup Find(const Row& row)
{
    Lookup found;
    for (int slot = 1; slot <= row.lastSlot; ++slot) {
        const std::string program = slotValue(slot, "Program");
        if (program.empty()) {
            if (found.freeSlot == 0)
                found.freeSlot = slot;
            if (row.stopAtFreeSlot)
                break;
            continue;
        }
        if (containsNoCase(program, row.module)) {
            found.slot = slot;
            break;
        }
        if (row.searchParams && containsNoCase(slotValue(slot, "Params"), row.module)) {
            found.slot = slot;
            found.foundInParams = true;
            break;
        }
    }
    return found;
}

std::vector<Slot> ListedSlots()
{
    std::vector<int> numbers;
    for (const std::string& name : ProfileSectionNames(kListFile)) {
        // Startup_<n> as Register() names it: no sign, no leading zero.
        constexpr std::string_view kPrefix = "Startup_";
        if (name.size() <= kPrefix.size() || !EqualsNoCase(std::string_view(name).substr(0, kPrefix.size()), kPrefix) ||
            name.find_first_not_of("0123456789", kPrefix.size()) != std::string::npos ||
            name.size() - kPrefix.size() > 9 || name[kPrefix.size()] == '0')
            continue;
        numbers.push_back(std::stoi(name.substr(kPrefix.size())));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<Slot> slots;
    for (int n : numbers) {
        Slot slot{n,
                  slotValue(n, "Program"),
                  slotValue(n, "Params"),
                  slotValue(n, "Enabled"),
                  slotValue(n, "Minimized"),
                  slotValue(n, "RunSystem"),
                  slotValue(n, "Duration")};
        if (!slot.program.empty())
            slots.push_back(std::move(slot));
    }
    return slots;
}

Outcome Register(const Row& row)
{
    const Lookup found = Find(row);
    if (found.slot != 0) {
        if (ProfileInt(kListFile, slotSection(found.slot), "Enabled", 0) == 1)
            return Outcome::AlreadyEnabled;
        if (!ConfirmBox(row.question, false))
            return Outcome::Declined;
        const std::vector<KeyValue>& keys = found.foundInParams ? row.reenableParams : row.reenableFound;
        return write(found.slot, keys) ? Outcome::Enabled : Outcome::WriteFailed;
    }
    if (!ConfirmBox(row.question, false))
        return Outcome::Declined;
    if (found.freeSlot == 0) {
        InfoBox(kListFull, row.module, std::to_string(row.lastSlot));
        return Outcome::NoFreeSlot;
    }
    return write(found.freeSlot, row.newEntry) ? Outcome::Added : Outcome::WriteFailed;
}

}  // namespace kx::autostart
