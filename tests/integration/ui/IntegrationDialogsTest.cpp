// The dialogs of integration/: enabling by clicks, refusals and OK, one
// script per dialog (Cancel of every dialog is in SettingsDialogsTest).

#include "tests/common/SettingsDialogScript.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace kx;

class IntegrationDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
        std::filesystem::current_path(site.path("work"));
    }
    void cleanup() { reset(); }

    void clicksEnableAndOkWrites_data() { test::AddDialogScriptRows(kScripts); }
    void clicksEnableAndOkWrites()
    {
        QFETCH(int, row);
        test::PlayDialogScript(*this, kScripts[row]);
    }

    void slaveAlarmStart_arrowsMoveTheSelectedEntriesToTheirSortedPlace()
    {
        site.write("windows/kxaredalrstart.ini", "[StartSlaveAlarm]\r\n101=1\r\n");
        open("slave-alarm-start", "windows/kxalarm.ini", "[kxaredundant]\r\nFirstAlarm=100\r\nLastAlarm=103\r\n");
        auto* left = find<QListWidget>("StartSlaveAlarm_left");
        auto* right = find<QListWidget>("StartSlaveAlarm_right");
        QCOMPARE(left->count(), 1);
        QCOMPARE(right->count(), 3);
        QVERIFY(!right->isEnabled());
        find<QCheckBox>("Active")->click();
        QVERIFY(right->isEnabled());
        right->item(0)->setSelected(true);
        right->item(2)->setSelected(true);
        find<QPushButton>("StartSlaveAlarm_start")->click();
        QCOMPARE(left->count(), 3);
        QCOMPARE(left->item(1)->text(), QStringLiteral("101  Nurse call ward 101"));
        left->item(1)->setSelected(true);
        find<QPushButton>("StartSlaveAlarm_stop")->click();
        QCOMPARE(right->item(0)->text(), QStringLiteral("101  Nurse call ward 101"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(read("windows/kxaredalrstart.ini"), std::string("[StartSlaveAlarm]\r\n101=0\r\n100=1\r\n103=1\r\n"));
    }

private:
    // clang-format off
    inline static const test::DialogScript kScripts[] = {
        {"escalation", {"[kxarun2]\r\nConfirmedByPreMessage=old\r\n"},
         {"ConfirmedByPreMessage?0", "SetConfirmedByForAlarmOnSuccess", "ConfirmedByPreMessage?1",
          "ConfirmedByPreMessage=by "},
         {"SetConfirmedByForAlarmOnSuccess=1\r\n", "ConfirmedByPreMessage=by \r\n"}},
        {"alarm-messages", {"kxt.ini: [D300]\r\nPBX_Protocol=ABC\r\n", "[config]\r\nISDN=QSIG\r\n"},
         {"DepositMMSOnInaccessible,DepositMMSOnISDNError2?10", "DepositMMSOnInaccessible", "DepositMMSOnISDNError1",
          "DepositMMSOnISDNError2=0x22"},
         {"[parallel]\r\nDepositMMSOnInaccessible=1\r\nDepositMMSOnISDNError1=0x91\r\nDepositMMSOnISDNError2=0x22\r\n"
          "DepositMMSOnISDNError3=\r\n"}},
        // No text-to-speech program: both messages, and Active is saved as off.
        {"tts", {"[kxatts]\r\nFirstAlarmKey=10\r\nLastAlarmKey=20\r\n"},
         {"TtsRange?0", "Active", "LastAlarmKey?1", "TtsRange", "LastAlarmKey?0"},
         {"[kxatts]\r\nFirstAlarmKey=0\r\nLastAlarmKey=0\r\nActive=0\r\nWaitForWavfile=0\r\nUseAlrMsgIfExistent=0\r\n"},
         2},
        // A slave needs the master's address; OK registers the controller.
        {"master-slave", {"[kxaredundant]\r\nMode=0\r\n"},
         {"Mode_1,RedundancyRange,settings,MasterIP,PerAlarmRetries?00000", "Active",
          "Mode_1,RedundancyRange,settings,MasterIP,PerAlarmRetries?11001", "Mode_1",
          "Mode_1,RedundancyRange,settings,MasterIP,PerAlarmRetries?11100", "Mode_2",
          "Mode_1,RedundancyRange,settings,MasterIP,PerAlarmRetries?11010", "OK!", "MasterIP=10.0.0.9", "+yes"},
         {"Mode=2\r\nActive=1\r\n", "MasterIP=10.0.0.9\r\n",
          "kxtserv.ini: [Startup_1]\r\nProgram=kxamaster.exe\r\nParams=\r\nEnabled=1\r\nMinimized=1\r\nRunSystem=1\r\n"
          "Duration=0\r\n"},
         2},
        // Switching the box off clears the confirmation code.
        {"watchdog-box", {"[WatchDog]\r\nActive=1\r\nGetConfCode=1\r\n"},
         {"ConfCode,StartAlarmOnNoAnsw?10", "Active", "NumberToDial,Intervall,GetConfCode?000", "Active",
          "StartAlarmActive", "StartAlarmOnNoAnsw#0", "Intervall#19"},
         {"GetConfCode=0\r\n", "Intervall=1560\r\nStartAlarmActive=1\r\nStartAlarmOnNoAnsw=100\r\n"}},
        // A reversed range is refused.
        {"ddi-callback", {"[kxaddicallback]\r\n"},
         {"FirstDDINumber,StartModule?00", "AddDDICallbackNumber", "FirstDDINumber,StartAdditionalModuleOnCallback?10",
          "FirstDDINumber=5000", "LastDDINumber=999", "OK!", "LastDDINumber=5099", "StartModule",
          "StartAdditionalModuleOnCallback#0"},
         {"FirstDDINumber=5000\r\nLastDDINumber=5099\r\n", "StartAdditionalModuleOnCallback=kxaddiconv\r\n"},
         1},
        {"xml", {""},
         {"XmlType_1,ImagePath?00", "ShowXML", "XmlType_1", "ImagePath?1"},
         {"[kxaxml]\r\nXmlType=1\r\nImagePath=\\dbv1\\\r\n", "kxaconf.ini: ShowXML=1\r\n"}},
        // The comment shows the stored line breaks as lines.
        {"incoming-calls", {"[kxastart]\r\nDefaultAlarmIn=5\r\nSpecProgComment=a|\xA6" "b\r\n"},
         {"SpecProgComment~a\nb", "VMStartProg,DefaultAlarmIn,SpecProg,SpecProgComment?1000", "StartWith_alarm-in",
          "RunSpecProg", "VMStartProg,DefaultAlarmIn,SpecProg,SpecProgComment?0111", "StartWith_module",
          "SpecProgComment=x\ny"},
         {"SpecProgComment=x|\xA6y\r\nVMStartProg=No module started\r\nSpecProg=kxaddiconv\r\n"}},
        {"hotel-evacuation", {"[kxaprio1]\r\nCheckRoomInfo=0\r\n"},
         {"PriorityKeys_range,LgCodeForDt,PostEmptyAtEnd,FirstPriorityCheck,SleepBeforePostingEmpty?00000",
          "CheckRoomInfo", "PriorityKeys_range,LgCodeForDt,PostEmptyAtEnd,FirstPriorityCheck,SleepBeforePostingEmpty?11100",
          "PriorityKeys_range", "PostEmptyAtEnd",
          "PriorityKeys_range,LgCodeForDt,PostEmptyAtEnd,FirstPriorityCheck,SleepBeforePostingEmpty?11111",
          "FirstPriorityCheck=10", "LastPriorityCheck=500"},
         {"FirstPriorityCheck=10\r\nLastPriorityCheck=500\r\n"}},
        // The buttons write the logout file at once.
        {"login-logout", {"kxalogout.ini: [LogedOut]\r\n0301=1\r\n", "[kxachktn]\r\nCheckPerson=0\r\n"},
         {"selected,number,login,logout?0000", "CheckPerson", "selected,number,login,logout?1111", "number=0302",
          "logout", "selected#0", "login"},
         {"kxalogout.ini: [LogedOut]\r\n0301=0\r\n0302=1\r\n", "[kxachktn]\r\nCheckPerson=1\r\n"}},
    };
    // clang-format on
};

QTEST_MAIN(IntegrationDialogsTest)
#include "IntegrationDialogsTest.moc"
