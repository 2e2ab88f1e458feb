// The extended settings dialog on a demo site: binding, the list enabled by
// its check box, OK and Cancel, and "Import" through the progress runner.

#include "importexport/ui/ExtendedSettingsDialog.h"
#include "app/ctl/DemoSite.h"
#include "platform/SitePaths.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace kx;

class ExtendedSettingsDialogTest : public QObject {
    Q_OBJECT

private:
    test::TempSite m_site;
    test::RecordingMessageBoxes m_boxes;

    struct Open {
        importexport::ExtendedSettings model;
        std::unique_ptr<ui::SettingsDialog> dialog;
        template <typename W>
        W* find(const char* name)
        {
            return dialog->findChild<W*>(QString::fromLatin1(name));
        }
    };
    std::unique_ptr<Open> open()
    {
        auto o = std::make_unique<Open>();
        o->model.load();
        o->dialog = ui::MakeSettingsDialog(o->model, nullptr);
        o->dialog->show();
        return o;
    }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
        SitePaths::configure(m_site.root(), {});
        QDir::setCurrent(QString::fromStdString(m_site.path("work")));
    }

    void bindsEnablesAndWritesOnOkOnly()
    {
        const std::string before = m_site.read("windows/kxalarm.ini");
        for (const bool ok : {false, true}) {
            auto o = open();
            QVERIFY2(o->dialog->bindingProblems().isEmpty(), qPrintable(o->dialog->bindingProblems().join('\n')));
            QCOMPARE(o->find<QLineEdit>("PersonsImportPath")->text(),
                     QString::fromStdString(m_site.path("work/kxpers.csv")));
            QVERIFY(!o->find<QComboBox>("ErrorNumber")->isEnabled());
            o->find<QCheckBox>("ErrorNumberActive")->click();
            QVERIFY(o->find<QComboBox>("ErrorNumber")->isEnabled());
            QVERIFY(o->find<QPushButton>("import-alarms")->isEnabled());
            o->find<QLineEdit>("WaitAfterPostjob")->setText("12");
            o->dialog->buttonBox()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            const std::string after = m_site.read("windows/kxalarm.ini");
            QCOMPARE(after.find("WaitAfterPostjob=12\r\n") != std::string::npos, ok);
            QCOMPARE(after.find("ErrorNumberActive=1\r\n") != std::string::npos, ok);
            if (!ok)
                QCOMPARE(after, before);
        }
        QVERIFY(m_boxes.texts().empty());
    }

    void importRunsThroughTheRunnerAndShowsItsResult()
    {
        m_site.write("work/persons.csv", "Jane Roe;4711;INT;Night shift\r\n");
        auto o = open();
        o->find<QLineEdit>("PersonsImportPath")->setText(QString::fromStdString(m_site.path("work/persons.csv")));
        o->find<QPushButton>("import-persons")->click();
        QCOMPARE(m_boxes.shown().size(), std::size_t(1));
        QCOMPARE(m_boxes.shown()[0].kind, 'I');
        QVERIFY(m_site.read("db1/kxpers.dbf").find("Jane Roe") != std::string::npos);
    }
};

QTEST_MAIN(ExtendedSettingsDialogTest)
#include "ExtendedSettingsDialogTest.moc"
