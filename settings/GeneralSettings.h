#pragma once
// "General settings": the alarm and alarm-in key ranges, the ISDN connection
// with its protocol (QSIG or normal ISDN) and PBX protocol variant, the send
// options, the calling party number and the external dial prefix.
//
// The ISDN check box and the protocol radio group are two values ("ISDN"
// holds the check box, "E1Protocol" the radio group), so the protocol chosen
// survives switching ISDN off and on. kxalarmctl shows "ISDN" as it is
// stored: "0", "1" (normal ISDN) or "QSIG". The two PBX lists are "QsigPbx"
// and "IsdnPbx"; "PBX_Protocol" shows what OK would store from them.

#include "core/Configuration.h"
#include "settings/SettingsModel.h"

namespace kx::settings {

class GeneralSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "general";
    static constexpr Text kTitle = KX_TEXT("GeneralSettings", "General settings");

    GeneralSettings();

    // The four key-range values the dialog holds (after Cancel: as loaded).
    config::KeyRanges keyRanges() const;

protected:
    bool check() override;
    void collectWrites(IniWrites& writes) const override;
};

}  // namespace kx::settings
