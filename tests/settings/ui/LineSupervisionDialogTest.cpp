// "Supervision of lines" and "Select lines": binding, enabling by clicks, OK, Cancel.

#include "settings/ui/SelectLinesDialog.h"
#include "tests/common/SettingsDialogFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace kx;

class LineSupervisionDialogTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

    void open(const char* name, const std::string& watchdog)
    {
        SettingsDialogFixture::open(name, "windows/kxalarm.ini", "[LineWatchDog]\r\n" + watchdog);
    }
    static void select(ui::LineList* list, std::initializer_list<int> lines)
    {
        for (int line : lines)
            list->item(line - 1)->setSelected(true);
    }
    std::string stored() const { return alarmIni(); }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void selectLines_showsTheStoredLinesAndRefusesMoreThanTen()
    {
        open("select-lines", "CheckLines=5,3\r\n");
        auto* list = find<ui::LineList>("CheckLines");
        QCOMPARE(list->count(), 60);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Line 01"));
        QCOMPARE(list->selectedItems().size(), 2);
        select(list, {1, 2, 4, 6, 7, 8, 9, 10, 11});
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes.texts().size(), std::size_t(1));
        QCOMPARE(stored(), std::string("[LineWatchDog]\r\nCheckLines=5,3\r\n"));
        list->item(0)->setSelected(false);
        list->item(59)->setSelected(true);
        list->item(59)->setSelected(false);
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(stored(), std::string("[LineWatchDog]\r\nCheckLines=2,3,4,5,6,7,8,9,10,11\r\n"));
    }

    void lineSupervision_followsItsBoxesAndEditReadsTheLinesAgain()
    {
        open("line-supervision", "CheckLines=2\r\nLastReset=65A0B8C0\r\n");
        for (const char* name : {"NumberToDial", "CheckLines_edit", "test-now", "LastReset", "Interval"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        find<QCheckBox>("WDogActive")->click();
        QVERIFY(find<QWidget>("CheckLines_edit")->isEnabled());
        QVERIFY(find<QLineEdit>("LastReset")->isEnabled());
        QVERIFY(!find<QLineEdit>("LastReset")->text().isEmpty());
        find<QRadioButton>("MultiSrvCallBack_1")->click();
        QVERIFY(!find<QLineEdit>("LastReset")->isEnabled());

        QTimer::singleShot(0, [] {
            auto* lines = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(lines);
            lines->findChild<ui::LineList*>(QStringLiteral("CheckLines"))->item(6)->setSelected(true);
            lines->accept();
        });
        find<QPushButton>("CheckLines_edit")->click();
        QCOMPARE(find<QLineEdit>("CheckLines")->text(), QStringLiteral("2,7"));

        find<QLineEdit>("NumberToDial")->setText(QStringLiteral("0891"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(boxes.texts().empty());
        QCOMPARE(stored(), std::string("[LineWatchDog]\r\nCheckLines=2,7\r\nLastReset=65A0B8C0\r\nWDogActive=1\r\n"
                                       "NumberToDial=0891\r\nWithDDIForDial=\r\nMinuteInterval=0\r\nDeltaHours=1\r\n"
                                       "StartAlarm=0\r\nWriteWarningFile=0\r\nRestartSystem=0\r\nPostType=0\r\n"
                                       "MultiSrvCallBack=1\r\n"));
    }
};

QTEST_MAIN(LineSupervisionDialogTest)
#include "LineSupervisionDialogTest.moc"
