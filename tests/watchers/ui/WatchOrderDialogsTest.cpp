// The watchers' general settings and the dialogs of one watch order:
// binding, enabling by clicks, OK, Cancel, the general settings button.

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

    // Opens `name`; a dialog of one alarm for kAlarm with `comment` stored.
    void open(const char* name, const char* comment = nullptr)
    {
        boxes.clear();
        if (comment) {
            CDatabase db;
            QVERIFY(db.Open("\\db1\\vm001.dbf"));
            QCOMPARE(mailbox::WriteFields(db, kAlarm, {{"text_opt1", comment}}), 1);
            db.Close();
        }
        SettingsDialogFixture::open(name, kAlarm);
    }
    std::string comment()
    {
        CDatabase db;
        std::string text;
        if (db.Open("\\db1\\vm001.dbf")) {
            db.Go(mailbox::RecordOfKey(kAlarm));
            db.Read(mailbox::field::Comment, text);
        }
        return text;
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

    void watchers_defaultsCancelAndOk()
    {
        for (const bool ok : {false, true}) {
            open("watchers");
            QCOMPARE(find<QLineEdit>("servw.SleepAfter")->text(), QStringLiteral("3600"));
            find<QLineEdit>("ping.Delay")->setText(QStringLiteral("30"));
            ok ? dialog->accept() : dialog->reject();
        }
        QCOMPARE(site.read("windows/kxaping.ini") + site.read("windows/kxaservw.ini"),
                 std::string("[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=30\r\nSleepAfter=3600\r\n"
                             "[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=60\r\nSleepAfter=3600\r\n"));
    }

    void serverWatch_okWritesTheOrderAndCancelNothing()
    {
        for (const bool ok : {false, true}) {
            open("server-watch", "KXAPING 10.0.0.1 main router");
            QCOMPARE(find<QLineEdit>("comment")->text(), QStringLiteral("main router"));
            find<QLineEdit>("address")->setText(QStringLiteral("10.0.0.7"));
            boxes.answer(true);
            ok ? dialog->accept() : dialog->reject();
            QCOMPARE(comment(), std::string(ok ? "KXAPING 10.0.0.7 main router" : "KXAPING 10.0.0.1 main router"));
        }
        QCOMPARE(generalSettingsCaption(), QStringLiteral("Server / Service / Process watcher settings"));
    }

    void serviceWatch_kindAndLocationFollowTheClicks()
    {
        site.write("windows/kxaservw.ini", "[10.0.0.5]\r\nlogin=root\r\npassword=toor\r\n");
        for (const bool ok : {false, true}) {
            open("service-watch", "KXASERVW 10.0.0.2\\Spooler x");
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
            ok ? dialog->accept() : dialog->reject();
            QCOMPARE(comment(), std::string(ok ? "KXAPROCW 127.0.0.1\\Spooler x" : "KXASERVW 10.0.0.2\\Spooler x"));
        }
    }
};

QTEST_MAIN(WatchOrderDialogsTest)
#include "WatchOrderDialogsTest.moc"
