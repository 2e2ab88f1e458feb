// The alarming dialogs on the demo site: enabling by clicks, OK and Cancel.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/TempSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kx;

class AlarmingDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempSite> m_site = std::make_unique<test::TempSite>();
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes = std::make_unique<test::RecordingMessageBoxes>();
    std::unique_ptr<settings::SettingsModel> m_model;
    std::unique_ptr<ui::SettingsDialog> m_dialog;

    std::string alarmIni() const { return m_site->read("windows/kxalarm.ini"); }
    void open(const std::string& name)
    {
        m_dialog.reset();
        m_model = settings::FindSettingsDialog(name)->make();
        m_model->load();
        m_dialog = ui::MakeSettingsDialog(*m_model, nullptr);
        QVERIFY(m_dialog);
        m_dialog->show();
    }
    template <typename W>
    W* find(const char* name)
    {
        W* w = m_dialog->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    // Which of `names` are enabled, as a string of 1 and 0.
    QString enabled(std::initializer_list<const char*> names)
    {
        QString out;
        for (const char* n : names)
            out += find<QWidget>(n)->isEnabled() ? '1' : '0';
        return out;
    }
    void press(QDialogButtonBox::StandardButton which) { m_dialog->buttonBox()->button(which)->click(); }
    bool holds(const std::string& text) const { return alarmIni().find(text) != std::string::npos; }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site->root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site->root(), error), error.c_str());
    }
    void cleanup()
    {
        m_dialog.reset();
        m_boxes->clear();
    }

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

        open("email");
        find<QCheckBox>("Active")->click();
        find<QLineEdit>("MailServer")->setText(QStringLiteral("mail.example"));
        find<QComboBox>("DefaultAlarm")->setCurrentIndex(1);
        emit find<QComboBox>("DefaultAlarm")->activated(1);
        press(QDialogButtonBox::Ok);  // the autostart question is answered No
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(holds("Active=1\r\n") && holds("MailServer=mail.example\r\n") && holds("DefaultAlarm=100\r\n"));
        QCOMPARE(m_boxes->texts().size(), size_t(2));
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
            return alarmIni() + m_site->read("windows/kxamsg.ini") + m_site->read("windows/kxapagcb.ini");
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
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY2(files().find(written.toStdString()) != std::string::npos, files().c_str());
        QVERIFY(m_boxes->texts().empty());
    }
};

QTEST_MAIN(AlarmingDialogsTest)
#include "AlarmingDialogsTest.moc"
