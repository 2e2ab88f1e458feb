// "Select plan" on a copy of the demo site with plans made here: enabling by
// mode, the lines in their colours, "New" through "Create plan", and OK
// writing the plan into the alarm-in's record only when the model took it.

#include "plans/ui/SelectPlanDialog.h"
#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "plans/ui/CreatePlanDialog.h"
#include "platform/SitePaths.h"
#include "platform/ui/WidgetText.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/StandInPrograms.h"
#include "tests/common/TempSite.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>

using namespace kx;
using plans::PlanFamily;

class SelectPlanDialogTest : public QObject {
    Q_OBJECT

private:
    static constexpr long kKey = 5000;
    QTemporaryDir m_demo;
    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes;
    QString m_oldDir;

    static std::string field(const char* name)
    {
        CDatabase db;
        std::string value;
        if (db.Open("\\db1\\vm001.dbf")) {
            db.Go(mailbox::RecordOfKey(kKey));
            db.Read(mailbox::PhysicalName(mailbox::PositionOfLogicalName(name)).c_str(), value);
        }
        return value.erase(0, value.find_first_not_of(' '));
    }
    template <typename T>
    static T* child(QObject& parent, const char* name)
    {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static void choose(QComboBox* list, const QString& startingWith)
    {
        list->setCurrentIndex(list->findText(startingWith, Qt::MatchStartsWith));
        QVERIFY(list->currentIndex() >= 0);
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
        for (const char* name : {"kxi_20.kxh", "kxi_20.kxw", "kxi_25.kxw", "kxa_30.kxh", "kxa_30.kxw", "kxa_40.kxw"})
            std::filesystem::remove(name);
        // An alarm-in plan with default and ordinary lines, an offset alarm
        // plan with a line without a type word, a group plan, a week-only plan.
        test::WriteBytes("kxi_20.kxh", "rem  comment\n00.00.  00 , 00:00 - 00.00.  00 , 00:00 , Default-in;\n"
                                       "01.01.27 , 08:00 - 02.01.27 , 18:00 , Ordinary;\n");
        test::WriteBytes("kxi_20.kxw", "0 , 00:00 - 00:00 , Week default;\n1 , 08:00 - 17:00 , Monday line;\n");
        test::WriteBytes("kxi_25.kxw", "2 , 08:00 - 17:00 , Tuesday line;\n");
        test::WriteBytes("kxa_30.kxh", "00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 5;\n");
        test::WriteBytes("kxa_30.kxw", "1 , 08:00 - 17:00 , OFS 10;\n2 , 08:00 - 17:00 , no type word;\n");
        test::WriteBytes("kxa_40.kxw", "1 , 08:00 - 17:00 , GRP 12;\n");
        m_boxes = std::make_unique<test::RecordingMessageBoxes>();
    }
    void cleanup()
    {
        m_boxes.reset();
        QDir::setCurrent(m_oldDir);
        m_site.reset();
    }

    void enablingFollowsTheMode()
    {
        // The stored kind: any value other than 0 opens with the alarm plans.
        for (const auto& [kind, plan, mode] : {std::tuple{0L, 20L, 0}, {1L, 30L, 1}, {5L, 30L, 1}}) {
            plans::PlanSelection model(kKey, plan, kind);
            model.open();
            ui::SelectPlanDialog dialog(model, nullptr);
            const int lines = child<QListWidget>(dialog, "weekLines")->count();
            for (int shown : {mode, 1 - mode}) {
                const bool alarm = shown == 1;
                QVERIFY(child<QRadioButton>(dialog, alarm ? "alarmMode" : "alarmInMode")->isChecked());
                QCOMPARE(child<QComboBox>(dialog, "alarmInPlans")->isEnabled(), !alarm);
                QCOMPARE(child<QPushButton>(dialog, "newAlarmIn")->isEnabled(), !alarm);
                QCOMPARE(child<QComboBox>(dialog, "alarmPlans")->isEnabled(), alarm);
                QCOMPARE(child<QPushButton>(dialog, "newAlarm")->isEnabled(), alarm);
                QCOMPARE(child<QLabel>(dialog, "offsetNotice")->isEnabled(), alarm);
                QCOMPARE(static_cast<int>(model.mode()), shown);
                child<QRadioButton>(dialog, alarm ? "alarmInMode" : "alarmMode")->click();
            }
            // A switch does not read the lists or the plan again.
            QVERIFY(lines > 0);
            QCOMPARE(child<QListWidget>(dialog, "weekLines")->count(), lines);
        }
    }

    void linesShowTheirColours()
    {
        const QColor defaultIn(50, 40, 30), ordinaryIn(120, 100, 60), offsetDefault(40, 0, 0), offset(180, 0, 0);
        const struct {
            long plan, kind;
            const char* list;
            const char* file;
            QList<QColor> colours;
        } cases[] = {
            {20, 0, "year", "kxi_20.kxh", {defaultIn, ordinaryIn}},
            {20, 0, "week", "kxi_20.kxw", {defaultIn, ordinaryIn}},
            {30, 1, "year", "kxa_30.kxh", {offsetDefault}},
            {30, 1, "week", "kxa_30.kxw", {offset, Qt::black}},
            {40, 1, "year", "kxa_40.kxh", {}},  // missing: no lines, the name all the same
            {40, 1, "week", "kxa_40.kxw", {QColor(0, 0, 180)}},
        };
        for (const auto& c : cases) {
            plans::PlanSelection model(kKey, c.plan, c.kind);
            model.open();
            ui::SelectPlanDialog dialog(model, nullptr);
            const QString name = QString::fromLatin1(c.list);
            const bool week = name == "week";
            const auto* lines = dialog.findChild<QListWidget*>(name + "Lines");
            const std::vector<plans::PlanLine>& shown = week ? model.display().week : model.display().year;
            QCOMPARE(dialog.findChild<QLineEdit*>(name + "File")->text(), QString(c.file));
            QCOMPARE(lines->count(), c.colours.size());
            QCOMPARE(static_cast<qsizetype>(shown.size()), c.colours.size());
            for (int i = 0; i < lines->count(); ++i) {
                QCOMPARE(lines->item(i)->text(), ui::FromBytes(shown[i].text));
                QCOMPARE(lines->item(i)->data(Qt::ForegroundRole).value<QColor>(), c.colours[i]);
            }
        }
    }

    void newWithAnExistingNumberThenCancelKeepsIt()
    {
        plans::PlanSelection model(kKey, 20, 0);
        model.open();
        ui::SelectPlanDialog dialog(model, nullptr);
        QTimer::singleShot(0, this, [this] {
            auto* create = qobject_cast<ui::CreatePlanDialog*>(QApplication::activeModalWidget());
            QVERIFY(create);
            auto* number = child<QLineEdit>(*create, "number");
            QCOMPARE(number->text(), QString("20"));
            number->clear();
            QTest::keyClicks(number, "2x5");  // digits only
            QCOMPARE(number->text(), QString("25"));
            child<QRadioButton>(*create, "week")->click();
            create->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QVERIFY(create->isVisible());  // refused: the file exists
            create->reject();
        });
        child<QPushButton>(dialog, "newAlarmIn")->click();
        QCOMPARE(QString::fromStdString(m_boxes->texts().at(0)),
                 QString("The plan 'kxi_25.kxw' already exists for this number !\nPlease use another number."));
        QCOMPARE(model.planNumber(), 25L);
        QCOMPARE(child<QComboBox>(dialog, "alarmInPlans")->currentText(), QString("25 Alarm-in weekplan only"));
        QCOMPARE(child<QLineEdit>(dialog, "weekFile")->text(), QString("kxi_25.kxw"));
        QCOMPARE(child<QListWidget>(dialog, "weekLines")->count(), 1);
    }

    void editStartsThePlanEditorOnTheFileOfItsList()
    {
        const test::StandInPrograms programs(m_site->path().toStdString() + "/bin");
        programs.add("kxsched.exe");
        plans::PlanSelection model(kKey, 30, 1);
        model.open();
        ui::SelectPlanDialog dialog(model, nullptr);
        child<QPushButton>(dialog, "editWeek")->click();
        QCOMPARE(programs.waitForCalls(1).back(), std::string("kxsched.exe|kxa_30.kxw"));
        child<QPushButton>(dialog, "editYear")->click();
        QCOMPARE(programs.waitForCalls(2).back(), std::string("kxsched.exe|kxa_30.kxh"));
    }

    void okWritesOnlyWhatTheModelTook()
    {
        const struct {
            const char* mode;
            const char* item;
            bool closes;
            const char* n_mbx;
            const char* num1_7;
        } cases[] = {
            {"alarmInMode", "20 ", true, "20", "0"},
            {"alarmMode", "30 ", true, "30", "1"},
            {"alarmMode", "40 ", false, "7", "0"},  // a group plan, not an offset plan
        };
        for (const auto& c : cases) {
            CDatabase db;
            QVERIFY(db.Open("\\db1\\vm001.dbf") && mailbox::WriteFields(db, kKey, {{"n_mbx", "7"}, {"num1_7", "0"}}));
            db.Close();
            plans::PlanSelection model(kKey, 7, 0);
            model.open();
            ui::SelectPlanDialog dialog(model, nullptr);
            QSignalSpy accepted(&dialog, &QDialog::accepted);
            child<QRadioButton>(dialog, c.mode)->click();
            choose(child<QComboBox>(dialog, std::string(c.mode) == "alarmMode" ? "alarmPlans" : "alarmInPlans"),
                   c.item);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QCOMPARE(accepted.count(), c.closes ? 1 : 0);
            QCOMPARE(m_boxes->shown().empty(), c.closes);
            QCOMPARE(QString::fromStdString(field("n_mbx")), QString(c.n_mbx));
            QCOMPARE(QString::fromStdString(field("num1_7")), QString(c.num1_7));
            m_boxes->clear();
        }
    }
};

QTEST_MAIN(SelectPlanDialogTest)
#include "SelectPlanDialogTest.moc"
