// "Watchdog settings" of the demo's sample alarm: enabling by clicks, Cancel, OK.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/common/SettingsDialogFixture.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kx;

class WatchdogAlarmDialogTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    // Opens the dialog, clicks event mode and types the minutes and the comment.
    void openInEventMode(const char* eventMinutes)
    {
        open("watchdog-alarm");
        QCOMPARE(dialog->findChild<QGroupBox*>()->title(), QStringLiteral("Settings for the watchdog alarm 4711"));
        QCOMPARE(fields(), QStringLiteral("-|-|-"));
        dialog->findChild<QRadioButton*>(QStringLiteral("mode_1"))->click();
        QCOMPARE(fields(), QStringLiteral("5|60|Fire alarm building 47"));
        edit("event_minutes")->setText(QString::fromLatin1(eventMinutes));
        edit("after_minutes")->setText(QStringLiteral("-7"));
        edit("comment")->setText(QStringLiteral("Night backup"));
    }
    QLineEdit* edit(const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    // The event values as shown, "-" for a disabled one.
    QString fields()
    {
        QStringList shown;
        for (const char* name : {"event_minutes", "after_minutes", "comment"})
            shown << (edit(name)->isEnabled() ? edit(name)->text() : QStringLiteral("-"));
        return shown.join('|');
    }
    std::string stored() const
    {
        CDatabase db;
        std::string comment;
        if (db.Open("\\db1\\vm001.dbf")) {
            db.Go(mailbox::RecordOfKey(ctl::DemoSite::kSampleAlarmKey));
            db.Read(mailbox::field::Comment, comment);
        }
        return comment + "|" + site.read("windows/kxawdog.ini");
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }

    void clicksEnableTheEventValuesCancelWritesNothingAndOkWritesTheOrder()
    {
        const std::string before = stored();
        openInEventMode("15");
        dialog->findChild<QRadioButton*>(QStringLiteral("mode_0"))->click();
        QCOMPARE(fields(), QStringLiteral("-|-|-"));
        press(QDialogButtonBox::Cancel);
        QCOMPARE(stored(), before);

        openInEventMode("0");
        press(QDialogButtonBox::Ok);
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes.texts(), std::vector<std::string>{"Please enter a valid watchdog interval in minutes!"});
        QCOMPARE(stored(), before);
        edit("event_minutes")->setText(QStringLiteral("15"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        // A negative after-alarm time is saved as 60.
        QCOMPARE(stored(), std::string("KXAWDOG 15 60 Night backup|[Config]\r\nActiveWdogAlarms=4711;\r\n"));
    }
};

QTEST_MAIN(WatchdogAlarmDialogTest)
#include "WatchdogAlarmDialogTest.moc"
