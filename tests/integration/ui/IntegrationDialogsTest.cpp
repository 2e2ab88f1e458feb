// The escalation, alarm-message and text-to-speech dialogs: binding,
// enabling by clicks, OK, Cancel.

#include "tests/common/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace kx;

class IntegrationDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

    void open(const char* name, const std::string& alarmIni)
    {
        SettingsDialogFixture::open(name, "windows/kxalarm.ini", alarmIni);
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void escalation_prefixFollowsItsBox()
    {
        open("escalation", "[kxarun2]\r\nConfirmedByPreMessage=old\r\n");
        QVERIFY(!find<QLineEdit>("ConfirmedByPreMessage")->isEnabled());
        find<QCheckBox>("SetConfirmedByForAlarmOnSuccess")->click();
        find<QLineEdit>("ConfirmedByPreMessage")->setText(QStringLiteral("by "));
        dialog->reject();
        QCOMPARE(alarmIni(), std::string("[kxarun2]\r\nConfirmedByPreMessage=old\r\n"));
        open("escalation", alarmIni());
        find<QCheckBox>("SetConfirmedByForAlarmOnSuccess")->click();
        find<QLineEdit>("ConfirmedByPreMessage")->setText(QStringLiteral("by "));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(alarmIni().find("SetConfirmedByForAlarmOnSuccess=1\r\n") != std::string::npos);
        QVERIFY(alarmIni().find("ConfirmedByPreMessage=by \r\n") != std::string::npos);
    }

    void alarmMessages_depositBoxEnablesItsCodes()
    {
        site.write("windows/kxt.ini", "[D300]\r\nPBX_Protocol=ABC\r\n");
        open("alarm-messages", "[config]\r\nISDN=QSIG\r\n");
        QVERIFY(find<QCheckBox>("DepositMMSOnInaccessible")->isEnabled());
        QVERIFY(!find<QLineEdit>("DepositMMSOnISDNError2")->isEnabled());
        find<QCheckBox>("DepositMMSOnInaccessible")->click();
        find<QCheckBox>("DepositMMSOnISDNError1")->click();
        find<QLineEdit>("DepositMMSOnISDNError2")->setText(QStringLiteral("0x22"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(alarmIni().find("[parallel]\r\nDepositMMSOnInaccessible=1\r\nDepositMMSOnISDNError1=0x91\r\n"
                                "DepositMMSOnISDNError2=0x22\r\nDepositMMSOnISDNError3=\r\n") != std::string::npos);
        open("alarm-messages", "[config]\r\nISDN=1\r\n");
        QVERIFY(!find<QCheckBox>("DepositMMSOnInaccessible")->isEnabled());
    }

    void tts_rangeBoxFollowsActiveAndTheDialogClosesWithoutATtsProgram()
    {
        open("tts", "[kxatts]\r\nFirstAlarmKey=10\r\nLastAlarmKey=20\r\n");
        QVERIFY(find<QCheckBox>("TtsRange")->isChecked());
        QVERIFY(!find<QCheckBox>("TtsRange")->isEnabled());
        find<QCheckBox>("Active")->click();
        QVERIFY(find<QLineEdit>("LastAlarmKey")->isEnabled());
        find<QCheckBox>("TtsRange")->click();
        QVERIFY(!find<QLineEdit>("LastAlarmKey")->isEnabled());
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(boxes.texts().size(), std::size_t(2));
        QCOMPARE(alarmIni(), std::string("[kxatts]\r\nFirstAlarmKey=0\r\nLastAlarmKey=0\r\nActive=0\r\n"
                                         "WaitForWavfile=0\r\nUseAlrMsgIfExistent=0\r\n"));
    }
};

QTEST_MAIN(IntegrationDialogsTest)
#include "IntegrationDialogsTest.moc"
