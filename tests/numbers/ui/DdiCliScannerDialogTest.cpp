// The DDI-CLI alarm scanner dialog on the offscreen platform: the alarm-in
// lists with the stored keys selected, the check box's enabling, OK with a
// list left without a selection, Cancel.

#include "numbers/ui/DdiCliScannerDialog.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/settings/ui/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace kx;

class DdiCliScannerDialogTest : public QObject,
                                protected test::SettingsDialogFixture<numbers::DdiCliScanner, ui::DdiCliScannerDialog> {
    Q_OBJECT

private:
    // A mailbox table of keys 0..29 with alarms-in 20 and 22 and alarm 21.
    void makeTable()
    {
        std::filesystem::create_directories(site->path("db1"));
        site->write("windows/kxaconf.ini", "[Config]\r\nVm001Path=\\db1\\\r\n");
        CDatabase db;
        QCOMPARE(db.Create("\\db1\\vm001.dbf", mailbox::TableFields()), 1);
        for (int key = 0; key < 30; ++key) {
            QCOMPARE(db.Append(), 1);
            db.Bottom();
            db.Replace("T01", key);
            db.Replace("T02", key == 20 || key == 22 ? 92 : key == 21 ? 91 : 11);
            if (key >= 20 && key <= 22)
                db.Replace("T33", ("Name " + std::to_string(key)).c_str());
        }
        db.Close();
    }

private slots:
    void init()
    {
        setUpSite();
        makeTable();
    }
    void cleanup() { tearDownSite(); }

    void opens_withTheAlarmInsListedAndTheStoredKeysSelected()
    {
        open("[config]\r\nFirstAlarmInKey=10\r\n[kxaddiclialr]\r\nActive=1\r\nUseDistAlarmInSettings=22\r\n");
        QVERIFY2(dialog->bindingProblems().isEmpty(), qPrintable(dialog->bindingProblems().join('\n')));
        QComboBox* dist = find<QComboBox>("UseDistAlarmInSettings");
        QComboBox* conf = find<QComboBox>("UseConfAlarmInSettings");
        QCOMPARE(dist->count(), 2);
        QCOMPARE(dist->itemText(0), QStringLiteral("20 Name 20"));
        QCOMPARE(dist->itemText(1), QStringLiteral("22 Name 22"));
        QCOMPARE(dist->currentText(), QStringLiteral("22 Name 22"));
        QCOMPARE(conf->currentIndex(), -1);  // 1001 is not listed
        QVERIFY(dist->isEnabled());
        QVERIFY(boxes->texts().empty());
    }

    void checkBox_enablesTheKeysAndLists()
    {
        open("");
        for (const char* name :
             {"FirstKey", "FirstKey_label", "LastKey", "UseDistAlarmInSettings", "UseConfAlarmInSettings_label"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        find<QCheckBox>("Active")->click();
        for (const char* name :
             {"FirstKey", "FirstKey_label", "LastKey", "UseDistAlarmInSettings", "UseConfAlarmInSettings_label"})
            QVERIFY2(find<QWidget>(name)->isEnabled(), name);
    }

    void ok_keepsTheStoredKeyOfAListWithoutSelection()
    {
        open("[kxaddiclialr]\r\nActive=1\r\nUseConfAlarmInSettings=4711\r\n");
        QComboBox* dist = find<QComboBox>("UseDistAlarmInSettings");
        dist->setCurrentIndex(0);
        emit dist->activated(0);
        find<QLineEdit>("FirstKey")->setText(QStringLiteral("100"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(site->read("windows/kxalarm.ini"),
                 std::string("[kxaddiclialr]\r\nActive=1\r\nUseConfAlarmInSettings=4711\r\nFirstKey=100\r\n"
                             "LastKey=0\r\nUseDistAlarmInSettings=20\r\n"));
    }

    void cancel_writesNothing()
    {
        open("[kxaddiclialr]\r\nActive=0\r\n");
        find<QCheckBox>("Active")->click();
        press(QDialogButtonBox::Cancel);
        QCOMPARE(site->read("windows/kxalarm.ini"), std::string("[kxaddiclialr]\r\nActive=0\r\n"));
    }
};

QTEST_MAIN(DdiCliScannerDialogTest)
#include "DdiCliScannerDialogTest.moc"
