#pragma once
// The settings dialogs by name, for kxalarmctl: each model library adds its
// dialogs through its own registration function, which kxalarmctl calls
// once (an explicit call, because the linker drops unreferenced objects of
// a static library and with them any self-registration).

#include "settings/SettingsModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kx::settings {

struct SettingsDialogEntry {
    std::string name;     // "general", "ddi-converter" ...
    std::string summary;  // one line for --help
    // Short names of values that have no key of their own, with what they
    // stand for ("QsigPbx\tthe PABX QSIG protocol list"), one per line.
    std::string shortNames;
    std::function<std::unique_ptr<SettingsModel>()> make;
};

class SettingsRegistry {
public:
    // A second entry of the same name replaces the first.
    void add(SettingsDialogEntry entry);
    const SettingsDialogEntry* find(const std::string& name) const;
    const std::vector<SettingsDialogEntry>& entries() const { return m_entries; }

private:
    std::vector<SettingsDialogEntry> m_entries;
};

// The dialogs of this library: "general".
void RegisterSettingsDialogs(SettingsRegistry& registry);

}  // namespace kx::settings
