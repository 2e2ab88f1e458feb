// The master / slave configuration and the slave alarm start dialogs:
// binding, enabling by clicks, OK, Cancel.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>

using namespace kx;

class MasterSlaveDialogsTest : public QObject {
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
    // Which of the named widgets are enabled, as a string of 1 and 0.
    QString enabled(std::initializer_list<const char*> names)
    {
        QString out;
        for (const char* name : names)
            out += find<QWidget>(name)->isEnabled() ? '1' : '0';
        return out;
    }
    std::string read(const char* file) const { return m_site.read(std::string("windows/") + file); }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
    }
    void cleanup() { m_boxes.clear(); }

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
        m_dialog->reject();
        QCOMPARE(read("kxalarm.ini"), stored);

        open("master-slave", stored);
        find<QCheckBox>("Active")->click();
        find<QRadioButton>("Mode_2")->click();
        m_dialog->accept();  // no master address: refused
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(read("kxalarm.ini"), stored);
        find<QLineEdit>("MasterIP")->setText(QStringLiteral("10.0.0.9"));
        m_boxes.answer(true);
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(read("kxalarm.ini").find("Mode=2\r\nActive=1\r\n") != std::string::npos);
        QVERIFY(read("kxalarm.ini").find("MasterIP=10.0.0.9\r\n") != std::string::npos);
        QCOMPARE(read("kxtserv.ini"), std::string("[Startup_1]\r\nProgram=kxamaster.exe\r\nParams=\r\nEnabled=1\r\n"
                                                  "Minimized=1\r\nRunSystem=1\r\nDuration=0\r\n"));
    }

    void slaveAlarmStart_arrowsMoveTheSelectedEntriesToTheirSortedPlace()
    {
        m_site.write("windows/kxaredalrstart.ini", "[StartSlaveAlarm]\r\n101=1\r\n");
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
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(read("kxaredalrstart.ini"), std::string("[StartSlaveAlarm]\r\n101=0\r\n100=1\r\n103=1\r\n"));

        open("slave-alarm-start", read("kxalarm.ini"));
        find<QListWidget>("StartSlaveAlarm_left")->item(0)->setSelected(true);
        find<QPushButton>("StartSlaveAlarm_stop")->click();
        m_dialog->reject();
        QCOMPARE(read("kxaredalrstart.ini"), std::string("[StartSlaveAlarm]\r\n101=0\r\n100=1\r\n103=1\r\n"));
    }
};

QTEST_MAIN(MasterSlaveDialogsTest)
#include "MasterSlaveDialogsTest.moc"
