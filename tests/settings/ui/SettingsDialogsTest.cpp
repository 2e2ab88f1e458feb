// Every registered settings dialog on a demo site, then the binder on each kind of control.

#include "app/ctl/DemoSite.h"
#include "settings/SettingsRegistry.h"
#include "settings/ui/SettingsDialog.h"
#include "tests/common/TempSite.h"
#include "tests/numbers/StandInKxe.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>
#include <map>

using namespace kx;

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempSite> m_site = std::make_unique<test::TempSite>();
    std::unique_ptr<test::RecordingMessageBoxes> m_boxes = std::make_unique<test::RecordingMessageBoxes>();
    std::unique_ptr<settings::SettingsModel> m_model;
    std::unique_ptr<ui::SettingsDialog> m_dialog;

    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(m_site->root()))
            if (e.is_regular_file())
                all[e.path().string()] = m_site->read(std::filesystem::relative(e.path(), m_site->root()).string());
        return all;
    }
    void open(const std::string& name, const std::string& alarmIni = {})
    {
        if (!alarmIni.empty())
            m_site->write("windows/kxalarm.ini", alarmIni);
        m_dialog.reset();
        const settings::SettingsDialogEntry* entry = settings::FindSettingsDialog(name);
        m_model = entry->make();
        if (entry->perAlarm)
            m_model->load(ctl::DemoSite::kSampleAlarmKey);
        else
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
    void press(QDialogButtonBox::StandardButton which) { m_dialog->buttonBox()->button(which)->click(); }
    void choose(const char* list, int index)  // as a click on an item
    {
        find<QComboBox>(list)->setCurrentIndex(index);
        emit find<QComboBox>(list)->activated(index);
    }

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

    void everyDialog_bindsAndCancelWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        for (const settings::SettingsDialogEntry* e : settings::SettingsDialogs())
            QTest::newRow(e->name.c_str()) << QString::fromStdString(e->name);
    }
    void everyDialog_bindsAndCancelWritesNothing()
    {
        QFETCH(QString, name);
        const auto before = files();
        open(name.toStdString());
        QVERIFY(!m_dialog->windowTitle().isEmpty());
        QVERIFY2(m_dialog->bindingProblems().isEmpty(), qPrintable(m_dialog->bindingProblems().join('\n')));
        for (QWidget* w : m_dialog->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                QVERIFY2(!w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        // Results stay readable whatever the rules say.
        for (const settings::SettingRow& row : m_model->rows())
            if (auto* result = m_dialog->findChild<QLineEdit*>(QString::fromStdString(row.name));
                result && row.kind == settings::Kind::Display)
                QVERIFY2(result->isEnabled() && result->isReadOnly(), row.name.c_str());
        for (QCheckBox* box : m_dialog->findChildren<QCheckBox*>())
            box->click();
        for (QLineEdit* edit : m_dialog->findChildren<QLineEdit*>())
            if (edit->isEnabled() && !edit->isReadOnly())
                edit->setText(QStringLiteral("7"));
        press(QDialogButtonBox::Cancel);
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(!m_model->modified());  // back to the values as loaded
        QVERIFY(files() == before);
        QVERIFY(m_boxes->texts().empty());
    }

    void clicks_reapplyTheRulesAndLabelsFollowTheirBuddies()
    {
        open("general", "[config]\r\nISDN=QSIG\r\nSendUUI=1\r\n");
        QVERIFY(find<QRadioButton>("E1Protocol_QSIG")->isChecked());
        QCOMPARE(find<QLabel>("SendUUI_hint")->buddy(), find<QWidget>("SendUUI"));
        find<QCheckBox>("ISDN")->click();
        for (const char* name : {"E1Protocol_QSIG", "QsigPbx", "QsigPbx_label", "SendUUI", "SendUUI_hint"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        find<QCheckBox>("ISDN")->click();
        find<QRadioButton>("E1Protocol_CTR4")->click();
        QVERIFY(!find<QCheckBox>("SendUUI")->isChecked());
        QVERIFY(find<QWidget>("IsdnPbx_label")->isEnabled());
    }

    void ok_commitsTypedTextAndARefusalKeepsTheDialogOpen()
    {
        open("general", "[config]\r\nFirstAlarmKey=100\r\n");
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("1o0"));
        press(QDialogButtonBox::Ok);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{"Please enter a whole number for \"First alarm number\"."});
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("5"));  // refused by its range
        press(QDialogButtonBox::Ok);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_site->read("windows/kxalarm.ini"), std::string("[config]\r\nFirstAlarmKey=100\r\n"));

        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("200"));
        choose("IsdnPbx", 1);
        press(QDialogButtonBox::Ok);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(m_site->read("windows/kxalarm.ini").find("FirstAlarmKey=200\r\n") != std::string::npos);
        QVERIFY(m_site->read("windows/kxt.ini").find("PBX_Protocol=ISVPN\r\n") != std::string::npos);
    }

    void lists_selectByKeyAndKeepAStoredKeyThatIsNotOffered()
    {
        open("ddi-cli-scanner", "[config]\r\nFirstAlarmInKey=5000\r\nLastAlarmInKey=5009\r\n[kxaddiclialr]\r\n"
                                "Active=1\r\nUseDistAlarmInSettings=5003\r\nUseConfAlarmInSettings=4711\r\n");
        QComboBox* dist = find<QComboBox>("UseDistAlarmInSettings");
        QCOMPARE(dist->count(), 10);
        QVERIFY(dist->currentText().startsWith(QStringLiteral("5003 ")));
        QCOMPARE(find<QComboBox>("UseConfAlarmInSettings")->count(), 10);
        QCOMPARE(find<QComboBox>("UseConfAlarmInSettings")->currentIndex(), -1);
        choose("UseDistAlarmInSettings", 0);
        press(QDialogButtonBox::Ok);
        QVERIFY(m_site->read("windows/kxalarm.ini")
                    .find("UseDistAlarmInSettings=5000\r\nUseConfAlarmInSettings=4711\r\n") != std::string::npos);
    }

    void button_runsWithTheValuesAsTheyStandAndShowsTheResults()
    {
        test::StandInKxe kxe(m_site->path("bin"), m_site->windows());
        m_site->write("windows/kxaddiconv.ini", "[TestDdi]\r\n0=555\r\n");
        open("ddi-converter", "[kxaddiconv]\r\nDDIConversionActive=1\r\nReplaceAtPos3=4\r\n");
        QCOMPARE(find<QComboBox>("ReplaceAtPos3")->currentText(), QStringLiteral("4. Position"));
        QComboBox* ddi = find<QComboBox>("TestDDI");
        QCOMPARE(ddi->itemText(0), QStringLiteral("555"));
        ddi->setEditText(QStringLiteral("0891"));
        find<QLineEdit>("AddOffset")->setText(QStringLiteral("12"));
        find<QPushButton>("test")->click();
        QVERIFY(m_boxes->texts().empty());
        QCOMPARE(find<QLineEdit>("Result")->text(), QStringLiteral("0891/4/0"));
        QCOMPARE(ddi->itemText(0), QStringLiteral("0891"));
        QVERIFY(m_site->read("windows/kxaddiconv.ini").find("AddOffset=12\r\n") != std::string::npos);
    }

    void queueDialogs_clicksEnableAndOkWrites()
    {
        m_site->write("windows/kxpers.ini", "[Types]\r\nINT=1\r\n");
        open("personnel");
        const QList<QListWidget*> lists = m_dialog->findChildren<QListWidget*>();
        QCOMPARE(lists[0]->count(), 1);  // Activated: INT
        QVERIFY(!find<QComboBox>("PostQueueForINT")->isEnabled());
        QVERIFY(!find<QWidget>("specialTypes")->isEnabled());
        find<QCheckBox>("Active")->click();
        QVERIFY(find<QWidget>("PostQueueForINT_label")->isEnabled() && find<QWidget>("specialTypes")->isEnabled());
        QCOMPARE(find<QComboBox>("PostQueueForINT")->itemText(1), QStringLiteral("Postqueue 1  ( lines 1 to 4 ) "));
        lists[1]->findItems(QStringLiteral("SMS"), Qt::MatchExactly)[0]->setSelected(true);
        for (QPushButton* b : m_dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("<"))
                b->click();
        QCOMPARE(lists[0]->count(), 2);
        QVERIFY(find<QCheckBox>("SMS")->isChecked());
        find<QLineEdit>("MaxGroup")->setText(QStringLiteral("12"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        const std::string pers = m_site->read("windows/kxpers.ini");
        QVERIFY(pers.find("SMS=1\r\n") != std::string::npos && pers.find("Active=1\r\n") != std::string::npos);
        QVERIFY(pers.find("MaxGroup=12\r\n") != std::string::npos);

        open("call-handling");
        QVERIFY(!find<QCheckBox>("BusyInQueueBox")->isEnabled());
        find<QCheckBox>("DialAgainIfBusy")->click();
        QVERIFY(!find<QComboBox>("BusyInQueueList")->isEnabled());
        find<QCheckBox>("BusyInQueueBox")->click();
        choose("BusyInQueueList", 1);
        press(QDialogButtonBox::Ok);
        QVERIFY(m_site->read("windows/kxalarm.ini").find("BusyInQueue=1\r\n") != std::string::npos);

        open("special-types");
        QCOMPARE(m_dialog->buttonBox()->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Save"));
        QCOMPARE(find<QCheckBox>("PostQueue3")->text(),
                 QStringLiteral("Add special phonetype in personnel editor for postqueue 3"));
        find<QCheckBox>("PostQueue3")->click();
        press(QDialogButtonBox::Ok);
        QVERIFY(m_site->read("windows/kxpers.ini").find("PostQueue3=PQ3\r\n") != std::string::npos);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
