#pragma once
// The refresh messages the background threads send or post to the main
// view, and the interface through which they reach it. "Send" waits until
// the view has handled the message; "post" returns at once. The view's
// implementation delivers both on the user-interface thread.

namespace kx {

// The values are the window message numbers the platform's programs know.
enum class ViewMessage : int {
    AlarmsChanged = 1025,    // refill the alarm list
    AlarmsInChanged = 1026,  // refill the alarm-in list
    MembersChanged = 1027,   // refill the member list of the selected group
    GroupsChanged = 1028,    // reload the group table into the group selector
};

class ViewMessenger {
public:
    virtual ~ViewMessenger() = default;
    virtual void send(ViewMessage message) = 0;
    virtual void post(ViewMessage message) = 0;
};

}  // namespace kx
