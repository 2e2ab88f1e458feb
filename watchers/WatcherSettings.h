#pragma once
// "Server / Service / Process watcher settings": the alarm keys the server
// watcher (kxaping.ini) and the service and process watcher (kxaservw.ini)
// scan for watch orders, how often they check and how long they pause after
// starting an alarm. Both files hold the same four keys of section
// Settings, so the values are named "ping.<key>" and "servw.<key>". OK writes
// all eight as decimal text, kxaping.ini first.

#include "settings/SettingsModel.h"

namespace kx::watchers {

class WatcherSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "watchers";
    static constexpr Text kTitle = KX_TEXT("WatcherSettings", "Server / Service / Process watcher settings");

    WatcherSettings();
};

}  // namespace kx::watchers
