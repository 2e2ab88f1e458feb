#pragma once
// "Select lines": a list of the 60 lines, several selectable.

#include "settings/SelectLines.h"
#include "settings/ui/SettingsDialog.h"

#include <QListWidget>

namespace kx::ui {

// The 60 entries "Line 01" .. "Line 60"; its value is the selected line
// numbers, ascending, joined by ",".
class LineList final : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString lines READ lines WRITE setLines NOTIFY linesChanged USER true)
public:
    explicit LineList(QWidget* parent);
    QString lines() const;
    void setLines(const QString& lines);
signals:
    void linesChanged();
};

class SelectLinesDialog final : public SettingsDialogFor<settings::SelectLines, SelectLinesDialog> {
    Q_OBJECT
public:
    SelectLinesDialog(settings::SelectLines& model, QWidget* parent);
};

}  // namespace kx::ui
