// The dialogs of an add or delete run on a copy of the demo site: the
// progress runs to the end with "OK"; a cancel answered Yes stops between
// keys, and the button reads "OK" only once the writer has ended; "Add"
// offers the free keys and asks before a mailbox is overwritten.

#include "alarmconfig/ui/KeyDialogs.h"
#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/SitePaths.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace kx;

class KeyRunDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_site;
    test::RecordingMessageBoxes m_boxes;
    static constexpr const char* kTable = "\\db1\\vm001.dbf";

    static std::string status(long key)
    {
        CDatabase db;
        std::string value;
        if (db.Open(kTable)) {
            db.Go(mailbox::RecordOfKey(key));
            db.Read(mailbox::field::Status, value);
        }
        return value;
    }

private slots:
    void initTestCase()
    {
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.path().toStdString(), error), error.c_str());
        SitePaths::configure(m_site.path().toStdString(), {});
    }

    void runsToTheEndWithOk()
    {
        ui::KeyRunDialog dialog(kTable, {true, true}, {20, 21, 22}, nullptr);
        dialog.show();
        QTRY_VERIFY(dialog.end().has_value());
        QCOMPARE(dialog.button()->text(), QString("OK"));
        QCOMPARE(dialog.value(), 100);
        QCOMPARE(dialog.labelText().section('\n', -2), QString("100 %\n3 of 3 keys done"));
        QCOMPARE(status(20) + status(22), std::string("9191"));
        QTest::mouseClick(dialog.button(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Another holder of key 31's record lock keeps the writer there, so
    // the cancel lands while the writer is still busy.
    void cancelAnsweredYesStopsBetweenKeys()
    {
        CDatabase holder;
        QVERIFY(holder.Open(kTable));
        QVERIFY(holder.LockRecord(mailbox::RecordOfKey(31)));
        ui::KeyRunDialog dialog(kTable, {true, true}, {30, 31, 32}, nullptr);
        dialog.show();
        QTRY_COMPARE(dialog.value(), 33);
        m_boxes.answer(true);
        QTest::mouseClick(dialog.button(), Qt::LeftButton);
        QCOMPARE(m_boxes.shown().back().kind, 'C');
        QTest::qWait(50);
        QVERIFY(!dialog.end().has_value());
        QCOMPARE(dialog.button()->text(), QString("Cancel"));
        QVERIFY(!dialog.button()->isEnabled());
        holder.Unlock();
        QTRY_VERIFY(dialog.end().has_value());
        QCOMPARE(dialog.button()->text(), QString("OK"));
        QVERIFY(dialog.button()->isEnabled());
        QCOMPARE(int(dialog.end()->outcome), int(alarmconfig::RunEnd::Outcome::Canceled));
        QCOMPARE(dialog.end()->done, std::size_t(2));
        QCOMPARE(status(31) + status(32), std::string("9111"));
    }

    // "Add" offers the keys of the range that have a record and are neither
    // alarms nor alarms-in, sorted as text; a mailbox of the platform among
    // the chosen keys is asked about first, No keeps the dialog open.
    void addOffersFreeKeysAndAsksBeforeOverwritingAMailbox()
    {
        {
            CDatabase db;
            QVERIFY(db.Open(kTable));
            QCOMPARE(mailbox::WriteFields(db, 5150, {{"status", "21"}}), 1);
        }
        ui::AddKeysDialog dialog(kTable, false, 5090, 5199, nullptr);
        QListWidget* offered = dialog.freeList();
        QCOMPARE(offered->count(), 100);  // 5100 .. 5199; 5090 .. 5099 are alarms-in
        QCOMPARE(offered->item(0)->text(), QString("5100"));
        for (const char* key : {"5150", "5101"})
            offered->findItems(key, Qt::MatchExactly).front()->setSelected(true);
        dialog.toNewButton()->click();
        QCOMPARE(offered->count(), 98);
        m_boxes.answer(false);
        dialog.addButton()->click();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(m_boxes.shown().back().text.find("1 of the selected keys are mailboxes of the voice platform.") == 0);
        QVERIFY(m_boxes.shown().back().defaultNo);
        m_boxes.answer(true);
        dialog.addButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenKeys(), std::vector<long>({5101, 5150}));
    }
};

QTEST_MAIN(KeyRunDialogTest)
#include "KeyRunDialogTest.moc"
