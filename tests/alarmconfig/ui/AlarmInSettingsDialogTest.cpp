// The dialog "Settings of alarms-in" on a copy of the demo site: every
// function's page in the stack with every control bound, Apply, OK, Cancel
// and the switch through the alarm-in list.

#include "alarmconfig/ui/AlarmInSettingsDialog.h"
#include "alarmconfig/AlarmInEditor.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"
#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "plans/ui/SelectPlanDialog.h"
#include "platform/SitePaths.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/TempSite.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>

using namespace kx;

class AlarmInSettingsDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_demo;
    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes;
    QString m_oldDir;

    static std::string field(long key, const char* name)
    {
        CDatabase db;
        std::string value;
        if (db.Open("\\db1\\vm001.dbf")) {
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
};

QTEST_MAIN(AlarmInSettingsDialogTest)
#include "AlarmInSettingsDialogTest.moc"
