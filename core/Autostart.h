#pragma once
// Registration of the platform's companion programs in the autostart list of
// the voice platform's service (the sections "Startup_1", "Startup_2" ... of
// kxtserv.ini in the Windows directory). The settings dialogs of features that
// need such a program running call Register() after saving their own values:
// the program is looked up and, after asking the operator, added to a free
// slot or switched on again. The service starts it; the console never starts
// or stops it.
//
// One routine serves every program; what differs is a row of its own (the
// name searched, where, the slot range, the question and the keys written).

#include <string>
#include <vector>

namespace kx::autostart {

// The file of the autostart list (a bare name: Windows directory).
constexpr const char* kListFile = "kxtserv.ini";

struct KeyValue {
    const char* key;
    const char* value;
};

struct Row {
    const char* module;                    // lower-case name searched ("kxaping")
    bool searchParams;                     // also searched in Params (after Program)
    int lastSlot;                          // slots 1 .. lastSlot
    bool stopAtFreeSlot;                   // a free slot ends the scan (and takes a new entry)
    int question;                          // string number of the Yes/No question
    std::vector<KeyValue> newEntry;        // written into a free slot, in this order
    std::vector<KeyValue> reenableFound;   // a disabled slot found by its Program
    std::vector<KeyValue> reenableParams;  // a disabled slot found by its Params
};

// The four programs: the server watcher, the service and process watcher,
// the master / slave controller and the e-mail receive module.
extern const Row kServerWatcher;
extern const Row kServiceWatcher;
extern const Row kMasterSlave;
extern const Row kEmailReceiver;

enum class Outcome {
    AlreadyEnabled,  // registered and switched on: nothing asked, nothing written
    Declined,        // the operator said No: nothing written
    Enabled,         // a registered slot was switched on again
    Added,           // a new entry went into a free slot
    NoFreeSlot,      // Yes, but every slot of the range is in use (reported)
    WriteFailed,     // the list could not be written (reported, naming the file)
};

// Where the program stands in the list.
struct Lookup {
    int slot = 0;  // the registered slot, 0 when none
    bool foundInParams = false;
    int freeSlot = 0;  // the slot a new entry would take, 0 when none
};

// The scan of the row's range, without asking or writing. A slot whose
// Program is empty or missing is free and never counts as registered; the
// whole stored values are compared, without regard to case.
Lookup Find(const Row& row);

// A slot of the list as stored (the whole values).
struct Slot {
    int number = 0;  // Startup_<number>
    std::string program;
    std::string params;
    std::string enabled;
    std::string minimized;
    std::string runSystem;
    std::string duration;
};

// Every slot whose Program is not empty, in slot order.
std::vector<Slot> ListedSlots();

// Looks the program up, asks the row's question where the program is not
// registered or not switched on, and writes the row's keys on Yes (one
// locked batch). Failures are shown to the operator and returned.
Outcome Register(const Row& row);

}  // namespace kx::autostart
