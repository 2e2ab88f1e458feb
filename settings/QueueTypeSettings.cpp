#include "settings/QueueTypeSettings.h"

#include "settings/PostQueues.h"
#include "settings/SettingsRegistry.h"

namespace kx::settings {

namespace {

const Registration<QueueTypeSettings> kRegistration(0);

constexpr Text kAddSpecialType =
    KX_TEXT("QueueTypeSettings", "Add special phonetype in personnel editor for postqueue %d");

std::vector<SettingRow> specialTypeRows()
{
    std::vector<SettingRow> rows;
    for (int n = 1; n <= kPostQueueCount; ++n) {
        const std::string number = std::to_string(n);
        rows.push_back(CheckSetting("PostQueue" + number, "kxpers.ini", "PostQueueTypes", false)
                           .flags("PQ" + number, "")
                           .label(kAddSpecialType));
    }
    return rows;
}

}  // namespace

QueueTypeSettings::QueueTypeSettings() : SettingsModel(kName, kTitle, specialTypeRows()) {}

}  // namespace kx::settings
