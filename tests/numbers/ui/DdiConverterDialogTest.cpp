// The DDI converter dialog on the offscreen platform: bound controls, the
// enabling rules on clicks (labels included), the list mappings as shown,
// a test run through the stand-in script engine from the "Test" button,
// OK and Cancel.

#include "numbers/ui/DdiConverterDialog.h"
#include "tests/numbers/StandInKxe.h"
#include "tests/settings/ui/SettingsDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace kx;

class DdiConverterDialogTest : public QObject,
                               protected test::SettingsDialogFixture<numbers::DdiConverter, ui::DdiConverterDialog> {
    Q_OBJECT

private slots:
    void init() { setUpSite(); }
    void cleanup() { tearDownSite(); }

    void opens_withTheListsShowingTheStoredValues()
    {
        open("[kxaddiconv]\r\nUseLastDigits=0\r\nReplaceWith2=E\r\nReplaceAtPos3=4\r\nCutLeadingDigits=12\r\n");
        QVERIFY2(dialog->bindingProblems().isEmpty(), qPrintable(dialog->bindingProblems().join('\n')));
        QCOMPARE(find<QComboBox>("UseLastDigits")->currentText(), QStringLiteral("1"));
        QCOMPARE(find<QComboBox>("UseLastDigits")->count(), 9);
        QCOMPARE(find<QComboBox>("ReplaceWith2")->currentText(), QStringLiteral("empty"));
        QCOMPARE(find<QComboBox>("ReplaceWith1")->currentText(), QStringLiteral("0"));
        QCOMPARE(find<QComboBox>("ReplaceAtPos3")->currentText(), QStringLiteral("4. Position"));
        QCOMPARE(find<QComboBox>("ReplaceAtPos1")->currentText(), QStringLiteral("All positions"));
        QCOMPARE(find<QComboBox>("CutLeadingDigits")->currentIndex(), -1);  // 12 is no item
        QCOMPARE(find<QLineEdit>("SuppressDigits")->text(), QStringLiteral("0123456789"));
    }

    void clicks_enableEachOptionsInputs()
    {
        open("");
        for (const char* name : {"SuppressDigitsActive", "CutLeadingDigits", "CutLeadingDigits_label", "TestDDI",
                                 "test", "refresh", "ReplaceActive1", "AddOffset", "AddOffset_label", "Result_label"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        QVERIFY(find<QLineEdit>("Result")->isEnabled());
        QVERIFY(find<QLineEdit>("AfterReplace3")->isReadOnly());

        find<QCheckBox>("DDIConversionActive")->click();
        for (const char* name : {"SuppressDigitsActive", "CutLeadingDigits", "TestDDI", "test", "refresh",
                                 "ReplaceActive4", "AddOffset", "Result_label"})
            QVERIFY2(find<QWidget>(name)->isEnabled(), name);
        for (const char* name : {"Replace4", "ReplaceWith4", "ReplaceWith4_label", "ReplaceAtPos4_label",
                                 "UseLastDigits", "UseLastDigits_label", "SuppressDigits"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        find<QCheckBox>("ReplaceActive4")->click();
        find<QCheckBox>("LastDigits")->click();
        for (const char* name : {"Replace4", "ReplaceWith4", "ReplaceWith4_label", "ReplaceAtPos4",
                                 "ReplaceAtPos4_label", "UseLastDigits", "UseLastDigits_label"})
            QVERIFY2(find<QWidget>(name)->isEnabled(), name);
        QVERIFY(!find<QWidget>("Replace5")->isEnabled());
    }

    void testButton_runsTheModuleAndShowsTheResults()
    {
        test::StandInKxe kxe(site->path("bin"), site->windows());
        site->write("windows/kxaddiconv.ini", "[TestDdi]\r\n0=555\r\n");
        open("[kxaddiconv]\r\nDDIConversionActive=1\r\n");
        QComboBox* ddi = find<QComboBox>("TestDDI");
        QCOMPARE(ddi->count(), 1);
        QCOMPARE(ddi->itemText(0), QStringLiteral("555"));

        // Empty: the message, nothing run.
        find<QPushButton>("test")->click();
        QCOMPARE(boxes->texts(), std::vector<std::string>{"Please enter a DDI to test first!"});
        QVERIFY(!site->exists("windows/kxe.args"));

        boxes->clear();
        ddi->setEditText(QStringLiteral("0891"));
        find<QLineEdit>("AddOffset")->setText(QStringLiteral("12"));  // taken as it stands
        find<QPushButton>("test")->click();
        QVERIFY2(boxes->texts().empty(), boxes->texts().empty() ? "" : boxes->texts()[0].c_str());
        QCOMPARE(find<QLineEdit>("Result")->text(), QStringLiteral("0891/4/0"));
        QCOMPARE(find<QLineEdit>("AfterCutLeading")->text(), QStringLiteral("AfterCutLeading:0891"));
        QCOMPARE(ddi->count(), 2);
        QCOMPARE(ddi->itemText(0), QStringLiteral("0891"));
        QCOMPARE(ddi->currentText(), QStringLiteral("0891"));
        QVERIFY(site->read("windows/kxaddiconv.ini").find("AddOffset=12\r\n") != std::string::npos);

        // Cancel after a test: the settings are not written.
        press(QDialogButtonBox::Cancel);
        QCOMPARE(site->read("windows/kxalarm.ini"), std::string("[kxaddiconv]\r\nDDIConversionActive=1\r\n"));
    }

    void ok_writesTheDialogsValues()
    {
        open("[kxaddiconv]\r\nDDIConversionActive=1\r\nReplaceActive1=1\r\n");
        QComboBox* with = find<QComboBox>("ReplaceWith1");
        with->setCurrentIndex(10);
        emit with->activated(10);
        find<QLineEdit>("Replace1")->setText(QStringLiteral("7"));
        find<QLineEdit>("AddOffset")->setText(QStringLiteral("x"));
        press(QDialogButtonBox::Ok);
        QVERIFY(dialog->isVisible());  // "x" is no number
        QCOMPARE(boxes->texts(), std::vector<std::string>{"Please enter a whole number for \"Add offset\"."});

        find<QLineEdit>("AddOffset")->setText(QStringLiteral("-100"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const std::string written = site->read("windows/kxalarm.ini");
        // ReplaceActive1 keeps its line; the keys that were missing follow in order.
        QVERIFY(written.find("ReplaceActive1=1\r\n") != std::string::npos);
        QVERIFY(written.find("Replace1=7\r\nReplaceWith1=E\r\nReplaceAtPos1=0\r\n") != std::string::npos);
        QVERIFY(written.find("AddOffset=-100\r\n") != std::string::npos);
    }
};

QTEST_MAIN(DdiConverterDialogTest)
#include "DdiConverterDialogTest.moc"
