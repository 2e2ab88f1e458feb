#include "integration/XmlSettings.h"

#include "console/CommandIds.h"
#include "settings/SettingsRegistry.h"

namespace kx::integration {

namespace {

using namespace settings;

const Registration<XmlSettings> kRegistration(console::cmd::XmlSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxaxml";

constexpr Text kActive = KX_TEXT("XmlSettings", "Active XML alarmsettings");
constexpr Text kFirstType = KX_TEXT("XmlSettings", "XML for Cisco phones");
constexpr Text kSecondType = KX_TEXT("XmlSettings", "XML for Alcatel phones");
constexpr Text kImagePath = KX_TEXT("XmlSettings", "Path for image-files:");

}  // namespace

XmlSettings::XmlSettings()
    : SettingsModel(kName, kTitle,
                    {
                        CheckSetting("ShowXML", "kxaconf.ini", "Config", false).label(kActive),
                        RadioSetting("XmlType", kFile, kSection, "0", {{"0", kFirstType, {}}, {"1", kSecondType, {}}})
                            .asNumber()
                            .when("ShowXML"),
                        TextSetting("ImagePath", kFile, kSection, "\\dbv1\\", 128).label(kImagePath).when("ShowXML"),
                    })
{}

}  // namespace kx::integration
