// The incoming call, hotel evacuation and login/logout dialogs: binding,
// enabling by clicks, OK, Cancel.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>

using namespace kx;

class CallAndPersonDialogsTest : public QObject {
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
        m_dialog->show();
    }
    template <typename W>
    W* find(const char* name)
    {
        return m_dialog->findChild<W*>(QString::fromLatin1(name));
    }
    bool enabled(const char* name) { return find<QWidget>(name)->isEnabled(); }
    std::string alarmIni() const { return m_site.read("windows/kxalarm.ini"); }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
    }
    void cleanup() { m_boxes.clear(); }

    void incomingCalls_modeAndOptionalModuleEnableTheirControls()
    {
        const std::string stored = "[kxastart]\r\nDefaultAlarmIn=5\r\nSpecProgComment=a|\xA6"
                                   "b\r\n";
        open("incoming-calls", stored);
        QVERIFY(find<QRadioButton>("StartWith_module")->isChecked());
        QVERIFY(enabled("VMStartProg") && !enabled("DefaultAlarmIn") && !enabled("SpecProgComment"));
        QCOMPARE(find<QPlainTextEdit>("SpecProgComment")->toPlainText(), QStringLiteral("a\nb"));
        find<QRadioButton>("StartWith_alarm-in")->click();
        QVERIFY(!enabled("VMStartProg") && enabled("DefaultAlarmIn"));
        find<QCheckBox>("RunSpecProg")->click();
        QVERIFY(enabled("SpecProg") && enabled("SpecProgComment"));
        find<QPlainTextEdit>("SpecProgComment")->setPlainText(QStringLiteral("x\ny"));
        m_dialog->reject();
        QCOMPARE(alarmIni(), stored);
        open("incoming-calls", stored);
        find<QCheckBox>("RunSpecProg")->click();
        find<QPlainTextEdit>("SpecProgComment")->setPlainText(QStringLiteral("x\ny"));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(alarmIni(), std::string("[kxastart]\r\nDefaultAlarmIn=0\r\nSpecProgComment=x|\xA6y\r\n"
                                         "VMStartProg=No module started\r\nSpecProg=kxaddiconv\r\n"
                                         "ShowMsgOnIncoming=0\r\n"));
    }
    void hotelEvacuation_roomInfoEnablesTheRestAndTheRangeItsKeys()
    {
        const std::string stored = "[kxaprio1]\r\nCheckRoomInfo=0\r\n";
        open("hotel-evacuation", stored);
        QVERIFY(!enabled("PriorityKeys_range") && !enabled("LgCodeForDt") && !enabled("PostEmptyAtEnd"));
        find<QCheckBox>("CheckRoomInfo")->click();
        QVERIFY(enabled("PriorityKeys_range") && enabled("LgCodeForDt") && !enabled("FirstPriorityCheck"));
        QVERIFY(!enabled("SleepBeforePostingEmpty"));
        find<QCheckBox>("PostEmptyAtEnd")->click();
        QVERIFY(enabled("SleepBeforePostingEmpty"));
        m_dialog->reject();
        QCOMPARE(alarmIni(), stored);
        open("hotel-evacuation", stored);
        find<QCheckBox>("CheckRoomInfo")->click();
        find<QRadioButton>("PriorityKeys_range")->click();
        QVERIFY(enabled("FirstPriorityCheck") && enabled("LastPriorityCheck"));
        find<QLineEdit>("FirstPriorityCheck")->setText(QStringLiteral("10"));
        find<QLineEdit>("LastPriorityCheck")->setText(QStringLiteral("500"));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(alarmIni().find("FirstPriorityCheck=10\r\nLastPriorityCheck=500\r\n") != std::string::npos);
    }
    void loginLogout_buttonsFollowTheBoxAndWriteAtOnce()
    {
        m_site.write("windows/kxalogout.ini", "[LogedOut]\r\n0301=1\r\n");
        open("login-logout", "[kxachktn]\r\nCheckPerson=0\r\n");
        QVERIFY(!enabled("selected") && !enabled("number") && !enabled("login") && !enabled("logout"));
        find<QCheckBox>("CheckPerson")->click();
        QVERIFY(enabled("selected") && enabled("number") && enabled("login") && enabled("logout"));
        find<QLineEdit>("number")->setText(QStringLiteral("0302"));
        find<QPushButton>("logout")->click();
        QCOMPARE(find<QComboBox>("selected")->count(), 2);
        find<QComboBox>("selected")->setCurrentIndex(0);
        emit find<QComboBox>("selected")->activated(0);
        find<QPushButton>("login")->click();
        QCOMPARE(m_site.read("windows/kxalogout.ini"), std::string("[LogedOut]\r\n0301=0\r\n0302=1\r\n"));
        m_dialog->reject();
        QCOMPARE(alarmIni(), std::string("[kxachktn]\r\nCheckPerson=0\r\n"));
        open("login-logout", alarmIni());
        find<QCheckBox>("CheckPerson")->click();
        m_dialog->accept();
        QCOMPARE(alarmIni(), std::string("[kxachktn]\r\nCheckPerson=1\r\n"));
    }
};

QTEST_MAIN(CallAndPersonDialogsTest)
#include "CallAndPersonDialogsTest.moc"
