// The watch-dog box, DDI callback and XML dialogs: binding, enabling by
// clicks, OK, Cancel.

#include "tests/common/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace kx;

class WatchdogDdiXmlDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    void open(const char* name, const std::string& alarmIni)
    {
        SettingsDialogFixture::open(name, "windows/kxalarm.ini", alarmIni);
    }
    bool enabled(const char* name) { return find<QWidget>(name)->isEnabled(); }
    bool holds(const std::string& text) const { return SettingsDialogFixture::holds("windows/kxalarm.ini", text); }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
        std::filesystem::current_path(site.path("work"));
    }
    void cleanup() { reset(); }

    void watchdogBox_callNumberEnablesAndClears()
    {
        const std::string stored = "[WatchDog]\r\nActive=1\r\nGetConfCode=1\r\n";
        open("watchdog-box", stored);
        QVERIFY(enabled("ConfCode") && !enabled("StartAlarmOnNoAnsw"));
        find<QCheckBox>("Active")->click();
        QVERIFY(!enabled("NumberToDial") && !enabled("Intervall") && !enabled("GetConfCode"));
        QVERIFY(!find<QCheckBox>("GetConfCode")->isChecked());
        dialog->reject();
        QCOMPARE(alarmIni(), stored);
        open("watchdog-box", stored);
        find<QCheckBox>("StartAlarmActive")->click();
        choose("StartAlarmOnNoAnsw", 0);
        choose("Intervall", 19);
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
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
        dialog->reject();
        QCOMPARE(alarmIni(), std::string("[kxaddicallback]\r\n"));
        open("ddi-callback", "[kxaddicallback]\r\nAddDDICallbackNumber=1\r\n");
        find<QLineEdit>("LastDDINumber")->setText(QStringLiteral("999"));
        dialog->accept();  // the range is reversed: refused
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        find<QLineEdit>("FirstDDINumber")->setText(QStringLiteral("5000"));
        find<QLineEdit>("LastDDINumber")->setText(QStringLiteral("5099"));
        find<QCheckBox>("StartModule")->click();
        choose("StartAdditionalModuleOnCallback", 0);
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(boxes.shown().size(), std::size_t(1));
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
        dialog->reject();
        QCOMPARE(alarmIni(), std::string());
        open("xml", "");
        find<QCheckBox>("ShowXML")->click();
        find<QRadioButton>("XmlType_1")->click();
        dialog->accept();
        QCOMPARE(alarmIni(), std::string("[kxaxml]\r\nXmlType=1\r\nImagePath=\\dbv1\\\r\n"));
        QVERIFY(site.read("windows/kxaconf.ini").find("ShowXML=1\r\n") != std::string::npos);
    }
};

QTEST_MAIN(WatchdogDdiXmlDialogsTest)
#include "WatchdogDdiXmlDialogsTest.moc"
