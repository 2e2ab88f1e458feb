#pragma once
// "Incoming call and alarm-in settings": what the start module does with a
// dialled number that is no alarm-in (start a default alarm-in or a script
// module), an optional module run first for every call with its comment,
// and the caller display message on incoming calls (section kxastart of
// kxalarm.ini).

#include "settings/SettingsModel.h"

namespace kx::integration {

class IncomingCallSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "incoming-calls";
    static constexpr Text kTitle = KX_TEXT("IncomingCallSettings", "Incoming call and alarm-in settings");

    IncomingCallSettings();

    // The comment's stored form: a carriage return is kept as "|", a line
    // feed as the byte 0xA6 (the peers read it so), and back.
    static std::string EncodeComment(std::string_view lines);
    static std::string DecodeComment(std::string_view stored);

    // The comment is a text of several lines: the one-line rule of a text
    // value does not apply to it.
    settings::Change change(std::string_view name, std::string_view input) override;

protected:
    void fill() override;
    void changed(std::string_view name) override;
    void collectWrites(settings::IniWrites& writes) const override;
    // The display message needs lines started with rings=-1: tell the
    // operator when the line table says otherwise (the setting stays saved).
    void afterWrite() override;
};

}  // namespace kx::integration
