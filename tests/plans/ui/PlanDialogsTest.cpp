// "Select plan" and "Create plan" over the demo site's mailbox table, in a
// working directory holding only the plans made here: enabling by mode, the
// lines in their colours, "New" through "Create plan", "Edit", and OK
// closing and writing only when the model took it.

#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "plans/ui/CreatePlanDialog.h"
#include "plans/ui/SelectPlanDialog.h"
#include "platform/SitePaths.h"
#include "platform/ui/WidgetText.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/StandInPrograms.h"
#include "tests/common/TempSite.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace kx;

class PlanDialogsTest : public QObject {
    Q_OBJECT

private:
    static constexpr long kKey = 5000;
    QTemporaryDir m_site;
    std::unique_ptr<QTemporaryDir> m_work;
    test::RecordingMessageBoxes m_boxes;
    std::unique_ptr<plans::PlanSelection> m_model;
    std::unique_ptr<ui::SelectPlanDialog> m_dialog;

    // "Select plan" for the alarm-in with a stored plan number and kind.
    ui::SelectPlanDialog& open(long plan, long kind)
    {
        m_dialog.reset();
        m_model = std::make_unique<plans::PlanSelection>(kKey, plan, kind);
        m_model->open();
        m_dialog = std::make_unique<ui::SelectPlanDialog>(*m_model, nullptr);
        return *m_dialog;
    }
    template <typename T = QWidget>
    static T* child(QObject* parent, const char* name)
    {
        T* found = parent->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static void ok(QObject* dialog) { dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
    static std::string stored()  // "n_mbx/num1_7" of the alarm-in
    {
        CDatabase db;
        std::string plan, kind;
        if (db.Open("\\db1\\vm001.dbf")) {
            db.Go(mailbox::RecordOfKey(kKey));
            db.Read(mailbox::field::PlanNumber, plan);
            db.Read(mailbox::field::AlarmInPlanKind, kind);
        }
        return std::to_string(std::atol(plan.c_str())) + "/" + std::to_string(std::atol(kind.c_str()));
    }

private slots:
    void initTestCase()
    {
        std::string error;
        QVERIFY2(ctl::DemoSite::build(m_site.path().toStdString(), error), error.c_str());
        SitePaths::configure(m_site.path().toStdString(), {});
    }
    void init()
    {
        // Alarm-in plans with default and ordinary lines, an offset alarm
        // plan with a line without a type word, a group plan.
        m_work = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_work->path());
        test::WriteBytes("kxi_20.kxh", "00.00.  00 , 00:00 - 00.00.  00 , 00:00 , Default-in;\n"
                                       "01.01.27 , 08:00 - 02.01.27 , 18:00 , Ordinary;\n");
        test::WriteBytes("kxi_20.kxw", "0 , 00:00 - 00:00 , Week default;\n1 , 08:00 - 17:00 , Monday line;\n");
        test::WriteBytes("kxi_25.kxw", "2 , 08:00 - 17:00 , Tuesday line;\n");
        test::WriteBytes("kxa_30.kxh", "00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 5;\n");
        test::WriteBytes("kxa_30.kxw", "1 , 08:00 - 17:00 , OFS 10;\n2 , 08:00 - 17:00 , no type word;\n");
        test::WriteBytes("kxa_40.kxw", "1 , 08:00 - 17:00 , GRP 12;\n");
        m_boxes.clear();
    }
    void cleanup()
    {
        m_dialog.reset();
        QDir::setCurrent(QDir::tempPath());
        m_work.reset();
    }

    void enablingFollowsTheMode()
    {
        // Any stored kind other than 0 opens with the alarm plans.
        for (const auto& [kind, mode] : {std::pair{0L, 0}, {1L, 1}, {5L, 1}}) {
            ui::SelectPlanDialog& dialog = open(30, kind);
            const int lines = child<QListWidget>(&dialog, "weekLines")->count();
            for (int shown : {mode, 1 - mode}) {
                QVERIFY(child<QRadioButton>(&dialog, shown ? "alarmMode" : "alarmInMode")->isChecked());
                for (const char* name : {"alarmInPlans", "newAlarmIn"})
                    QCOMPARE(child(&dialog, name)->isEnabled(), shown == 0);
                for (const char* name : {"alarmPlans", "newAlarm", "offsetNotice"})
                    QCOMPARE(child(&dialog, name)->isEnabled(), shown == 1);
                QCOMPARE(static_cast<int>(m_model->mode()), shown);
                child<QRadioButton>(&dialog, shown ? "alarmInMode" : "alarmMode")->click();
            }
            QCOMPARE(child<QListWidget>(&dialog, "weekLines")->count(), lines);  // not read again
        }
    }

    void linesShowTheirColours()
    {
        const struct {
            long plan, kind;
            const char *list, *file;
            QList<QColor> colours;
        } cases[] = {
            {20, 0, "week", "kxi_20.kxw", {QColor(50, 40, 30), QColor(120, 100, 60)}},
            {30, 1, "year", "kxa_30.kxh", {QColor(40, 0, 0)}},
            {30, 1, "week", "kxa_30.kxw", {QColor(180, 0, 0), Qt::black}},
            {40, 1, "year", "kxa_40.kxh", {}},  // missing: no lines, its name all the same
        };
        for (const auto& c : cases) {
            ui::SelectPlanDialog& dialog = open(c.plan, c.kind);
            const QString name = QString::fromLatin1(c.list);
            const auto* lines = dialog.findChild<QListWidget*>(name + "Lines");
            const auto& shown = name == "week" ? m_model->display().week : m_model->display().year;
            QCOMPARE(dialog.findChild<QLineEdit*>(name + "File")->text(), QString(c.file));
            QCOMPARE(lines->count(), c.colours.size());
            for (int i = 0; i < lines->count(); ++i) {
                QCOMPARE(lines->item(i)->text(), ui::FromBytes(shown.at(i).text));
                QCOMPARE(lines->item(i)->data(Qt::ForegroundRole).value<QColor>(), c.colours[i]);
            }
        }
    }

    void newRunsCreatePlanAndTakesItsNumber()
    {
        // An existing number refused, then Cancel; a new year plan created.
        const struct {
            const char *typed, *what;
            bool created;
            const char *item, *files;
        } cases[] = {{"2x5", "week", false, "25 Alarm-in weekplan only", "kxi_25.kxw"},
                     {"26", "year", true, "26 Alarm-in scheduleplan only", "kxi_26.kxh"}};
        ui::SelectPlanDialog& dialog = open(20, 0);
        for (const auto& c : cases) {
            bool bothAtOpen = false, stayedOpen = false;
            QTimer::singleShot(0, this, [&] {
                auto* create = qobject_cast<ui::CreatePlanDialog*>(QApplication::activeModalWidget());
                bothAtOpen = child<QRadioButton>(create, "both")->isChecked();
                auto* number = child<QLineEdit>(create, "number");
                number->clear();
                QTest::keyClicks(number, c.typed);  // digits only
                child<QRadioButton>(create, c.what)->click();
                ok(create);
                stayedOpen = create->isVisible();
                create->reject();
            });
            child<QPushButton>(&dialog, "newAlarmIn")->click();
            QVERIFY(bothAtOpen);
            QCOMPARE(stayedOpen, !c.created);
            QCOMPARE(m_boxes.shown().empty(), c.created);
            QCOMPARE(m_model->planNumber(), QString(c.typed).remove('x').toLong());
            QCOMPARE(child<QComboBox>(&dialog, "alarmInPlans")->currentText(), QString(c.item));
            QCOMPARE(QDir().entryList({QString(c.files).left(7) + "*"}).join(' '), QString(c.files));
            m_boxes.clear();
        }
    }

    void editStartsThePlanEditorOnTheFileOfItsList()
    {
        const test::StandInPrograms programs(m_work->path().toStdString() + "/bin");
        programs.add("kxsched.exe");
        ui::SelectPlanDialog& dialog = open(30, 1);
        child<QPushButton>(&dialog, "editWeek")->click();
        QCOMPARE(programs.waitForCalls(1).back(), std::string("kxsched.exe|kxa_30.kxw"));
        child<QPushButton>(&dialog, "editYear")->click();
        QCOMPARE(programs.waitForCalls(2).back(), std::string("kxsched.exe|kxa_30.kxh"));
    }

    void okClosesAndWritesOnlyWhatTheModelTook()
    {
        const struct {
            const char *mode, *list, *item, *stored;
        } cases[] = {{"alarmInMode", "alarmInPlans", "20 ", "20/0"},
                     {"alarmMode", "alarmPlans", "40 ", "20/0"},  // a group plan, not an offset plan: refused
                     {"alarmMode", "alarmPlans", "30 ", "30/1"}};
        for (const auto& c : cases) {
            ui::SelectPlanDialog& dialog = open(7, 0);
            QSignalSpy accepted(&dialog, &QDialog::accepted);
            child<QRadioButton>(&dialog, c.mode)->click();
            auto* list = child<QComboBox>(&dialog, c.list);
            list->setCurrentIndex(list->findText(c.item, Qt::MatchStartsWith));
            ok(&dialog);
            QCOMPARE(stored(), std::string(c.stored));
            QCOMPARE(accepted.count(), m_boxes.shown().empty() ? 1 : 0);
            m_boxes.clear();
        }
    }
};

QTEST_MAIN(PlanDialogsTest)
#include "PlanDialogsTest.moc"
