// The watchers' general settings and the service watch dialog: what they
// show, what clicks and typing change, OK, the general settings button.
// Binding and Cancel are checked for every dialog by the settings dialogs'
// test, the orders the dialogs write by the models' tests.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/common/SettingsDialogFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace kx;

class WatchOrderDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    static constexpr long kAlarm = 100;

    // The comment of kAlarm: `text` written, or read as stored.
    static std::string comment(const char* text = nullptr)
    {
        CDatabase db;
        std::string stored;
        if (db.Open("\\db1\\vm001.dbf") && (!text || mailbox::WriteFields(db, kAlarm, {{"text_opt1", text}}) == 1)) {
            db.Go(mailbox::RecordOfKey(kAlarm));
            db.Read(mailbox::field::Comment, stored);
        }
        return stored;
    }
    // The caption of the dialog the "General settings" button opens (closed at once).
    QString generalSettingsCaption()
    {
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                caption = modal->windowTitle();
                modal->close();
            }
        });
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("General settings"))
                b->click();
        return caption;
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }

    void watchers_defaultsAndOk()
    {
        open("watchers");
        QCOMPARE(find<QLineEdit>("servw.SleepAfter")->text(), QStringLiteral("3600"));
        find<QLineEdit>("ping.Delay")->setText(QStringLiteral("30"));
        dialog->accept();
        QCOMPARE(site.read("windows/kxaping.ini") + site.read("windows/kxaservw.ini"),
                 std::string("[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=30\r\nSleepAfter=3600\r\n"
                             "[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=60\r\nSleepAfter=3600\r\n"));
    }

    void serviceWatch_kindAndLocationFollowTheClicks()
    {
        site.write("windows/kxaservw.ini", "[10.0.0.5]\r\nlogin=root\r\npassword=toor\r\n");
        QCOMPARE(comment("KXASERVW 10.0.0.2\\Spooler x"), std::string("KXASERVW 10.0.0.2\\Spooler x"));
        open("service-watch", kAlarm);
        QCOMPARE(find<QPushButton>("show")->text(), QStringLiteral("Show services"));
        QCOMPARE(find<QLineEdit>("password")->echoMode(), QLineEdit::Password);
        find<QRadioButton>("kind_process")->click();
        QCOMPARE(find<QLabel>("name_label")->text(), QStringLiteral("Name of process to watch:"));
        QCOMPARE(find<QPushButton>("show")->text(), QStringLiteral("Show processes"));
        find<QLineEdit>("address")->clear();
        QTest::keyClicks(find<QLineEdit>("address"), QStringLiteral("10.0.0.5"));
        QCOMPARE(find<QLineEdit>("login")->text(), QStringLiteral("root"));
        find<QRadioButton>("location_local")->click();
        QVERIFY(!find<QLineEdit>("address")->isEnabled());
        boxes.answer(true);
        dialog->accept();
        QCOMPARE(comment(), std::string("KXAPROCW 127.0.0.1\\Spooler x"));
        QCOMPARE(generalSettingsCaption(), QStringLiteral("Server / Service / Process watcher settings"));
    }
};

QTEST_MAIN(WatchOrderDialogsTest)
#include "WatchOrderDialogsTest.moc"
