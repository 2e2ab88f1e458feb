// The master / slave configuration and the slave alarm start dialogs:
// binding, enabling by clicks, OK, Cancel.

#include "tests/common/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kx;

class MasterSlaveDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

    void open(const char* name, const std::string& alarmIni)
    {
        SettingsDialogFixture::open(name, "windows/kxalarm.ini", alarmIni);
    }
    std::string win(const char* file) const { return read(std::string("windows/") + file); }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void masterSlave_modesEnableTheirGroupsAndOkRegistersTheController()
    {
        const std::string stored = "[kxaredundant]\r\nMode=0\r\n";
        open("master-slave", stored);
        const auto groups = {"Mode_1", "RedundancyRange", "settings", "MasterIP", "PerAlarmRetries"};
        QCOMPARE(enabled(groups), QStringLiteral("00000"));
        find<QCheckBox>("Active")->click();
        QVERIFY(find<QRadioButton>("Mode_3")->isChecked());
        QCOMPARE(enabled(groups), QStringLiteral("11001"));
        find<QRadioButton>("Mode_1")->click();
        QCOMPARE(enabled(groups), QStringLiteral("11100"));
        find<QRadioButton>("Mode_2")->click();
        QCOMPARE(enabled(groups), QStringLiteral("11010"));
        dialog->reject();
        QCOMPARE(win("kxalarm.ini"), stored);

        open("master-slave", stored);
        find<QCheckBox>("Active")->click();
        find<QRadioButton>("Mode_2")->click();
        dialog->accept();  // no master address: refused
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(win("kxalarm.ini"), stored);
        find<QLineEdit>("MasterIP")->setText(QStringLiteral("10.0.0.9"));
        boxes.answer(true);
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(win("kxalarm.ini").find("Mode=2\r\nActive=1\r\n") != std::string::npos);
        QVERIFY(win("kxalarm.ini").find("MasterIP=10.0.0.9\r\n") != std::string::npos);
        QCOMPARE(win("kxtserv.ini"), std::string("[Startup_1]\r\nProgram=kxamaster.exe\r\nParams=\r\nEnabled=1\r\n"
                                                 "Minimized=1\r\nRunSystem=1\r\nDuration=0\r\n"));
    }

    void slaveAlarmStart_arrowsMoveTheSelectedEntriesToTheirSortedPlace()
    {
        site.write("windows/kxaredalrstart.ini", "[StartSlaveAlarm]\r\n101=1\r\n");
        open("slave-alarm-start", "[kxaredundant]\r\nFirstAlarm=100\r\nLastAlarm=103\r\n");
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
        QCOMPARE(win("kxaredalrstart.ini"), std::string("[StartSlaveAlarm]\r\n101=0\r\n100=1\r\n103=1\r\n"));

        open("slave-alarm-start", win("kxalarm.ini"));
        find<QListWidget>("StartSlaveAlarm_left")->item(0)->setSelected(true);
        find<QPushButton>("StartSlaveAlarm_stop")->click();
        dialog->reject();
        QCOMPARE(win("kxaredalrstart.ini"), std::string("[StartSlaveAlarm]\r\n101=0\r\n100=1\r\n103=1\r\n"));
    }
};

QTEST_MAIN(MasterSlaveDialogsTest)
#include "MasterSlaveDialogsTest.moc"
