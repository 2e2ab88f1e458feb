// The incoming call, hotel evacuation and login/logout dialogs: binding,
// enabling by clicks, OK, Cancel.

#include "tests/common/SettingsDialogFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using namespace kx;

class CallAndPersonDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    void open(const char* name, const std::string& alarmIni)
    {
        SettingsDialogFixture::open(name, "windows/kxalarm.ini", alarmIni);
    }
    // "1"/"0" for each control named, whether it is enabled.
    QString enabled(const QStringList& names)
    {
        QString flags;
        for (const QString& name : names)
            flags += dialog->findChild<QWidget*>(name)->isEnabled() ? '1' : '0';
        return flags;
    }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
    // Cancel writes nothing; the dialog opens again as stored.
    void cancelAndReopen(const char* name, const std::string& stored)
    {
        dialog->reject();
        QCOMPARE(alarmIni(), stored);
        open(name, stored);
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void incomingCalls_modeAndOptionalModuleEnableTheirControls()
    {
        const std::string stored = "[kxastart]\r\nDefaultAlarmIn=5\r\nSpecProgComment=a|\xA6"
                                   "b\r\n";
        open("incoming-calls", stored);
        QVERIFY(find<QRadioButton>("StartWith_module")->isChecked());
        QCOMPARE(find<QPlainTextEdit>("SpecProgComment")->toPlainText(), QStringLiteral("a\nb"));
        const QStringList controls = {"VMStartProg", "DefaultAlarmIn", "SpecProg", "SpecProgComment"};
        QCOMPARE(enabled(controls), QStringLiteral("1000"));
        click("StartWith_alarm-in");
        click("RunSpecProg");
        QCOMPARE(enabled(controls), QStringLiteral("0111"));
        cancelAndReopen("incoming-calls", stored);
        click("RunSpecProg");
        find<QPlainTextEdit>("SpecProgComment")->setPlainText(QStringLiteral("x\ny"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(alarmIni(), std::string("[kxastart]\r\nDefaultAlarmIn=0\r\nSpecProgComment=x|\xA6y\r\n"
                                         "VMStartProg=No module started\r\nSpecProg=kxaddiconv\r\n"
                                         "ShowMsgOnIncoming=0\r\n"));
    }
    void hotelEvacuation_roomInfoEnablesTheRestAndTheRangeItsKeys()
    {
        const std::string stored = "[kxaprio1]\r\nCheckRoomInfo=0\r\n";
        open("hotel-evacuation", stored);
        const QStringList controls = {"PriorityKeys_range", "LgCodeForDt", "PostEmptyAtEnd", "FirstPriorityCheck",
                                      "SleepBeforePostingEmpty"};
        QCOMPARE(enabled(controls), QStringLiteral("00000"));
        click("CheckRoomInfo");
        QCOMPARE(enabled(controls), QStringLiteral("11100"));
        click("PriorityKeys_range");
        click("PostEmptyAtEnd");
        QCOMPARE(enabled(controls), QStringLiteral("11111"));
        cancelAndReopen("hotel-evacuation", stored);
        click("CheckRoomInfo");
        click("PriorityKeys_range");
        find<QLineEdit>("FirstPriorityCheck")->setText(QStringLiteral("10"));
        find<QLineEdit>("LastPriorityCheck")->setText(QStringLiteral("500"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(alarmIni().find("FirstPriorityCheck=10\r\nLastPriorityCheck=500\r\n") != std::string::npos);
    }
    void loginLogout_buttonsFollowTheBoxAndWriteAtOnce()
    {
        site.write("windows/kxalogout.ini", "[LogedOut]\r\n0301=1\r\n");
        const std::string stored = "[kxachktn]\r\nCheckPerson=0\r\n";
        open("login-logout", stored);
        const QStringList controls = {"selected", "number", "login", "logout"};
        QCOMPARE(enabled(controls), QStringLiteral("0000"));
        click("CheckPerson");
        QCOMPARE(enabled(controls), QStringLiteral("1111"));
        find<QLineEdit>("number")->setText(QStringLiteral("0302"));
        click("logout");
        QCOMPARE(find<QComboBox>("selected")->count(), 2);
        emit find<QComboBox>("selected")->activated(0);
        click("login");
        QCOMPARE(site.read("windows/kxalogout.ini"), std::string("[LogedOut]\r\n0301=0\r\n0302=1\r\n"));
        cancelAndReopen("login-logout", stored);
        click("CheckPerson");
        dialog->accept();
        QCOMPARE(alarmIni(), std::string("[kxachktn]\r\nCheckPerson=1\r\n"));
    }
};

QTEST_MAIN(CallAndPersonDialogsTest)
#include "CallAndPersonDialogsTest.moc"
