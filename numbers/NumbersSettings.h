#pragma once
// The settings dialogs of number handling, by name for kxalarmctl:
// "ddi-converter" and "ddi-cli-scanner".

#include "settings/SettingsRegistry.h"

namespace kx::numbers {

void RegisterSettingsDialogs(settings::SettingsRegistry& registry);

}  // namespace kx::numbers
