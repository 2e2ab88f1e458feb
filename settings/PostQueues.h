#pragma once
// The line server's post queues: queue n (1 to 9) is the table
// "\kxt\kxtpost<n>.dbf" with its index "\kxt\kxtpost<n>.ndx" and its group
// file "\kxt\kxtpost<n>.cgp"; 0 is the standard queue. Record i of a queue
// table stands for line i, and its T41 reads 0 when the line belongs to the
// queue, -9 when it does not.
//
// The queue list is what every queue selection offers; PostQueueCheck is
// "may this queue be stored", creating a missing queue from the line
// server's templates when the operator agrees.

#include "settings/SettingRow.h"

#include <map>
#include <string>
#include <vector>

namespace kx::settings {

constexpr int kPostQueueCount = 9;

// The stored Windows path of a file of queue n ("dbf", "ndx", "cgp").
std::string PostQueuePath(int n, const char* extension);

// The queue list: "Standard queue" for 0, then for each queue its lines or
// "not existent"; tokens "0" to "9" (the list position is the queue).
std::vector<Option> PostQueueItems();
ItemSource PostQueueSource();

// "May queue n be stored?" for one OK: ask() every queue first (the
// questions come before anything is written), then createAgreed() makes the
// queues the operator agreed to, then allowed() answers. A queue is asked
// about once per OK, however many options chose it.
class PostQueueCheck {
public:
    // Asks what queue n needs. false: its table exists but does not open;
    // that was reported, and OK must stop.
    bool ask(long n);
    // Copies the templates of every agreed queue; a failed copy is reported
    // and counts as "no".
    void createAgreed();
    // 0 always; 1 to 9 when the table opened or was created.
    bool allowed(long n) const;

private:
    enum class State {
        Allowed,
        Agreed,
        Declined
    };
    std::map<long, State> m_states;
};

// Makes queue n from the templates: both files appear under their names, or
// neither (nothing else is left in \kxt\); then the group file. false when
// the queue table was not made (reported).
bool CreatePostQueue(int n);

}  // namespace kx::settings
