#pragma once
// "Server / Network watcher" of one alarm: the server watcher pings the
// address and starts the alarm when it does not answer. The order is the
// alarm's comment, "KXAPING <address> <comment>" (see WatchOrder.h); a
// comment without "KXAPING" opens with both fields empty.
//
// OK refuses an address without a "." (or beginning with one), shorter
// than 7 characters, or holding a blank or a backslash; it then asks, writes
// the comment into the alarm's record and registers the server watcher for
// autostart. A mailbox table that does not open is reported and nothing is
// written.

#include "settings/SettingsModel.h"

namespace kx::watchers {

class ServerWatch final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "server-watch";
    static constexpr Text kTitle = KX_TEXT("ServerWatch", "Server / Network watcher");
    // The sentence around the alarm key (%1).
    static constexpr Text kIntro =
        KX_TEXT("ServerWatch", "If the IP address does not respond to a ping, the alarm %1 is started.");

    ServerWatch();

    // The comment OK writes.
    std::string order() const;

protected:
    void fill() override;
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
    void afterWrite() override;
};

}  // namespace kx::watchers
