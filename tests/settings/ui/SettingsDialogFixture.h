#pragma once
// What the settings dialogs' Qt tests share: a temporary site, recorded
// message boxes, a model of the dialog's type loaded from a kxalarm.ini
// given as bytes, the dialog shown on it, and access to its controls by name.

#include "tests/common/TempSite.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <string>

namespace kx::test {

template <typename Model, typename Dialog>
class SettingsDialogFixture {
protected:
    std::unique_ptr<TempSite> site;
    std::unique_ptr<RecordingMessageBoxes> boxes;
    std::unique_ptr<Model> model;
    std::unique_ptr<Dialog> dialog;

    // Call from the test class's init() and cleanup() slots.
    void setUpSite()
    {
        site = std::make_unique<TempSite>();
        boxes = std::make_unique<RecordingMessageBoxes>();
    }
    void tearDownSite()
    {
        dialog.reset();
        model.reset();
        boxes.reset();
        site.reset();
    }

    // Writes kxalarm.ini, loads the model and shows the dialog on it.
    void open(const std::string& alarmIni)
    {
        site->write("windows/kxalarm.ini", alarmIni);
        model = std::make_unique<Model>();
        model->load();
        dialog = std::make_unique<Dialog>(*model, nullptr);
        dialog->show();
    }

    template <typename W>
    W* find(const QString& name)
    {
        W* w = dialog->template findChild<W*>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }

    void press(QDialogButtonBox::StandardButton which) { dialog->buttonBox()->button(which)->click(); }
};

}  // namespace kx::test
