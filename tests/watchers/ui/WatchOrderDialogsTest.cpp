// The watchers' general settings and the dialogs of one watch order:
// binding, enabling by clicks, OK, Cancel, the general settings button.

#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace kx;

class WatchOrderDialogsTest : public QObject {
    Q_OBJECT

private:
    static constexpr long kAlarm = 100;
    test::TempSite m_site;
    test::RecordingMessageBoxes m_boxes;
    std::unique_ptr<settings::SettingsModel> m_model;
    std::unique_ptr<ui::SettingsDialog> m_dialog;

    // Opens `name`; a dialog of one alarm for kAlarm with `comment` stored.
    void open(const char* name, const char* comment = nullptr)
    {
        m_dialog.reset();
        m_boxes.clear();
        m_model = settings::FindSettingsDialog(name)->make();
        if (comment) {
            CDatabase db;
            QVERIFY(db.Open("\\db1\\vm001.dbf"));
            QCOMPARE(mailbox::WriteFields(db, kAlarm, {{"text_opt1", comment}}), 1);
            db.Close();
            m_model->load(kAlarm);
        } else {
            m_model->load();
        }
        m_dialog = ui::MakeSettingsDialog(*m_model, nullptr);
        QVERIFY(m_dialog->bindingProblems().isEmpty());
        m_dialog->show();
    }
    template <typename W>
    W* find(const char* name)
    {
        return m_dialog->findChild<W*>(QString::fromLatin1(name));
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
        for (QPushButton* b : m_dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("General settings"))
                b->click();
        return caption;
    }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site.root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.root(), error), error.c_str());
    }

    void watchers_defaultsCancelAndOk()
    {
        for (const bool ok : {false, true}) {
            open("watchers");
            QCOMPARE(find<QLineEdit>("servw.SleepAfter")->text(), QStringLiteral("3600"));
            find<QLineEdit>("ping.Delay")->setText(QStringLiteral("30"));
            ok ? m_dialog->accept() : m_dialog->reject();
        }
        QCOMPARE(m_site.read("windows/kxaping.ini") + m_site.read("windows/kxaservw.ini"),
                 std::string("[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=30\r\nSleepAfter=3600\r\n"
                             "[Settings]\r\nFirstAlarm=7090\r\nLastAlarm=7099\r\nDelay=60\r\nSleepAfter=3600\r\n"));
    }

    void serverWatch_okWritesTheOrderAndCancelNothing()
    {
        for (const bool ok : {false, true}) {
            open("server-watch", "KXAPING 10.0.0.1 main router");
            QCOMPARE(find<QLineEdit>("comment")->text(), QStringLiteral("main router"));
            find<QLineEdit>("address")->setText(QStringLiteral("10.0.0.7"));
            m_boxes.answer(true);
            ok ? m_dialog->accept() : m_dialog->reject();
            QCOMPARE(comment(), std::string(ok ? "KXAPING 10.0.0.7 main router" : "KXAPING 10.0.0.1 main router"));
        }
        QCOMPARE(generalSettingsCaption(), QStringLiteral("Server / Service / Process watcher settings"));
    }

    void serviceWatch_kindAndLocationFollowTheClicks()
    {
        m_site.write("windows/kxaservw.ini", "[10.0.0.5]\r\nlogin=root\r\npassword=toor\r\n");
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
            m_boxes.answer(true);
            ok ? m_dialog->accept() : m_dialog->reject();
            QCOMPARE(comment(), std::string(ok ? "KXAPROCW 127.0.0.1\\Spooler x" : "KXASERVW 10.0.0.2\\Spooler x"));
        }
    }
};

QTEST_MAIN(WatchOrderDialogsTest)
#include "WatchOrderDialogsTest.moc"
