// The alarming dialogs on the demo site: enabling by clicks, OK and Cancel.

#include "tests/common/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kx;

class AlarmingDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    bool holds(const std::string& text) const { return alarmIni().find(text) != std::string::npos; }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

    void email()
    {
        open("email");
        const auto receive = {"MailServer",   "MailServer_subject", "AlarmRange",        "FirstAlarmForRange",
                              "NeedIdAndPwd", "edit-id-list",       "DefaultAlarm_label"};
        QCOMPARE(enabled(receive), QStringLiteral("0000000"));
        QCOMPARE(enabled({"SMTPHost_label", "AutoAddDomain", "DomainToAdd", "DomainToAdd_hint"}),
                 QStringLiteral("0000"));
        find<QCheckBox>("Active")->click();
        find<QCheckBox>("-@-")->click();
        find<QCheckBox>("AutoAddDomain")->click();
        QCOMPARE(enabled(receive), QStringLiteral("1110101"));
        QCOMPARE(enabled({"SMTPHost_label", "AutoAddDomain", "DomainToAdd", "DomainToAdd_hint"}),
                 QStringLiteral("1111"));
        find<QCheckBox>("AlarmRange")->click();
        find<QCheckBox>("NeedIdAndPwd")->click();
        QCOMPARE(enabled(receive), QStringLiteral("1111111"));
        QCOMPARE(find<QComboBox>("DefaultAlarm")->currentText(), QStringLiteral("Do not launch an alarm"));
        QCOMPARE(find<QLineEdit>("PasswordForPolling")->echoMode(), QLineEdit::Password);

        open("email");
        find<QCheckBox>("Active")->click();
        find<QLineEdit>("MailServer")->setText(QStringLiteral("mail.example"));
        choose("DefaultAlarm", 1);
        press(QDialogButtonBox::Ok);  // the autostart question is answered No
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(holds("Active=1\r\n") && holds("MailServer=mail.example\r\n") && holds("DefaultAlarm=100\r\n"));
        QCOMPARE(boxes.texts().size(), size_t(2));
    }

    // Per dialog: the check box clicked, what it enables, an edit typed
    // into and the key line that OK writes; Cancel first writes nothing.
    void clickEnablesAndOkWrites_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("follows");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("written");
        QTest::newRow("sequential") << "sequential"
                                    << "PagerCallBack"
                                    << QStringList{"CallBackNumber", "SleepAfterPage", "SleepAfterPage_label"}
                                    << "SleepAfterPage"
                                    << "[sequent]\r\nRepeatMessage=2\r\nPagerCallBack=1\r\n";
        QTest::newRow("parallel") << "parallel"
                                  << "PagerCallBack" << QStringList{"CallBackNumber"} << "CallBackNumber"
                                  << "[Config]\r\nCallBackNumber=7\r\n";
        QTest::newRow("confirmation") << "confirmation"
                                      << "SetConfirmedByForAlarmOnSuccess"
                                      << QStringList{"ConfirmedByPreMessage", "ConfirmedByPreMessage_label",
                                                     "ConfirmedByPreMessage_hint"}
                                      << "ConfirmedByPreMessage"
                                      << "ConfirmedByPreMessage=7\r\n";
        QTest::newRow("conference") << "conference"
                                    << "RecAsync" << QStringList{} << "MaxDurationMinutes"
                                    << "MaxDurationInSeconds=420\r\n";
        QTest::newRow("alarm-result") << "alarm-result"
                                      << "PrintAlarmResult" << QStringList{"SleepBeforePrint", "SleepBeforePrint_hint"}
                                      << "SleepBeforePrint"
                                      << "[kxaprint]\r\nPrintAlarmResult=1\r\nSleepBeforePrint=7\r\n";
    }
    void clickEnablesAndOkWrites()
    {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QStringList, follows);
        QFETCH(QString, edit);
        QFETCH(QString, written);
        const auto files = [this] {
            return alarmIni() + site.read("windows/kxamsg.ini") + site.read("windows/kxapagcb.ini");
        };
        const std::string before = files();
        open(name.toStdString());
        for (const QString& f : follows)
            QVERIFY2(!find<QWidget>(qPrintable(f))->isEnabled(), qPrintable(f));
        find<QCheckBox>(qPrintable(box))->click();
        for (const QString& f : follows)
            QVERIFY2(find<QWidget>(qPrintable(f))->isEnabled(), qPrintable(f));
        find<QLineEdit>(qPrintable(edit))->setText(QStringLiteral("7"));
        press(QDialogButtonBox::Cancel);
        QCOMPARE(files(), before);

        open(name.toStdString());
        find<QCheckBox>(qPrintable(box))->click();
        find<QLineEdit>(qPrintable(edit))->setText(QStringLiteral("7"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY2(files().find(written.toStdString()) != std::string::npos, files().c_str());
        QVERIFY(boxes.texts().empty());
    }
};

QTEST_MAIN(AlarmingDialogsTest)
#include "AlarmingDialogsTest.moc"
