// The Conference page's extended settings dialog (three values of the page:
// OK keeps the edits in the page, Cancel puts them back) and the window's
// question with choices.

#include "alarmconfig/ui/ConferenceExtendedDialog.h"
#include "alarmconfig/ConferencePage.h"
#include "app/ctl/DemoSite.h"
#include "platform/ui/QtMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace kx;

class ConferenceExtendedDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempSite> m_site = std::make_unique<test::TempSite>();

    // Answers the next modal dialog: checks the radio button `choice` (-1: none) and presses `button`.
    static void answerNextDialog(int choice, QDialogButtonBox::StandardButton button, int* defaultShown)
    {
        QTimer::singleShot(0, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            const auto radios = dialog->findChildren<QRadioButton*>();
            for (int i = 0; i < radios.size(); ++i)
                if (radios[i]->isChecked())
                    *defaultShown = i;
            if (choice >= 0)
                radios[choice]->click();
            dialog->findChild<QDialogButtonBox*>()->button(button)->click();
        });
    }

private slots:
    void initTestCase()
    {
        std::filesystem::remove_all(m_site->root());
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site->root(), error), error.c_str());
    }

    void okKeepsTheEditsInThePageAndCancelPutsThemBack()
    {
        alarmconfig::ConferencePage page;
        page.loadFor(5001, 1, 1);
        const auto open = [&page](auto act) {
            ui::ConferenceExtendedDialog dialog(page, nullptr);
            QVERIFY2(dialog.bindingProblems().isEmpty(), qPrintable(dialog.bindingProblems().join('\n')));
            dialog.show();
            act(dialog);
        };
        open([](ui::ConferenceExtendedDialog& d) {
            QVERIFY(!d.findChild<QLineEdit*>("num4_3")->isEnabled());
            d.findChild<QCheckBox*>("num1_4")->click();
            d.findChild<QLineEdit*>("num4_3")->setText(QStringLiteral("30"));
            d.accept();
        });
        QCOMPARE(page.value("num1_4"), std::string("1"));
        QCOMPARE(page.value("num4_3"), std::string("30"));
        open([](ui::ConferenceExtendedDialog& d) {
            QVERIFY(d.findChild<QLineEdit*>("num4_3")->isEnabled());
            d.findChild<QCheckBox*>("num1_5")->click();
            d.findChild<QCheckBox*>("num1_4")->click();
            d.findChild<QLineEdit*>("num4_3")->setText(QStringLiteral("45"));
            d.reject();
        });
        QCOMPARE(page.value("num1_5"), std::string("0"));
        QCOMPARE(page.value("num1_4"), std::string("1"));
        QCOMPARE(page.value("num4_3"), std::string("30"));
    }

    void choiceBoxAnswersTheCheckedChoiceOrCancel()
    {
        ui::QtMessageBoxes boxes;
        const std::vector<std::string> choices{"first", "second"};
        const struct {
            int click;
            QDialogButtonBox::StandardButton button;
            int answer;
        } cases[] = {{1, QDialogButtonBox::Ok, 1}, {-1, QDialogButtonBox::Ok, 0}, {1, QDialogButtonBox::Cancel, -1}};
        for (const auto& c : cases) {
            int defaultShown = -1;
            answerNextDialog(c.click, c.button, &defaultShown);
            QCOMPARE(boxes.askChoice("Caption", "Text", choices, 0), c.answer);
            QCOMPARE(defaultShown, 0);
        }
    }
};

QTEST_MAIN(ConferenceExtendedDialogTest)
#include "ConferenceExtendedDialogTest.moc"
