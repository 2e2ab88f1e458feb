// The escalation, alarm-message and text-to-speech dialogs: binding,
// enabling by clicks, OK, Cancel.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <filesystem>

using namespace kx;

class IntegrationDialogsTest : public QObject {
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
    std::string alarmIni() const { return m_site.read("windows/kxalarm.ini"); }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
    }
    void cleanup() { m_boxes.clear(); }

    void escalation_prefixFollowsItsBox()
    {
        open("escalation", "[kxarun2]\r\nConfirmedByPreMessage=old\r\n");
        QVERIFY(!find<QLineEdit>("ConfirmedByPreMessage")->isEnabled());
        find<QCheckBox>("SetConfirmedByForAlarmOnSuccess")->click();
        find<QLineEdit>("ConfirmedByPreMessage")->setText(QStringLiteral("by "));
        m_dialog->reject();
        QCOMPARE(alarmIni(), std::string("[kxarun2]\r\nConfirmedByPreMessage=old\r\n"));
        open("escalation", alarmIni());
        find<QCheckBox>("SetConfirmedByForAlarmOnSuccess")->click();
        find<QLineEdit>("ConfirmedByPreMessage")->setText(QStringLiteral("by "));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(alarmIni().find("SetConfirmedByForAlarmOnSuccess=1\r\n") != std::string::npos);
        QVERIFY(alarmIni().find("ConfirmedByPreMessage=by \r\n") != std::string::npos);
    }

    void alarmMessages_depositBoxEnablesItsCodes()
    {
        m_site.write("windows/kxt.ini", "[D300]\r\nPBX_Protocol=ABC\r\n");
        open("alarm-messages", "[config]\r\nISDN=QSIG\r\n");
        QVERIFY(find<QCheckBox>("DepositMMSOnInaccessible")->isEnabled());
        QVERIFY(!find<QLineEdit>("DepositMMSOnISDNError2")->isEnabled());
        find<QCheckBox>("DepositMMSOnInaccessible")->click();
        find<QCheckBox>("DepositMMSOnISDNError1")->click();
        find<QLineEdit>("DepositMMSOnISDNError2")->setText(QStringLiteral("0x22"));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
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
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_boxes.texts().size(), std::size_t(2));
        QCOMPARE(alarmIni(), std::string("[kxatts]\r\nFirstAlarmKey=0\r\nLastAlarmKey=0\r\nActive=0\r\n"
                                         "WaitForWavfile=0\r\nUseAlrMsgIfExistent=0\r\n"));
    }
};

QTEST_MAIN(IntegrationDialogsTest)
#include "IntegrationDialogsTest.moc"
