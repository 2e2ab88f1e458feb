// The dialogs of alarms and alarms-in on copies of the demo site.
// "Settings of alarms-in": every function's page in the stack with every
// control bound, Apply, OK, Cancel and the switch through the alarm-in list.
// An add or delete run: the progress runs to the end with "OK"; a cancel
// answered Yes stops between keys, and the button reads "OK" only once the
// writer has ended; "Add" offers the free keys and asks before a mailbox is
// overwritten. The Conference page's extended settings (three values of the
// page: OK keeps the edits in the page, Cancel puts them back), the window's
// question with choices, and the pin code editor of the conference pool
// ("Set pin" for the selected number, a refused pin leaving list and file as
// they were). Printing on a printer: the page range keeps the full count in
// the footers, and a page the printer refuses aborts the job with an error box.

#include "alarmconfig/AlarmInEditor.h"
#include "alarmconfig/ConferencePage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"
#include "alarmconfig/ui/AlarmInSettingsDialog.h"
#include "alarmconfig/ui/ConferenceExtendedDialog.h"
#include "alarmconfig/ui/ConferencePinsDialog.h"
#include "alarmconfig/ui/KeyDialogs.h"
#include "alarmconfig/ui/PrintoutJob.h"
#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "plans/ui/SelectPlanDialog.h"
#include "platform/SitePaths.h"
#include "platform/ui/QtMessageBoxes.h"
#include "tests/common/PdfText.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>

using namespace kx;

namespace {

// A PDF printer that refuses to begin page `refused`.
class RefusingPrinter : public QPrinter {
public:
    explicit RefusingPrinter(int refused) : m_refused(refused) {}
    bool newPage() override { return ++m_page != m_refused && QPrinter::newPage(); }

private:
    int m_refused;
    int m_page = 1;
};

// 91 alarms (three pages), no alarm-ins (one page), a group of 60 (two pages).
alarmconfig::printout::Content printoutContent()
{
    alarmconfig::printout::Content content;
    content.alarms.resize(91);
    for (std::size_t i = 0; i < content.alarms.size(); ++i)
        content.alarms[i].text[0] = std::to_string(100 + i);
    content.groups.push_back({"12 Security service", std::vector<alarmconfig::printout::MemberRow>(60)});
    return content;
}

}  // namespace

class AlarmConfigDialogsTest : public QObject {
    Q_OBJECT

private:
    static constexpr const char* kTable = "\\db1\\vm001.dbf";
    QTemporaryDir m_demo;
    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes;
    QString m_oldDir;
    const alarmconfig::printout::Content m_content = printoutContent();
    test::TempDir m_dir{"kxprint"};

    static std::string field(long key, const char* name)
    {
        CDatabase db;
        std::string value;
        if (db.Open(kTable)) {
            db.Go(mailbox::RecordOfKey(key));
            db.Read(mailbox::PhysicalName(mailbox::PositionOfLogicalName(name)).c_str(), value);
        }
        return value.erase(0, value.find_first_not_of(' '));
    }
    static std::string label(long key) { return field(key, "text_opt1"); }
    static void choose(QComboBox* list, const QString& startingWith)
    {
        const int index = list->findText(startingWith, Qt::MatchStartsWith);
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
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

    void toPdf(QPrinter& printer, const std::string& name)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_dir.path(name)));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

