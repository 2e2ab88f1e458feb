// The main window on a copy of the demo site, with stand-ins for the programs it starts.

#include "alarmconfig/ui/KeyDialogs.h"
#include "console/CommandIds.h"
#include "console/ConsoleSession.h"
#include "console/ui/CAlarmForm.h"
#include "console/ui/CMainFrame.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/SitePaths.h"
#include "platform/SystemInfo.h"
#include "platform/ui/SingleInstance.h"
#include "tests/common/RecordingMessageBoxes.h"
#include "tests/common/StandInPrograms.h"

#include <QLocalSocket>
#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>
#include <random>

using namespace kx;
using kx::console::ListRow;
namespace cmd = kx::console::cmd;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_demo;
    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<test::StandInPrograms> m_programs;
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes;
    std::unique_ptr<console::ConsoleSession> m_session;
    std::unique_ptr<ui::CMainFrame> m_frame;
    QString m_oldDir;
    // The watch reports a change within about 1.5 s; room for a loaded machine.
    static constexpr int kReported = 6000;

    ui::CAlarmForm* form() { return m_frame->form(); }
    std::string root() const { return m_site->path().toStdString(); }

    static int runCtl(const QStringList& args)
    {
        QProcess ctl;
        ctl.start(QString(KX_BINARY_DIR) + "/app/kxalarmctl", args);
        ctl.waitForFinished(30000);
        return ctl.exitCode();
    }

    void openWindow()
    {
        m_session = std::make_unique<console::ConsoleSession>();
        m_frame = std::make_unique<ui::CMainFrame>(*m_session);
        form()->initialUpdate();
        m_frame->show();
    }

    // Selects rows of a list (by row number), as ctrl-clicks would.
    static void selectRows(QTreeView* view, std::initializer_list<int> rows)
    {
        view->selectionModel()->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void chooseGroup(int index)
    {
        form()->groupSelector()->setCurrentIndex(index);
        emit form()->groupSelector()->activated(index);
    }
    static long keyAt(ui::ListTableModel* model, int row) { return model->rowAt(row)->key; }
    static int rowOfKey(ui::ListTableModel* model, long key)
    {
        int r = model->rowCount() - 1;
        while (r >= 0 && model->rowAt(r)->key != key)
            --r;
        return r;
    }
    static int alarmType(long key)  // num2_4
    {
        CDatabase db;
        int value = -1;
        db.Open("\\db1\\vm001.dbf");
        db.Go(static_cast<unsigned long>(key) + 1);
        db.Read("T82", value);
        return value;
    }

    void trigger(int commandId)
    {
        QAction* action = m_frame->action(commandId);
        QVERIFY2(action, qPrintable(QString("no action %1").arg(commandId)));
        action->trigger();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_demo.isValid());
        QCOMPARE(runCtl({"demo", m_demo.path() + "/site"}), 0);
        m_oldDir = QDir::currentPath();
    }

    void init()
    {
        m_site = std::make_unique<QTemporaryDir>();
        std::filesystem::copy((m_demo.path() + "/site").toStdString(), root(),
                              std::filesystem::copy_options::recursive);
        SitePaths::configure(root(), {});
        QDir::setCurrent(m_site->path() + "/work");
        m_programs = std::make_unique<test::StandInPrograms>(root() + "/bin");
        for (const char* p : {"kxaconf", "kxlaunch", "kxe", "kxsched", "kxaview", "kxasim", "kxsavebase", "kxtpost",
                              "kxtmon", "kxrelease", "kxinfo", "kxdial", "kxatest"})
            m_programs->add(p);
        m_boxes = std::make_unique<test::RecordingMessageBoxes>();
    }

    void cleanup()
    {
        if (m_frame)
            form()->stopThreads();
        m_frame.reset();
        m_session.reset();
        m_boxes.reset();
        m_programs.reset();
        QDir::setCurrent(m_oldDir);
        m_site.reset();
    }

    // "Print..." opens the print dialog, "Print preview..." draws the lists into its preview.
    void printCommandsOpenTheirDialogs()
    {
        openWindow();
        QCOMPARE(m_frame->action(cmd::Print)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        const std::pair<int, QString> commands[] = {{cmd::Print, "QPrintDialog"},
                                                    {cmd::PrintPreview, "QPrintPreviewDialog"}};
        for (const auto& [command, expected] : commands) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    shown = dialog->metaObject()->className();
                    QMetaObject::invokeMethod(dialog, "reject");
                }
            });
            trigger(command);
            QCOMPARE(shown, expected);
        }
    }

    void listsShowTheSiteTakeTheKeyboardAndFollowTheGeneralSettings()
    {
        openWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTreeView* alarms = form()->alarmView();
        QCOMPARE(QApplication::focusWidget(), alarms);
        QVERIFY(alarms->viewport()->rect().contains(alarms->visualRect(alarms->currentIndex())));
        // Shift+F10 opens the menu of the list that has the focus; after the
        // menu (an entry was highlighted) closes, the status bar says "Ready".
        const std::pair<QTreeView*, QMenu*> lists[] = {{alarms, m_frame->alarmMenu()},
                                                       {form()->memberView(), m_frame->personsMenu()}};
        for (const auto& [list, menu] : lists) {
            QWidget* opened = nullptr;
            QTimer::singleShot(0, [&opened] {
                if (auto* popup = qobject_cast<QMenu*>(opened = QApplication::activePopupWidget())) {
                    popup->setActiveAction(popup->actions().first());
                    popup->close();
                }
            });
            list->setFocus();
            QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
            QCoreApplication::processEvents();  // the timer has run, whether a menu opened or not
            QCOMPARE(opened, menu);
            const QString message = m_frame->statusBar()->currentMessage();
            const auto labels = m_frame->statusBar()->findChildren<QLabel*>();
            auto shown = [](QLabel* label) { return label->isVisible() && label->text() == "Ready"; };
            QVERIFY(message == "Ready" || (message.isEmpty() && std::any_of(labels.begin(), labels.end(), shown)));
        }
        const ListRow* sample = form()->alarmModel()->rowAt(rowOfKey(form()->alarmModel(), 4711));
        QVERIFY(sample && m_boxes->shown().empty());
        QCOMPARE(QString("%1 %2 %3|%4|%5 %6|%7")
                     .arg(form()->alarmModel()->rowCount())
                     .arg(form()->alarmInModel()->rowCount())
                     .arg(keyAt(form()->alarmModel(), 0))
                     .arg(QString::fromStdString(sample->text[1] + "|" + sample->text[2]))
                     .arg(form()->groupSelector()->count())
                     .arg(form()->groupSelector()->itemText(20))
                     .arg(m_frame->windowTitle()),
                 QString("300 100 100|Fire alarm building 47|10 Fire brigade|21 NO GROUP SPECIFIED|"
                         "Quillon - Alarm Control Center Tellmark"));
        QVERIFY(form()->memberModel()->rowCount() > 0);  // group 10, the first entry
        // Commands whose dialogs do not exist yet are disabled.
        m_frame->alarmMenu()->popup(QPoint(0, 0));
        QVERIFY(m_frame->action(cmd::AddAlarm)->isEnabled() && m_frame->action(cmd::DeleteAlarm)->isEnabled());
        m_frame->alarmMenu()->hide();
        for (int id : {cmd::GeneralSettings, cmd::DdiConverter, cmd::ParallelAlarmSettings, cmd::XmlSettings})
            QVERIFY(m_frame->commands()->isEnabled(id) == (id != cmd::XmlSettings));
        // The switch shows the other list with its key range; its caption names the list it switches to.
        QPushButton* button = form()->switchButton();
        QCOMPARE(button->text(), QString("alarms-in"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(form()->showsAlarmIns() && form()->alarmInView()->isVisible() && !form()->alarmView()->isVisible());
        QCOMPARE(button->text() + " " + form()->findChild<QLineEdit*>("firstKey")->text(), QString("Alarms 5000"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(form()->alarmView()->isVisible());
        // The dialog is modal: answer it from inside its own event loop.
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("FirstAlarmKey")->setText("4700");
            dialog->findChild<QLineEdit*>("LastAlarmKey")->setText("4710");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        trigger(cmd::GeneralSettings);
        QCOMPARE(QString("%1..%2 %3")
                     .arg(m_session->ranges().firstAlarmKey)
                     .arg(m_session->ranges().lastAlarmKey)
                     .arg(form()->alarmModel()->rowCount()),
                 QString("4700..4710 11"));
    }

    void anotherProgramsChangeShowsUpAndTheSelectionStays()
    {
        openWindow();
        QTreeView* view = form()->alarmView();
        selectRows(view, {5, 6});
        view->setCurrentIndex(view->model()->index(6, 0));
        const std::vector<long> selected = form()->selectedAlarmKeys();
        const long changedKey = keyAt(form()->alarmModel(), 10);
        QCOMPARE(
            runCtl({"--root", m_site->path(), "field", "set", QString::number(changedKey), "text_opt1", "Renamed"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(form()->alarmModel()->rowAt(10)->text[1]), QString("Renamed"),
                                  kReported);
        QCOMPARE(form()->selectedAlarmKeys(), selected);
        QCOMPARE(view->currentIndex().row(), 6);
        QCOMPARE(form()->alarmModel()->rowCount(), 300);

        // A new alarm appears in its key order.
        QCOMPARE(runCtl({"--root", m_site->path(), "field", "set", "400", "status", "91"}), 0);
        QCOMPARE(runCtl({"--root", m_site->path(), "field", "set", "400", "text_opt1", "Late"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(form()->alarmModel()->rowCount(), 301, kReported);
        QCOMPARE(form()->selectedAlarmKeys(), selected);
    }

    void sortingAndTheKeyOrderRestoredByTheMerge()
    {
        openWindow();
        QHeaderView* header = form()->alarmView()->header();
        emit header->sectionClicked(1);
        ui::ListTableModel* model = form()->alarmModel();
        for (int r = 1; r < model->rowCount(); ++r)
            QVERIFY(model->rowAt(r - 1)->text[1] <= model->rowAt(r)->text[1]);
        emit header->sectionClicked(1);  // the same column again: descending
        QVERIFY(model->rowAt(0)->text[1] >= model->rowAt(model->rowCount() - 1)->text[1]);
        // The member list shares the state: another column sorts ascending.
        emit form()->memberView()->header()->sectionClicked(0);
        QVERIFY(form()->sortState().ascending());
        // The selection and the current row go with their keys and stay in view.
        QTreeView* view = form()->alarmView();
        selectRows(view, {150, 40});
        view->selectionModel()->setCurrentIndex(model->index(150, 0), QItemSelectionModel::NoUpdate);
        view->scrollTo(view->currentIndex());
        const long current = keyAt(model, 150), other = keyAt(model, 40);
        form()->fillAlarmList();
        for (int r = 1; r < model->rowCount(); ++r)
            QVERIFY(model->rowAt(r - 1)->key < model->rowAt(r)->key);
        QCOMPARE(form()->selectedAlarmKeys(), (std::vector<long>{std::min(current, other), std::max(current, other)}));
        QCOMPARE(keyAt(model, view->currentIndex().row()), current);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        trigger(cmd::AlarmSettings);
        QCOMPARE(m_programs->waitForCalls(1),
                 (std::vector<std::string>{"kxaconf|" + std::to_string(std::min(current, other))}));
    }

    void theListModelKeepsTheItemModelProtocol()
    {
        // Refills by key and by position, of sorted lists too, under Qt's model tester.
        ui::ListTableModel model({"key", "name"}, {});
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        std::mt19937 random(4711);
        for (int round = 0; round < 200 && !QTest::currentTestFailed(); ++round) {
            std::vector<ListRow> fresh;
            for (long key = 0; key < 30; ++key)
                if (random() % 3 == 0)
                    fresh.push_back({.key = key, .text = {std::to_string(key), std::to_string(random() % 3)}});
            const QPersistentModelIndex kept = model.index(model.rowCount() / 2, 0);  // stays with its key
            const long keptKey = kept.isValid() ? keyAt(&model, kept.row()) : -1;
            auto keptFollows = [&] { return !kept.isValid() || keyAt(&model, kept.row()) == keptKey; };
            if (round % 3 == 2)
                model.sortRows(1, round % 2);
            QVERIFY(keptFollows());
            round % 4 == 3 ? model.mergeByPosition(fresh) : model.mergeByKey(fresh);
            QVERIFY(model.rows() == fresh);
            QVERIFY(round % 4 == 3 || keptFollows());
        }
    }

    void theGroupSelectorAndTheMemberListFollowEachOther()
    {
        openWindow();
        const std::vector<ListRow> firstGroup = form()->memberModel()->rows();
        selectRows(form()->memberView(), {1});
        QVERIFY(form()->selectedMemberName());
        chooseGroup(2);
        QVERIFY(!form()->selectedMemberName());  // a member selection belongs to its group
        const QString chosen = form()->groupSelector()->currentText();
        const std::vector<ListRow> members = form()->memberModel()->rows();
        QVERIFY(members != firstGroup);
        form()->loadGroups();  // another program touched the group table
        QCOMPARE(form()->groupSelector()->currentText(), chosen);
        QVERIFY(form()->memberModel()->rows() == members);

        // Selecting an alarm selects its group; the pseudo group "Man-down supervision" has no members.
        ui::ListTableModel* alarms = form()->alarmModel();
        form()->alarmView()->setCurrentIndex(alarms->index(rowOfKey(alarms, 4711), 0));
        QCOMPARE(form()->groupSelector()->currentText(), QString("10 Fire brigade"));
        for (int r = 0; r < alarms->rowCount() && form()->groupSelector()->currentIndex() >= 0; ++r)
            if (alarms->rowAt(r)->text[2] == "Man-down supervision")
                form()->alarmView()->setCurrentIndex(alarms->index(r, 0));
        QCOMPARE(form()->groupSelector()->placeholderText(), QString("Man-down supervision"));
        QCOMPARE(form()->groupSelector()->currentIndex(), -1);
        QCOMPARE(form()->memberModel()->rowCount(), 0);

        // Group 28 has no member table: its row "Not generated or empty" cannot be selected.
        chooseGroup(form()->groupSelector()->findText("28 ", Qt::MatchStartsWith));
        QTreeView* view = form()->memberView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
        QVERIFY(view->selectionModel()->selectedRows().isEmpty());

        // The chosen group leaves the selector (number 7): selector and member list move to the first group together.
        chooseGroup(2);
        CDatabase groups;
        QVERIFY(groups.Open(m_session->groupTablePath().c_str()));
        for (unsigned long record = 1; record <= groups.RecCount(); ++record) {
            int number = 0;
            groups.Go(record);
            if (groups.Read("NUMBER", number) && number == chosen.section(' ', 0, 0).toInt())
                groups.Replace("NUMBER", 7);
        }
        groups.Close();
        form()->loadGroups();
        QCOMPARE(form()->groupSelector()->currentIndex(), 0);
        QVERIFY(form()->memberModel()->rows() == firstGroup);
    }

    void commandsStartTheirProgramsWithTheSelection()
    {
        std::filesystem::create_directories(root() + "/db1");
        m_programs->add("kxpers");
        std::filesystem::rename(root() + "/bin/kxpers", root() + "/db1/kxpers");
        openWindow();
        trigger(cmd::AlarmSettings);  // nothing selected: the first alarm key
        selectRows(form()->alarmView(), {rowOfKey(form()->alarmModel(), 4711)});
        for (int id : {cmd::AlarmSettings, cmd::AlarmConfiguratorButton, cmd::LaunchAlarmButton, cmd::ViewAlarmResults,
                       cmd::AlarmSimulationButton, cmd::LaunchUtilityButton, cmd::SystemInformation,
                       cmd::DataBackupButton, cmd::PostjobMonitor, cmd::DialUtility, cmd::LineMonitorButton,
                       cmd::ReleaseCheck, cmd::SchedulePlanEditor, cmd::AddPersons, cmd::AddGroups})
            trigger(id);
        emit form()->commandRequested(cmd::DetailsButton);
        m_boxes->answer(true);
        trigger(cmd::LaunchAlarm);
        QCOMPARE(QString::fromStdString(m_boxes->texts().at(0)),
                 QString("Do you want to launch the alarm '4711 Fire alarm building 47' ?"));
        chooseGroup(1);
        trigger(cmd::ModifyGroups);
        const std::string group = form()->groupSelector()->currentText().section(' ', 0, 0).toStdString();
        chooseGroup(0);
        selectRows(form()->memberView(), {0});
        std::string person = "kxpers|pers=" + form()->memberModel()->rowAt(0)->text[0];
        std::replace(person.begin() + 12, person.end(), ' ', '|');  // the name goes unquoted
        emit form()->commandRequested(cmd::MemberList);
        // clang-format off
        std::vector<std::string> expected = {"kxaconf|10", "kxaconf|4711", "kxaconf|4711", "kxlaunch|4711", "kxaview",
            "kxasim", "kxatest", "kxinfo", "kxsavebase", "kxtpost", "kxdial", "kxtmon", "kxrelease", "kxsched",
            "kxpers|newpers", "kxpers|newgroup", "kxaconf|showconf", "kxpers|grp=" + group, person,
            "kxe|kxarun|1|-i44711|-s8AlarmCenter|on|" + ComputerName()};
        // clang-format on
        auto calls = m_programs->waitForCalls(expected.size());
        std::sort(calls.begin(), calls.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(calls, expected);
    }

    // While a run adds keys (held up at the second key's record lock), a
    // change made by another program reaches the list: the window keeps
    // serving the file-watch refills.
    void aRunKeepsServingTheListRefills()
    {
        openWindow();
        CDatabase holder;
        QVERIFY(holder.Open("\\db1\\vm001.dbf"));
        QVERIFY(holder.LockRecord(5102));  // key 5101
        bool refilled = false;
        QTimer::singleShot(0, [this, &holder, &refilled] {
            auto* add = qobject_cast<ui::AddKeysDialog*>(QApplication::activeModalWidget());
            QVERIFY(add);
            for (int i = 0; i < 2; ++i)
                add->freeList()->item(i)->setSelected(true);  // 5100 and 5101
            add->toNewButton()->click();
            QTimer::singleShot(0, [this, &holder, &refilled] {
                auto* run = qobject_cast<ui::KeyRunDialog*>(QApplication::activeModalWidget());
                QVERIFY(run);
                CDatabase other;
                QVERIFY(other.Open("\\db1\\vm001.dbf"));
                QCOMPARE(mailbox::WriteFields(other, 4711, {{"text_opt1", "Changed during the run"}}), 1);
                other.Close();
                const auto shown = [this] {
                    const ListRow* row = form()->alarmModel()->rowAt(rowOfKey(form()->alarmModel(), 4711));
                    return row && row->text[1] == "Changed during the run";
                };
                QTRY_VERIFY_WITH_TIMEOUT(shown(), kReported);
                // Served while the run's dialog is open (and, unless the writer
                // gave up waiting for the lock on a slow machine, still writing).
                refilled = true;
                holder.Unlock();
                QTRY_VERIFY(run->end().has_value());
                run->button()->click();
            });
            add->addButton()->click();
        });
        trigger(cmd::NewAlarmIn);
        QVERIFY(refilled);
        QVERIFY(form()->alarmInModel()->rowCount() >= 101);
    }

    // The alarm-in editor opens on the first selected alarm-in (none: the
    // list's first) by its command, and on Enter; the list shows what it saved.
    void theAlarmInEditorOpensOnTheSelectionAndTheListShowsWhatItSaved()
    {
        openWindow();
        form()->switchLists();
        QTreeView* list = form()->alarmInView();
        QStringList shownKeys;
        const auto renameShown = [&shownKeys](const char* label) {
            QTimer::singleShot(0, [&shownKeys, label] {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                shownKeys << dialog->findChild<QComboBox*>("key")->currentText().section(' ', 0, 0);
                if (label)
                    dialog->findChild<QLineEdit*>("text_opt1")->setText(label);
                QMetaObject::invokeMethod(dialog, label ? "accept" : "reject");
            });
        };
        renameShown(nullptr);
        trigger(cmd::AlarmInSettings);  // nothing selected
        selectRows(list, {rowOfKey(form()->alarmInModel(), 5007)});
        list->setCurrentIndex(list->model()->index(rowOfKey(form()->alarmInModel(), 5007), 0));
        renameShown("Fax line");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(shownKeys, QStringList({"5000", "5007"}));
        const ListRow* row = form()->alarmInModel()->rowAt(rowOfKey(form()->alarmInModel(), 5007));
        QVERIFY(row);
        QCOMPARE(QString::fromStdString(row->text[1]), QString("Fax line"));
    }

    // The record commands open the dialog on the selected alarm or alarm-in;
    // it stays open on a refused number and closes once the job is posted.
    void theRecordCommandsDialForTheSelectedKey()
    {
        m_programs->add("kxtque");
        openWindow();
        trigger(cmd::RecordAlarmMessage);
        QCOMPARE(QString::fromStdString(m_boxes->texts().at(0)),
                 QString("Please select the alarm first, for which you want to record the alarm message !"));
        QStringList frames;
        const auto dial = [&frames](const char* number) {
            QTimer::singleShot(0, [&frames, number] {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                frames << dialog->findChild<QGroupBox*>()->title();
                dialog->findChild<QComboBox*>("number")->setEditText("12 3");
                dialog->findChild<QPushButton*>("dial")->click();
                QVERIFY(dialog->isVisible());
                dialog->findChild<QComboBox*>("number")->setEditText(number);
                dialog->findChild<QPushButton*>("dial")->click();
            });
        };
        selectRows(form()->alarmView(), {rowOfKey(form()->alarmModel(), 4711)});
        dial("0301");
        trigger(cmd::RecordAlarmMessage);
        form()->switchLists();
        selectRows(form()->alarmInView(), {rowOfKey(form()->alarmInModel(), 5000)});
        dial("+4930");
        trigger(cmd::RecordAlarmInMessage);
        QCOMPARE(frames, QStringList({"Play / record the message for the alarm 4711 Fire alarm building ... ",
                                      "Play / record the message for the alarm-in 5000 Incoming 5000 "}));
        QCOMPARE(m_programs->waitForCalls(2), (std::vector<std::string>{"kxtque|postjob|1|_rec1am|-s10301|-i14711",
                                                                        "kxtque|postjob|1|_rec1am|-s1+4930|-i15000"}));
    }

    void theAlarmMenuSetsTypesAndDeactivatesWithItsCheckMarks()
    {
        openWindow();
        auto openMenuFor = [this](int row) {  // the type and duration submenus as they open for one alarm
            selectRows(form()->alarmView(), {row});
            for (int id : {cmd::TypePhone, cmd::DeactivateFor10Minutes}) {
                auto* menu = qobject_cast<QMenu*>(m_frame->action(id)->associatedObjects().first());
                menu->popup(QPoint(0, 0));
                menu->hide();
            }
        };
        auto checked = [this](int id) { return m_frame->action(id)->isChecked(); };
        selectRows(form()->alarmView(), {0, 1, 2});
        const std::vector<long> keys = form()->selectedAlarmKeys();
        QCOMPARE(keys.size(), std::size_t(3));
        trigger(cmd::TypePhone);
        m_boxes->answer(true);
        trigger(cmd::DeactivateFor10Minutes);
        for (long key : keys)
            QCOMPARE(alarmType(key), 54);
        QVERIFY(!m_session->sharedTable().IsOpen());
        selectRows(form()->alarmView(), {3});
        trigger(cmd::TypeContact);
        // The check marks follow the first selected alarm: its type unless it is deactivated, its duration.
        openMenuFor(3);
        QVERIFY(checked(cmd::TypeContact) && !checked(cmd::TypePhone) && !checked(cmd::DeactivateFor10Minutes));
        openMenuFor(0);
        QVERIFY(checked(cmd::DeactivateFor10Minutes) && !checked(cmd::DeactivateFor20Minutes) &&
                !checked(cmd::TypeContact) && !checked(cmd::TypePhone));
        QVERIFY(m_frame->action(cmd::DeactivateFor10Minutes)->isEnabled());
        // The list shows the deactivated image once the change is reported.
        QTRY_COMPARE_WITH_TIMEOUT(form()->alarmModel()->rowAt(0)->image[0], 30, kReported);
        trigger(cmd::ActivateAlarms);
        QCOMPARE(alarmType(keys[0]), 4);
        form()->alarmView()->selectionModel()->clearSelection();
        trigger(cmd::TypeContact);
        QCOMPARE(QString::fromStdString(m_boxes->texts().back()),
                 QString("Please select at least one alarm, before changing the alarm icon."));
    }

    void withoutTheMailboxTableTheListsStayEmpty()
    {
        std::filesystem::remove(root() + "/db1/vm001.dbf");
        openWindow();
        QCOMPARE(form()->alarmModel()->rowCount() + form()->groupSelector()->count(), 0);
        QCOMPARE(m_boxes->texts(),
                 std::vector<std::string>{"Error, impossible to open alarm-database \\db1\\.\\vm001.dbf !"});
        QVERIFY(m_frame->isVisible());
    }

    void theFormAndTheMenusInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QString("kxalarm_de.qm");
    }

    void theFormAndTheMenusInEachLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty() && !translator.load(language, QString(KX_BINARY_DIR) + "/app"))
            QSKIP("the Qt translation tools were not there at build time");
        QCoreApplication::installTranslator(&translator);
        SetTextTranslator([](const char* context, const char* source) {
            return QCoreApplication::translate(context, source).toStdString();
        });
        openWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        // At the default size no label or button of the form cuts its text, with either list shown.
        for (int list = 0; list < 2; ++list, form()->switchLists()) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (QWidget* control : form()->findChildren<QWidget*>())
                if ((qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) && control->isVisible())
                    QVERIFY2(control->width() >= control->sizeHint().width(),
                             qPrintable(control->property("text").toString()));
        }
        SetTextTranslator(nullptr);
        QCoreApplication::removeTranslator(&translator);
        std::vector<QList<QAction*>> menus{m_frame->menuBar()->actions()};
        for (QMenu* menu : m_frame->findChildren<QMenu*>())
            menus.push_back(menu->actions());
        for (const QList<QAction*>& entries : menus) {
            QSet<QString> taken;
            for (QAction* entry : entries) {
                if (entry->isSeparator())
                    continue;
                const QString text = entry->text(), mnemonic = QKeySequence::mnemonic(text).toString();
                QVERIFY2(text.count('&') - 2 * text.count("&&") == 1 && !taken.contains(mnemonic), qPrintable(text));
                taken.insert(mnemonic);
                // The English texts need no help from the runtime pass.
                const Text source = ui::CMainFrame::commandText(entry->data().toInt());
                if (language.isEmpty() && !source.empty())
                    QCOMPARE(text, QString(source.source));
            }
        }
        if (!language.isEmpty())
            return;
        // The lists take the room the window gains; at the smallest size nothing overlaps.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QWidget* details = form()->findChild<QPushButton*>("details");
        const QSize alarms = form()->alarmView()->size(), members = form()->memberView()->size(),
                    button = details->size();
        m_frame->resize(m_frame->width() + 300, m_frame->height() + 200);
        form()->layout()->activate();
        QCOMPARE(form()->alarmView()->height(), alarms.height() + 200);
        QCOMPARE(form()->memberView()->height(), members.height() + 200);
        QVERIFY(form()->alarmView()->width() > alarms.width() && form()->memberView()->width() > members.width());
        QCOMPARE(details->size(), button);
        m_frame->resize(400, 200);  // smaller than the form allows
        form()->layout()->activate();
        QVERIFY(form()->width() >= form()->minimumSizeHint().width());
        for (QWidget* parent : {static_cast<QWidget*>(form()), form()->findChild<QWidget*>("listFrame"),
                                form()->findChild<QWidget*>("groupFrame")}) {
            const auto controls = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : controls)
                for (QWidget* b : controls)
                    QVERIFY2(a == b || !a->isVisible() || !b->isVisible() || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " " + b->objectName()));
        }
    }

    void aSecondStartHandsOverToTheRunningConsole()
    {
        const QString program = QString(KX_BINARY_DIR) + "/app/kxalarm";
        QProcess first;
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(program, {"--root", m_site->path()});
        QVERIFY(first.waitForStarted(5000));
        // Once the first listens, a second start asks it to come forward and ends with 0.
        const QString name = ui::SingleInstance(ui::CMainFrame::windowTitleText()).serverName();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QLocalSocket probe;
                probe.connectToServer(name);
                return probe.waitForConnected(100);
            }(),
            10000);
        QProcess second;
        second.start(program, {"--root", m_site->path()});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
