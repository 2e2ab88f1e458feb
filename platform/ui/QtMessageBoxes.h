#pragma once
// The console's message boxes: modal, owned by the active window, with the
// caption and icon of their kind. A box asked for from a background thread
// is shown on the user-interface thread while that thread waits.

#include "platform/MessageBoxes.h"

namespace kx::ui {

class QtMessageBoxes final : public MessageBoxHandler {
public:
    void showError(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text, bool defaultNo) override;
    void showInfo(const std::string& caption, const std::string& text) override;
    // A small dialog: the text, one radio button per answer (the default
    // checked), OK and Cancel.
    int askChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& choices,
                  int defaultChoice) override;
};

}  // namespace kx::ui
