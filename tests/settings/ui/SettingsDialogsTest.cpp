// Every registered settings dialog on a demo site, then the dialogs of
// settings/ (and the binder on each kind of control) driven by scripts.

#include "settings/ui/SelectLinesDialog.h"
#include "tests/common/SettingsDialogScript.h"
#include "tests/numbers/StandInKxe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <map>

using namespace kx;

class SettingsDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(site.root()))
            if (e.is_regular_file())
                all[e.path().string()] = site.read(std::filesystem::relative(e.path(), site.root()).string());
        return all;
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void everyDialog_bindsAndCancelWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        for (const settings::SettingsDialogEntry* e : settings::SettingsDialogs())
            QTest::newRow(e->name.c_str()) << QString::fromStdString(e->name);
    }
    void everyDialog_bindsAndCancelWritesNothing()
    {
        QFETCH(QString, name);
        const auto before = files();
        open(name.toStdString());
        QVERIFY(!dialog->windowTitle().isEmpty());
        QVERIFY2(dialog->bindingProblems().isEmpty(), qPrintable(dialog->bindingProblems().join('\n')));
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                QVERIFY2(!w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        // Results stay readable whatever the rules say; secrets are not shown.
        for (const settings::SettingRow& row : model->rows())
            if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromStdString(row.name))) {
                QVERIFY2(row.kind != settings::Kind::Display || (edit->isEnabled() && edit->isReadOnly()),
                         row.name.c_str());
                QVERIFY2((edit->echoMode() == QLineEdit::Password) == row.secret, row.name.c_str());
            }
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            box->click();
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            if (edit->isEnabled() && !edit->isReadOnly())
                edit->setText(QStringLiteral("7"));
        press(QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!model->modified());  // back to the values as loaded
        QVERIFY(files() == before);
        QVERIFY(boxes.texts().empty());
    }

    void clicksEnableAndOkWrites_data() { test::AddDialogScriptRows(kScripts); }
    void clicksEnableAndOkWrites()
    {
        QFETCH(int, row);
        test::PlayDialogScript(*this, kScripts[row]);
    }

    // A button works with the values as they stand in the dialog.
    void button_runsWithTheValuesAsTheyStandAndShowsTheResults()
    {
        test::StandInKxe kxe(site.path("bin"), site.windows());
        test::PlayDialogScript(
            *this,
            {"ddi-converter",
             {"kxaddiconv.ini: [TestDdi]\r\n0=555\r\n", "[kxaddiconv]\r\nDDIConversionActive=1\r\nReplaceAtPos3=4\r\n"},
             {"ReplaceAtPos3~4. Position", "TestDDI=0891", "AddOffset=12", "test", "Result~0891/4/0"},
             {"kxaddiconv.ini: AddOffset=12\r\n"}});
        QCOMPARE(find<QComboBox>("TestDDI")->itemText(0), QStringLiteral("0891"));
    }

    void personnel_listsMoveTheTypesAndActiveEnablesTheQueues()
    {
        site.write("windows/kxpers.ini", "[Types]\r\nINT=1\r\n");
        open("personnel");
        const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
        QCOMPARE(lists[0]->count(), 1);  // Activated: INT
        QCOMPARE(enabled({"PostQueueForINT", "PostQueueForINT_label", "specialTypes"}), QStringLiteral("000"));
        find<QCheckBox>("Active")->click();
        QCOMPARE(enabled({"PostQueueForINT", "PostQueueForINT_label", "specialTypes"}), QStringLiteral("111"));
        QCOMPARE(find<QComboBox>("PostQueueForINT")->itemText(1), QStringLiteral("Postqueue 1  ( lines 1 to 4 ) "));
        lists[1]->findItems(QStringLiteral("SMS"), Qt::MatchExactly)[0]->setSelected(true);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("<"))
                b->click();
        QCOMPARE(lists[0]->count(), 2);
        find<QLineEdit>("MaxGroup")->setText(QStringLiteral("12"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        for (const char* line : {"SMS=1\r\n", "Active=1\r\n", "MaxGroup=12\r\n"})
            QVERIFY2(holds("windows/kxpers.ini", line), line);
    }

    void lineSupervision_editReadsTheLinesAgain()
    {
        open("line-supervision", "windows/kxalarm.ini", "[LineWatchDog]\r\nWDogActive=1\r\nCheckLines=2\r\n");
        QTimer::singleShot(0, [] {
            auto* lines = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(lines);
            lines->findChild<ui::LineList*>(QStringLiteral("CheckLines"))->item(6)->setSelected(true);
            lines->accept();
        });
        find<QPushButton>("CheckLines_edit")->click();
        QCOMPARE(find<QLineEdit>("CheckLines")->text(), QStringLiteral("2,7"));
    }

private:
    // The alarming dialogs first: they open on the demo site's kxalarm.ini.
    // clang-format off
    inline static const test::DialogScript kScripts[] = {
        // Receiving enables its controls, sending the domain; the autostart question is answered No.
        {"email", {},
         {"MailServer,MailServer_subject,AlarmRange,FirstAlarmForRange,NeedIdAndPwd,edit-id-list,DefaultAlarm_label"
          "?0000000", "SMTPHost_label,AutoAddDomain,DomainToAdd,DomainToAdd_hint?0000", "Active", "-@-",
          "AutoAddDomain",
          "MailServer,MailServer_subject,AlarmRange,FirstAlarmForRange,NeedIdAndPwd,edit-id-list,DefaultAlarm_label"
          "?1110101", "SMTPHost_label,AutoAddDomain,DomainToAdd,DomainToAdd_hint?1111", "NeedIdAndPwd",
          "edit-id-list?1", "DefaultAlarm~Do not launch an alarm", "MailServer=mail.example", "DefaultAlarm#1"},
         {"Active=1\r\n", "MailServer=mail.example\r\n", "DefaultAlarm=100\r\n"}, 2},
        {"sequential", {},
         {"CallBackNumber,SleepAfterPage,SleepAfterPage_label?000", "PagerCallBack",
          "CallBackNumber,SleepAfterPage,SleepAfterPage_label?111", "SleepAfterPage=7"},
         {"[sequent]\r\nRepeatMessage=2\r\nPagerCallBack=1\r\n"}},
        {"parallel", {}, {"CallBackNumber?0", "PagerCallBack", "CallBackNumber?1", "CallBackNumber=7"},
         {"kxamsg.ini: [Config]\r\nCallBackNumber=7\r\n"}},
        {"confirmation", {},
         {"ConfirmedByPreMessage,ConfirmedByPreMessage_label,ConfirmedByPreMessage_hint?000",
          "SetConfirmedByForAlarmOnSuccess",
          "ConfirmedByPreMessage,ConfirmedByPreMessage_label,ConfirmedByPreMessage_hint?111",
          "ConfirmedByPreMessage=7"},
         {"ConfirmedByPreMessage=7\r\n"}},
        {"conference", {}, {"RecAsync", "MaxDurationMinutes=7"}, {"MaxDurationInSeconds=420\r\n"}},
        {"alarm-result", {},
         {"SleepBeforePrint,SleepBeforePrint_hint?00", "PrintAlarmResult", "SleepBeforePrint,SleepBeforePrint_hint?11",
          "SleepBeforePrint=7"},
         {"[kxaprint]\r\nPrintAlarmResult=1\r\nSleepBeforePrint=7\r\n"}},
        // QSIG's options follow ISDN, the labels their buddies; the ISDN list follows CTR4.
        {"general", {"[config]\r\nISDN=QSIG\r\nSendUUI=1\r\n"},
         {"ISDN", "E1Protocol_QSIG,QsigPbx,QsigPbx_label,SendUUI,SendUUI_hint?00000", "ISDN", "E1Protocol_CTR4",
          "IsdnPbx_label,SendUUI?10"},
         {"kxt.ini: E1Protocol=CTR4\r\n"}},
        // Typed text is taken at OK; a refusal keeps the dialog open.
        {"general", {"[config]\r\nFirstAlarmKey=100\r\n"},
         {"FirstAlarmKey=1o0", "OK!", "FirstAlarmKey=5", "OK!", "FirstAlarmKey=200", "IsdnPbx#1"},
         {"FirstAlarmKey=200\r\n", "kxt.ini: PBX_Protocol=ISVPN\r\n"}, 2},
        // The list selects by key and keeps a stored key that it does not offer.
        {"ddi-cli-scanner", {"[config]\r\nFirstAlarmInKey=5000\r\nLastAlarmInKey=5009\r\n[kxaddiclialr]\r\n"
                             "Active=1\r\nUseDistAlarmInSettings=5003\r\nUseConfAlarmInSettings=4711\r\n"},
         {"UseDistAlarmInSettings~5003 Incoming 5003", "UseConfAlarmInSettings~", "UseDistAlarmInSettings#0"},
         {"UseDistAlarmInSettings=5000\r\nUseConfAlarmInSettings=4711\r\n"}},
        {"call-handling", {},
         {"BusyInQueueBox?0", "DialAgainIfBusy", "BusyInQueueList?0", "BusyInQueueBox", "BusyInQueueList#1"},
         {"BusyInQueue=1\r\n"}},
        {"special-types", {}, {"PostQueue3"}, {"kxpers.ini: PostQueue3=PQ3\r\n"}},
        // A call back from several servers has no last reset.
        {"line-supervision", {"[LineWatchDog]\r\nCheckLines=2\r\nLastReset=65A0B8C0\r\n"},
         {"NumberToDial,CheckLines_edit,test-now,LastReset,Interval?00000", "WDogActive", "CheckLines_edit,LastReset?11",
          "MultiSrvCallBack_1", "LastReset?0", "NumberToDial=0891"},
         {"[LineWatchDog]\r\nCheckLines=2\r\nLastReset=65A0B8C0\r\nWDogActive=1\r\nNumberToDial=0891\r\n"
          "WithDDIForDial=\r\nMinuteInterval=0\r\nDeltaHours=1\r\nStartAlarm=0\r\nWriteWarningFile=0\r\n"
          "RestartSystem=0\r\nPostType=0\r\nMultiSrvCallBack=1\r\n"}},
        // The stored lines are selected; more than ten are refused.
        {"select-lines", {"[LineWatchDog]\r\nCheckLines=5,3\r\n"}, {"CheckLines^0,1,3,5,6,7,8,9,10", "OK!", "CheckLines^0"},
         {"[LineWatchDog]\r\nCheckLines=2,3,4,5,6,7,8,9,10,11\r\n"}, 1},
    };
    // clang-format on
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
