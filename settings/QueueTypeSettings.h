#pragma once
// "Settings for special postqueue types": for post queue n (1 to 9) the
// personnel editor offers the special phone type "PQ<n>". Key PostQueue<n>
// of "PostQueueTypes" in kxpers.ini holds "PQ<n>" or the empty text; only
// exactly that text sets the box. Opened from the personnel settings.

#include "settings/SettingsModel.h"

namespace kx::settings {

class QueueTypeSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "special-types";
    static constexpr Text kTitle = KX_TEXT("QueueTypeSettings", "Settings for special postqueue types");

    QueueTypeSettings();
};

}  // namespace kx::settings