private slots:
    void initTestCase()
    {
        std::string error;
        QVERIFY2(ctl::DemoSite::build((m_demo.path() + "/site").toStdString(), error), error.c_str());
        m_oldDir = QDir::currentPath();
    }
    void init()
    {
        m_site = std::make_unique<QTemporaryDir>();
        std::filesystem::copy((m_demo.path() + "/site").toStdString(), m_site->path().toStdString(),
                              std::filesystem::copy_options::recursive);
        SitePaths::configure(m_site->path().toStdString(), {});
        QDir::setCurrent(m_site->path() + "/work");
        m_boxes = std::make_unique<test::RecordingMessageBoxes>();
    }
    void cleanup()
    {
        m_boxes.reset();
        QDir::setCurrent(m_oldDir);
        m_site.reset();
    }

    void everyFunctionShowsItsBoundPage()
    {
        alarmconfig::AlarmInEditor editor;
        editor.open(5000);
        ui::AlarmInSettingsDialog dialog(editor, nullptr);
        QCOMPARE(dialog.bindingProblems(), QStringList());
        QCOMPARE(dialog.windowTitle(), QString("Settings of alarms-in"));
        QComboBox* keys = dialog.findChild<QComboBox*>("key");
        for (int function = 0; function < mailbox::kAlarmInFunctionCount; ++function) {
            choose(keys, QString::number(5000 + function) + " ");
            QCOMPARE(editor.currentKey(), 5000L + function);
            ui::AlarmInPageWidget* page = dialog.pageWidget(function);
            QVERIFY2((page == nullptr) == (function == 10), qPrintable(QString::number(function)));
            if (page)
                QCOMPARE(dialog.pageStack()->currentWidget(), page);
            QCOMPARE(dialog.pageFrame()->title(),
                     QString::fromStdString(alarmconfig::FrameTitleOf(function, 5000 + function, editor.entryText())));
        }
        QVERIFY(m_boxes->shown().empty());
    }

    void applyOkAndCancel()
    {
        alarmconfig::AlarmInEditor editor;
        editor.open(5010);
        {
            ui::AlarmInSettingsDialog dialog(editor, nullptr);
            dialog.findChild<QLineEdit*>("text_opt1")->setText("Applied");
            dialog.buttonBox()->button(QDialogButtonBox::Apply)->click();
            QCOMPARE(label(5010), std::string("Applied"));
            dialog.findChild<QLineEdit*>("text_opt1")->setText("Dropped");
            dialog.reject();
            QCOMPARE(label(5010), std::string("Applied"));
        }
        editor.open(5010);
        ui::AlarmInSettingsDialog dialog(editor, nullptr);
        dialog.show();
        dialog.findChild<QLineEdit*>("text_opt1")->setText("Closed");
        // A typed label, then a switch: the question names the alarm-in shown, Yes saves it.
        m_boxes->answer(true);
        choose(dialog.findChild<QComboBox*>("key"), "5011 ");
        QCOMPARE(label(5010), std::string("Closed"));
        QCOMPARE(QString::fromStdString(m_boxes->texts().at(0)),
                 QString("Do you want to save the data for the alarm '5010 Applied' ?"));
        dialog.findChild<QLineEdit*>("text_opt1")->setText("By OK");
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(label(5011), std::string("By OK"));
        QVERIFY(!dialog.isVisible());
    }

    void planEditChoosesThePlanAndTheLabelFollows()
    {
        CDatabase db;
        QVERIFY(db.Open("\\db1\\vm001.dbf") &&
                mailbox::WriteFields(db, 5010, {{"num1_6", "1"}, {"n_mbx", "7"}, {"num1_7", "0"}}));
        db.Close();
        test::WriteBytes("kxa_30.kxw", "1 , 08:00 - 17:00 , OFS 10;\n");
        alarmconfig::AlarmInEditor editor;
        editor.open(5010);
        ui::AlarmInSettingsDialog dialog(editor, nullptr);
        QTimer::singleShot(0, this, [] {
            auto* select = qobject_cast<ui::SelectPlanDialog*>(QApplication::activeModalWidget());
            QVERIFY(select);
            select->findChild<QRadioButton*>("alarmMode")->click();
            auto* list = select->findChild<QComboBox*>("alarmPlans");
            list->setCurrentIndex(list->findText("30 ", Qt::MatchStartsWith));
            select->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        dialog.findChild<QPushButton*>("PlanEdit")->click();
        QCOMPARE(dialog.findChild<QLineEdit*>("PlanLabel")->text(), QString("30 Alarm weekplan only"));
        QCOMPARE(QString::fromStdString(editor.value("n_mbx") + "/" + editor.value("num1_7")), QString("30/1"));
        // The editor's own save leaves the stored plan alone.
        dialog.findChild<QLineEdit*>("text_opt1")->setText("Planned");
        QVERIFY(dialog.apply());
        QCOMPARE(QString::fromStdString(field(5010, "n_mbx") + "/" + field(5010, "num1_7") + "/" + label(5010)),
                 QString("30/1/Planned"));
    }

    void runsToTheEndWithOk()
    {
        ui::KeyRunDialog dialog(kTable, {true, true}, {20, 21, 22}, nullptr);
        dialog.show();
        QTRY_VERIFY(dialog.end().has_value());
        QCOMPARE(dialog.button()->text(), QString("OK"));
        QCOMPARE(dialog.value(), 100);
        QCOMPARE(dialog.labelText().section('\n', -2), QString("100 %\n3 of 3 keys done"));
        QCOMPARE(field(20, "status") + field(22, "status"), std::string("9191"));
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
        m_boxes->answer(true);
        QTest::mouseClick(dialog.button(), Qt::LeftButton);
        QCOMPARE(m_boxes->shown().back().kind, 'C');
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
        QCOMPARE(field(31, "status") + field(32, "status"), std::string("9111"));
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
        m_boxes->answer(false);
        dialog.addButton()->click();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(m_boxes->shown().back().text.find("1 of the selected keys are mailboxes of the voice platform.") == 0);
        QVERIFY(m_boxes->shown().back().defaultNo);
        m_boxes->answer(true);
        dialog.addButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenKeys(), std::vector<long>({5101, 5150}));
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

    void pinsDialogSetsThePinOfTheSelectedNumber()
    {
        test::TempSite site;
        test::RecordingMessageBoxes boxes;
        const std::string config = "[Config]\r\nFirstConferenceNbr=5\r\nLastConferenceNbr=7\r\n";
        site.write("windows/kxaconfpool.ini", config + "[PinCodes]\r\n5=1234\r\n");
        alarmconfig::ConferencePins pins;
        pins.load();
        ui::ConferencePinsDialog dialog(pins, nullptr);
        auto* list = dialog.findChild<QTreeWidget*>("pins");
        auto* pin = dialog.findChild<QLineEdit*>("pin");
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(pin->text(), QStringLiteral("1234"));  // the first number is selected
        list->setCurrentItem(list->topLevelItem(2));
        pin->setText("1234");
        QTest::mouseClick(dialog.findChild<QPushButton*>("setPin"), Qt::LeftButton);
        QCOMPARE(boxes.texts().size(), std::size_t(1));
        pin->setText("77");
        QTest::mouseClick(dialog.findChild<QPushButton*>("setPin"), Qt::LeftButton);
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("0077"));
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
        QCOMPARE(site.read("windows/kxaconfpool.ini"), config + "[PinCodes]\r\n5=1234\r\n7=0077\r\n");
    }

    void printoutPageRangeKeepsTheFullCount()
    {
        if (!test::HavePdfTools())
            QSKIP("pdftotext is not installed (Debian package poppler-utils); the PDF cannot be read back");
        QPrinter printer;
        ui::PrintoutRenderer renderer(m_content, "Title");
        toPdf(printer, "range.pdf");
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(3, 4);
        QVERIFY(ui::PrintPrintout(printer, renderer));
        QCOMPARE(printer.docName(), QStringLiteral("kxalarm"));
        const std::vector<test::PdfPage> pages = test::ReadPdf(m_dir.path("range.pdf"));
        QCOMPARE(pages.size(), 2u);
        const std::string third = pages[0].text(), fourth = pages[1].text();
        QVERIFY2(third.find("190 ") != std::string::npos && third.find("Page 3 of 6") != std::string::npos,
                 third.c_str());  // the 91st alarm
        QVERIFY2(fourth.find("Alarm-in") != std::string::npos && fourth.find("Page 4 of 6") != std::string::npos,
                 fourth.c_str());  // the empty alarm-in list's header row
    }

    void printoutRefusedPageAbortsTheJob()
    {
        test::RecordingMessageBoxes boxes;
        RefusingPrinter printer(5);
        ui::PrintoutRenderer renderer(m_content, "Title");
        toPdf(printer, "refused.pdf");
        QVERIFY(!ui::PrintPrintout(printer, renderer));
        QCOMPARE(renderer.refusedPage(), 5);
        QCOMPARE(boxes.texts(),
                 std::vector<std::string>{"The printer did not accept page 5. The printout was aborted."});
    }
};

QTEST_MAIN(AlarmConfigDialogsTest)
#include "AlarmConfigDialogsTest.moc"
