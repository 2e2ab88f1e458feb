// The general settings dialog on the offscreen platform: every control is
// bound, clicks re-apply the enabling and clearing rules (labels and hints
// included), OK with a refused range keeps the dialog open and writes
// nothing, OK writes, Cancel writes nothing, and the entry point for the
// main window hands back the key ranges.

#include "settings/ui/GeneralSettingsDialog.h"
#include "tests/settings/ui/SettingsDialogFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kx;

class GeneralSettingsDialogTest
    : public QObject,
      protected test::SettingsDialogFixture<settings::GeneralSettings, ui::GeneralSettingsDialog> {
    Q_OBJECT

private slots:
    void init() { setUpSite(); }
    void cleanup() { tearDownSite(); }

    void opens_withEveryControlBoundAndTheStoredValues()
    {
        open("[config]\r\nFirstAlarmKey=100\r\nISDN=qsig\r\nSendUUI=1\r\n");
        QVERIFY2(dialog->bindingProblems().isEmpty(), qPrintable(dialog->bindingProblems().join('\n')));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("General settings"));
        QCOMPARE(find<QLineEdit>("FirstAlarmKey")->text(), QStringLiteral("100"));
        QCOMPARE(find<QLineEdit>("LastAlarmInKey")->text(), QStringLiteral("9999"));
        QVERIFY(find<QCheckBox>("ISDN")->isChecked());
        QVERIFY(find<QRadioButton>("E1Protocol_QSIG")->isChecked());
        QVERIFY(!find<QRadioButton>("E1Protocol_CTR4")->isChecked());
        QCOMPARE(find<QComboBox>("QsigPbx")->currentText(), QStringLiteral("None"));
        QCOMPARE(find<QComboBox>("QsigPbx")->count(), 3);
        QVERIFY(find<QCheckBox>("SendUUI")->isChecked());
        QVERIFY(find<QCheckBox>("SendUUI")->isEnabled());
        QVERIFY(!find<QCheckBox>("SendDDI")->isEnabled());
        QVERIFY(!find<QLabel>("SendDDI_hint")->isEnabled());
        QVERIFY(!find<QComboBox>("IsdnPbx")->isEnabled());
        QVERIFY(!find<QLabel>("IsdnPbx_label")->isEnabled());
    }

    void clicks_reapplyTheEnablingAndClearingRules()
    {
        open("[config]\r\nISDN=QSIG\r\nSendUUI=1\r\nSendMsgAsOwnPhone=1\r\n");
        find<QCheckBox>("ISDN")->click();
        for (const char* name : {"E1Protocol_QSIG", "QsigPbx", "SendUUI", "SendUUI_hint", "AddNumberAtBeginning"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        QVERIFY(find<QCheckBox>("SendUUI")->isChecked());  // off clears nothing

        find<QCheckBox>("ISDN")->click();
        QVERIFY(find<QWidget>("SendUUI")->isEnabled());
        find<QRadioButton>("E1Protocol_CTR4")->click();
        QVERIFY(!find<QCheckBox>("SendUUI")->isChecked());
        QVERIFY(!find<QCheckBox>("SendMsgAsOwnPhone")->isChecked());
        QVERIFY(!find<QWidget>("SendUUI")->isEnabled());
        QVERIFY(find<QWidget>("SendDDI")->isEnabled());
        QVERIFY(find<QWidget>("SendDDI_hint")->isEnabled());
        QVERIFY(find<QWidget>("IsdnPbx")->isEnabled());

        // The number edit follows its check box.
        QVERIFY(!find<QLineEdit>("NumberToAdd")->isEnabled());
        find<QCheckBox>("AddNumberAtBeginning")->click();
        QVERIFY(find<QLineEdit>("NumberToAdd")->isEnabled());
    }

    void ok_refusedRangeKeepsTheDialogOpenAndWritesNothing()
    {
        open("[config]\r\nFirstAlarmKey=100\r\n");
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("5"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes->texts(),
                 std::vector<std::string>{"The first alarm number '5' should be between 10 and 9999 ! "});
        QCOMPARE(site->read("windows/kxalarm.ini"), std::string("[config]\r\nFirstAlarmKey=100\r\n"));

        // Text that is no number is refused before the checks, and the edit gets the focus.
        boxes->clear();
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("1o0"));
        press(QDialogButtonBox::Ok);
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes->texts(), std::vector<std::string>{"Please enter a whole number for \"First alarm number\"."});

        boxes->clear();
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("200"));
        find<QLineEdit>("ExtDialPrefix")->setText(QStringLiteral("0"));
        press(QDialogButtonBox::Ok);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(boxes->texts().empty());
        const std::string written = site->read("windows/kxalarm.ini");
        QVERIFY(written.find("FirstAlarmKey=200\r\n") != std::string::npos);
        QVERIFY(written.find("ExtDialPrefix=0\r\n") != std::string::npos);
        QVERIFY(written.find("ISDN=1\r\n") != std::string::npos);
    }

    void ok_writesTheChosenPbxProtocol()
    {
        open("[config]\r\nISDN=QSIG\r\n");
        QComboBox* list = find<QComboBox>("QsigPbx");
        list->setCurrentIndex(2);
        emit list->activated(2);
        QCOMPARE(model->value("QsigPbx"), std::string("Cornet"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(site->read("windows/kxt.ini").find("PBX_Protocol=Cornet\r\n") != std::string::npos);
    }

    void cancel_writesNothing()
    {
        open("[config]\r\nFirstAlarmKey=100\r\n");
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("300"));
        find<QCheckBox>("ISDN")->click();
        press(QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(site->read("windows/kxalarm.ini"), std::string("[config]\r\nFirstAlarmKey=100\r\n"));
        QVERIFY(!site->exists("windows/kxt.ini"));
        QCOMPARE(model->keyRanges().firstAlarmKey, 100);
    }

    void entryPoint_handsBackTheRangesAfterCancelAndOk()
    {
        site->write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=100\r\n");
        ui::GeneralSettingsResult result;
        QTimer::singleShot(0, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        });
        QVERIFY(!ui::RunGeneralSettingsDialog(nullptr, result));
        QVERIFY(!result.accepted);
        QCOMPARE(result.ranges.firstAlarmKey, 100);
        QCOMPARE(result.ranges.firstAlarmInKey, 1000);  // the dialog's default, not start-up's

        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            d->findChild<QLineEdit*>(QStringLiteral("LastAlarmKey"))->setText(QStringLiteral("500"));
            d->accept();
        });
        QVERIFY(ui::RunGeneralSettingsDialog(nullptr, result));
        QVERIFY(result.accepted);
        QCOMPARE(result.ranges.lastAlarmKey, 500);
        QVERIFY(site->read("windows/kxalarm.ini").find("LastAlarmKey=500\r\n") != std::string::npos);
    }
};

QTEST_MAIN(GeneralSettingsDialogTest)
#include "GeneralSettingsDialogTest.moc"
