#pragma once
// The about box: "Info about kxalarm" with the program icon, the version
// line and the maker's contact lines.

#include <QDialog>

namespace kx::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace kx::ui
