#pragma once
// "Call handling settings": when and how often the alarm server posts a
// dial job again (after an ISDN error, a busy number, or a dialling time
// that was too short) and into which post queue.
//
// Each queue option is a key of "kxadlko" holding a queue number, or the
// empty text when the option is off. "<key>Box" is its check box (derived
// from the key, never stored on its own) and "<key>List" its queue list;
// kxalarmctl knows the option by the key's name, shows it as stored and
// `--set KEY=3` sets box and queue, `--set KEY=` clears the box.

#include "settings/SettingsModel.h"

namespace kx::settings {

class CallHandlingSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "call-handling";
    static constexpr Text kTitle = KX_TEXT("CallHandlingSettings", "Call handling settings");

    CallHandlingSettings();

protected:
    bool check() override;
    void collectWrites(IniWrites& writes) const override;

private:
    std::vector<std::string> m_queueWrites;  // what OK stores for each queue key (set by check())
};

}  // namespace kx::settings
