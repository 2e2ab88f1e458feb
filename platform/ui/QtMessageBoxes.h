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
};

}  // namespace kx::ui
