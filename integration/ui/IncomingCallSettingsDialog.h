#pragma once
// "Incoming call and alarm-in settings".

#include "integration/IncomingCallSettings.h"
#include "settings/ui/SettingsDialog.h"

#include <QPlainTextEdit>

namespace kx::ui {

// A text of several lines whose value joins its lines with CR LF, as the
// model holds it; a value shown and not edited comes back byte for byte.
class LinesEdit final : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString lines READ lines WRITE setLines USER true)
public:
    using QPlainTextEdit::QPlainTextEdit;
    QString lines() const;
    void setLines(const QString& lines);

private:
    QString m_value;  // as set
    QString m_shown;  // as shown then
};

class IncomingCallSettingsDialog final
    : public SettingsDialogFor<integration::IncomingCallSettings, IncomingCallSettingsDialog> {
    Q_OBJECT
public:
    IncomingCallSettingsDialog(integration::IncomingCallSettings& model, QWidget* parent);
};

}  // namespace kx::ui
