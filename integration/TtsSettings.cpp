#include "integration/TtsSettings.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/Registry.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "settings/SettingsRegistry.h"

namespace kx::integration {

namespace {

using namespace settings;

const Registration<TtsSettings> kRegistration(console::cmd::TtsSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxatts";
constexpr const char* kSvoxKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS";
constexpr const char* kLoquendoKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\loquendo";
constexpr std::size_t kStartupPathSize = 128;

constexpr Text kActive = KX_TEXT("TtsSettings", "Acivate dynamic alarmmessage generation with Text To Speech.\nThe "
                                                "TTS Program from SVOX or Loquendo is needed for this function.");
constexpr Text kRange =
    KX_TEXT("TtsSettings", "Specify an alarmmessage where the dynamic message generation is active");
constexpr Text kFirst = KX_TEXT("TtsSettings", "First alarm number:");
constexpr Text kLast = KX_TEXT("TtsSettings", "Last alarm number:");
constexpr Text kWait =
    KX_TEXT("TtsSettings", "Wait for alarm-wavefile to be generate, before continueing with the alarm");
constexpr Text kUseExisting =
    KX_TEXT("TtsSettings", "Do not generate an alarm-message if an alarmmessage already exists for the alarm");

// SVOX names an existing path, or the Loquendo key exists.
bool ttsProgramInstalled()
{
    if (std::optional<std::string> path = RegistryValue(kSvoxKey, "StartupPath")) {
        if (path->size() >= kStartupPathSize)
            path->resize(kStartupPathSize - 1);
        if (!path->empty() && SitePaths::exists(*path))
            return true;
    }
    return RegistryKeyExists(kLoquendoKey);
}

}  // namespace

TtsSettings::TtsSettings()
    : SettingsModel(kName, kTitle,
                    {
                        CheckSetting("Active", kFile, kSection, false).label(kActive),
                        CheckSetting("TtsRange", {}, {}, false).label(kRange).when("Active").notWrittenOnOk(),
                        IntSetting("FirstAlarmKey", kFile, kSection, 0).label(kFirst).when("TtsRange"),
                        IntSetting("LastAlarmKey", kFile, kSection, 0).label(kLast).when("TtsRange"),
                        CheckSetting("WaitForWavfile", kFile, kSection, false).label(kWait).when("Active"),
                        CheckSetting("UseAlrMsgIfExistent", kFile, kSection, false).label(kUseExisting).when("Active"),
                    })
{}

void TtsSettings::fill()
{
    set("TtsRange", number("FirstAlarmKey") > 9 && number("LastAlarmKey") > 9 ? "1" : "0");
}

bool TtsSettings::check()
{
    if (!isOn("Active"))
        return true;
    // Both checks run, so that the operator learns all that is missing.
    bool ready = true;
    if (FindProgram(SitePaths::workingDirectory() + "/kxtts.exe").empty()) {
        ErrorBox(str::TtsProgramMissing);
        ready = false;
    }
    if (!ttsProgramInstalled()) {
        ErrorBox(str::NoTtsApplication);
        ready = false;
    }
    if (!ready)
        set("Active", "0");
    return true;
}

void TtsSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"Active", "WaitForWavfile", "UseAlrMsgIfExistent"})
        addWrite(writes, name);
    const bool range = isOn("TtsRange");
    addWrite(writes, "FirstAlarmKey", range ? stored("FirstAlarmKey") : "0");
    addWrite(writes, "LastAlarmKey", range ? stored("LastAlarmKey") : "0");
}

}  // namespace kx::integration
