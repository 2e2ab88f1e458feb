#include "settings/SettingsRegistry.h"

#include "settings/GeneralSettings.h"

namespace kx::settings {

void SettingsRegistry::add(SettingsDialogEntry entry)
{
    for (SettingsDialogEntry& e : m_entries) {
        if (e.name == entry.name) {
            e = std::move(entry);
            return;
        }
    }
    m_entries.push_back(std::move(entry));
}

const SettingsDialogEntry* SettingsRegistry::find(const std::string& name) const
{
    for (const SettingsDialogEntry& e : m_entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

void RegisterSettingsDialogs(SettingsRegistry& registry)
{
    registry.add({"general", "General settings: key ranges, ISDN connection, PBX protocol, dial prefix",
                  "QsigPbx\tthe list \"PABX QSIG protocol:\" (NONE, ABC, Cornet)\n"
                  "IsdnPbx\tthe list \"PABX ISDN protocol:\" (NONE, ISVPN)",
                  [] { return std::make_unique<GeneralSettings>(); }});
}

}  // namespace kx::settings
