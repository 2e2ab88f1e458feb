#pragma once
// The refresh messages the background threads send or post to the main
// view, and the interface through which they reach it. "Send" waits until
// the view has handled the message; "post" returns at once. The view's
// implementation delivers both on the user-interface thread.

namespace kx {

enum ViewMessage : int {
    WM_ALARMS_CHANGED = 1025,     // refill the alarm list
    WM_ALARMS_IN_CHANGED = 1026,  // refill the alarm-in list
    WM_MEMBERS_CHANGED = 1027,    // refill the member list of the selected group
    WM_GROUPS_CHANGED = 1028,     // reload the group table into the group selector
};

class ViewMessenger {
public:
    virtual ~ViewMessenger() = default;
    virtual void send(ViewMessage message) = 0;
    virtual void post(ViewMessage message) = 0;
};

}  // namespace kx
