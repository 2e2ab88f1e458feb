#pragma once
// "XML Settings": alarm display on XML phones (ShowXML of kxaconf.ini,
// section kxaxml of kxalarm.ini). The phone type and the image path are
// enabled only while the display is active.

#include "settings/SettingsModel.h"

namespace kx::integration {

class XmlSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "xml";
    static constexpr Text kTitle = KX_TEXT("XmlSettings", "XML Settings");

    XmlSettings();
};

}  // namespace kx::integration
