#pragma once
// The Qt tests of settings dialogs: a demo site made once per test program,
// the message boxes recorded, a registered dialog opened by name (loaded for
// one key when it is a dialog of one alarm) and its widgets found by name.
// A test class holds one as a member and calls build() in initTestCase().

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>
#include <QtTest>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

namespace kx::test {

class SettingsDialogFixture {
public:
    TempSite site;
    RecordingMessageBoxes boxes;
    std::unique_ptr<settings::SettingsModel> model;
    std::unique_ptr<ui::SettingsDialog> dialog;

    // The demo site; call in initTestCase() and check the result with QVERIFY2.
    std::string build()
    {
        std::filesystem::remove_all(site.root());
        std::string error;
        return ctl::DemoSite::build(site.root(), error) ? std::string() : error;
    }
    // Closes the dialog and forgets the messages; call in cleanup().
    void reset()
    {
        dialog.reset();
        boxes.clear();
    }

    // Opens the dialog `name` as the window does; a dialog of one alarm for `key`.
    void open(const std::string& name, long key = ctl::DemoSite::kSampleAlarmKey)
    {
        dialog.reset();
        const settings::SettingsDialogEntry* entry = settings::FindSettingsDialog(name);
        if (!entry)
            qFatal("no settings dialog %s", name.c_str());
        model = entry->make();
        if (entry->perAlarm)
            model->load(key);
        else
            model->load();
        dialog = ui::MakeSettingsDialog(*model, nullptr);
        if (!dialog)
            qFatal("no widget for the dialog %s", name.c_str());
        dialog->show();
    }
    // The same after `file` (relative to the site) was given `contents`.
    void open(const std::string& name, const std::string& file, const std::string& contents)
    {
        site.write(file, contents);
        open(name);
    }

    template <typename W>
    W* find(const char* name) const
    {
        W* w = dialog->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    // Which of `names` are enabled, as a string of 1 and 0.
    QString enabled(std::initializer_list<const char*> names) const
    {
        QString out;
        for (const char* n : names)
            out += find<QWidget>(n)->isEnabled() ? '1' : '0';
        return out;
    }
    void press(QDialogButtonBox::StandardButton which) const { dialog->buttonBox()->button(which)->click(); }
    // A click on the item `index` of a list.
    void choose(const char* list, int index) const
    {
        find<QComboBox>(list)->setCurrentIndex(index);
        emit find<QComboBox>(list)->activated(index);
    }
    std::string read(const std::string& file) const { return site.read(file); }
    std::string alarmIni() const { return read("windows/kxalarm.ini"); }
    bool holds(const std::string& file, const std::string& text) const
    {
        return read(file).find(text) != std::string::npos;
    }
};

}  // namespace kx::test
