// The watch-dog box, DDI callback and XML dialogs: binding, enabling by
// clicks, OK, Cancel.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>

using namespace kx;

class WatchdogDdiXmlDialogsTest : public QObject {
    Q_OBJECT

private:
    test::TempSite m_site;
    test::RecordingMessageBoxes m_boxes;
    std::unique_ptr<settings::SettingsModel> m_model;
    std::unique_ptr<ui::SettingsDialog> m_dialog;

    void open(const char* name, const std::string& alarmIni)
    {
        m_site.write("windows/kxalarm.ini", alarmIni);
        m_dialog.reset();
        m_model = settings::FindSettingsDialog(name)->make();
        m_model->load();
        m_dialog = ui::MakeSettingsDialog(*m_model, nullptr);
        QVERIFY(m_dialog->bindingProblems().isEmpty());
        m_dialog->show();
    }
    template <typename W>
    W* find(const char* name)
    {
        return m_dialog->findChild<W*>(QString::fromLatin1(name));
    }
    void choose(const char* name, int index)
    {
        find<QComboBox>(name)->setCurrentIndex(index);
        emit find<QComboBox>(name)->activated(index);
    }
    bool enabled(const char* name) { return find<QWidget>(name)->isEnabled(); }
    std::string alarmIni() const { return m_site.read("windows/kxalarm.ini"); }
    bool holds(const std::string& text) const { return alarmIni().find(text) != std::string::npos; }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
        std::filesystem::current_path(m_site.path("work"));
    }
    void cleanup() { m_boxes.clear(); }

    void watchdogBox_callNumberEnablesAndClears()
    {
        const std::string stored = "[WatchDog]\r\nActive=1\r\nGetConfCode=1\r\n";
        open("watchdog-box", stored);
        QVERIFY(enabled("ConfCode") && !enabled("StartAlarmOnNoAnsw"));
        find<QCheckBox>("Active")->click();
        QVERIFY(!enabled("NumberToDial") && !enabled("Intervall") && !enabled("GetConfCode"));
        QVERIFY(!find<QCheckBox>("GetConfCode")->isChecked());
        m_dialog->reject();
        QCOMPARE(alarmIni(), stored);
        open("watchdog-box", stored);
        find<QCheckBox>("StartAlarmActive")->click();
        choose("StartAlarmOnNoAnsw", 0);
        choose("Intervall", 19);
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(holds("Intervall=1560\r\nStartAlarmActive=1\r\nStartAlarmOnNoAnsw=100\r\n"));
    }

    void ddiCallback_boxesEnableTheRangeAndTheModule()
    {
        open("ddi-callback", "[kxaddicallback]\r\n");
        QVERIFY(!enabled("FirstDDINumber") && !enabled("StartModule"));
        find<QCheckBox>("AddDDICallbackNumber")->click();
        QVERIFY(enabled("FirstDDINumber") && !enabled("StartAdditionalModuleOnCallback"));
        find<QCheckBox>("StartModule")->click();
        choose("StartAdditionalModuleOnCallback", 0);
        find<QLineEdit>("FirstDDINumber")->setText(QStringLiteral("5000"));
        m_dialog->reject();
        QCOMPARE(alarmIni(), std::string("[kxaddicallback]\r\n"));
        open("ddi-callback", "[kxaddicallback]\r\nAddDDICallbackNumber=1\r\n");
        find<QLineEdit>("LastDDINumber")->setText(QStringLiteral("999"));
        m_dialog->accept();  // the range is reversed: refused
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        find<QLineEdit>("FirstDDINumber")->setText(QStringLiteral("5000"));
        find<QLineEdit>("LastDDINumber")->setText(QStringLiteral("5099"));
        find<QCheckBox>("StartModule")->click();
        choose("StartAdditionalModuleOnCallback", 0);
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_boxes.shown().size(), std::size_t(1));
        QVERIFY(holds("FirstDDINumber=5000\r\nLastDDINumber=5099\r\n"));
        QVERIFY(holds("StartAdditionalModuleOnCallback=kxaddiconv\r\n"));
    }

    void xml_activeEnablesTypeAndPath()
    {
        open("xml", "");
        QVERIFY(!enabled("XmlType_1") && !enabled("ImagePath"));
        find<QCheckBox>("ShowXML")->click();
        find<QRadioButton>("XmlType_1")->click();
        QVERIFY(enabled("ImagePath"));
        m_dialog->reject();
        QCOMPARE(alarmIni(), std::string());
        open("xml", "");
        find<QCheckBox>("ShowXML")->click();
        find<QRadioButton>("XmlType_1")->click();
        m_dialog->accept();
        QCOMPARE(alarmIni(), std::string("[kxaxml]\r\nXmlType=1\r\nImagePath=\\dbv1\\\r\n"));
        QVERIFY(m_site.read("windows/kxaconf.ini").find("ShowXML=1\r\n") != std::string::npos);
    }
};

QTEST_MAIN(WatchdogDdiXmlDialogsTest)
#include "WatchdogDdiXmlDialogsTest.moc"
