// Every registered settings dialog on a demo site, then the binder on each kind of control.

#include "tests/common/SettingsDialogFixture.h"
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

class SettingsDialogsTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private:
    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(site.root()))
            if (e.is_regular_file())
                all[e.path().string()] = site.read(std::filesystem::relative(e.path(), site.root()).string());
        return all;
    }
    void open(const std::string& name, const std::string& alarmIni = {})
    {
        if (!alarmIni.empty())
            site.write("windows/kxalarm.ini", alarmIni);
        SettingsDialogFixture::open(name);
    }

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
    }
    void cleanup() { reset(); }

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
        QVERIFY(!dialog->windowTitle().isEmpty());
        QVERIFY2(dialog->bindingProblems().isEmpty(), qPrintable(dialog->bindingProblems().join('\n')));
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                QVERIFY2(!w->property("text").toString().isEmpty(), qPrintable(w->objectName()));
        // Results stay readable whatever the rules say.
        for (const settings::SettingRow& row : model->rows())
            if (auto* result = dialog->findChild<QLineEdit*>(QString::fromStdString(row.name));
                result && row.kind == settings::Kind::Display)
                QVERIFY2(result->isEnabled() && result->isReadOnly(), row.name.c_str());
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            box->click();
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            if (edit->isEnabled() && !edit->isReadOnly())
                edit->setText(QStringLiteral("7"));
        press(QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!model->modified());  // back to the values as loaded
        QVERIFY(files() == before);
        QVERIFY(boxes.texts().empty());
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
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes.texts(), std::vector<std::string>{"Please enter a whole number for \"First alarm number\"."});
        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("5"));  // refused by its range
        press(QDialogButtonBox::Ok);
        QVERIFY(dialog->isVisible());
        QCOMPARE(site.read("windows/kxalarm.ini"), std::string("[config]\r\nFirstAlarmKey=100\r\n"));

        find<QLineEdit>("FirstAlarmKey")->setText(QStringLiteral("200"));
        choose("IsdnPbx", 1);
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(site.read("windows/kxalarm.ini").find("FirstAlarmKey=200\r\n") != std::string::npos);
        QVERIFY(site.read("windows/kxt.ini").find("PBX_Protocol=ISVPN\r\n") != std::string::npos);
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
        QVERIFY(
            site.read("windows/kxalarm.ini").find("UseDistAlarmInSettings=5000\r\nUseConfAlarmInSettings=4711\r\n") !=
            std::string::npos);
    }

    void button_runsWithTheValuesAsTheyStandAndShowsTheResults()
    {
        test::StandInKxe kxe(site.path("bin"), site.windows());
        site.write("windows/kxaddiconv.ini", "[TestDdi]\r\n0=555\r\n");
        open("ddi-converter", "[kxaddiconv]\r\nDDIConversionActive=1\r\nReplaceAtPos3=4\r\n");
        QCOMPARE(find<QComboBox>("ReplaceAtPos3")->currentText(), QStringLiteral("4. Position"));
        QComboBox* ddi = find<QComboBox>("TestDDI");
        QCOMPARE(ddi->itemText(0), QStringLiteral("555"));
        ddi->setEditText(QStringLiteral("0891"));
        find<QLineEdit>("AddOffset")->setText(QStringLiteral("12"));
        find<QPushButton>("test")->click();
        QVERIFY(boxes.texts().empty());
        QCOMPARE(find<QLineEdit>("Result")->text(), QStringLiteral("0891/4/0"));
        QCOMPARE(ddi->itemText(0), QStringLiteral("0891"));
        QVERIFY(site.read("windows/kxaddiconv.ini").find("AddOffset=12\r\n") != std::string::npos);
    }

    void queueDialogs_clicksEnableAndOkWrites()
    {
        site.write("windows/kxpers.ini", "[Types]\r\nINT=1\r\n");
        open("personnel");
        const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
        QCOMPARE(lists[0]->count(), 1);  // Activated: INT
        QVERIFY(!find<QComboBox>("PostQueueForINT")->isEnabled());
        QVERIFY(!find<QWidget>("specialTypes")->isEnabled());
        find<QCheckBox>("Active")->click();
        QVERIFY(find<QWidget>("PostQueueForINT_label")->isEnabled() && find<QWidget>("specialTypes")->isEnabled());
        QCOMPARE(find<QComboBox>("PostQueueForINT")->itemText(1), QStringLiteral("Postqueue 1  ( lines 1 to 4 ) "));
        lists[1]->findItems(QStringLiteral("SMS"), Qt::MatchExactly)[0]->setSelected(true);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("<"))
                b->click();
        QCOMPARE(lists[0]->count(), 2);
        QVERIFY(find<QCheckBox>("SMS")->isChecked());
        find<QLineEdit>("MaxGroup")->setText(QStringLiteral("12"));
        press(QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const std::string pers = site.read("windows/kxpers.ini");
        QVERIFY(pers.find("SMS=1\r\n") != std::string::npos && pers.find("Active=1\r\n") != std::string::npos);
        QVERIFY(pers.find("MaxGroup=12\r\n") != std::string::npos);

        open("call-handling");
        QVERIFY(!find<QCheckBox>("BusyInQueueBox")->isEnabled());
        find<QCheckBox>("DialAgainIfBusy")->click();
        QVERIFY(!find<QComboBox>("BusyInQueueList")->isEnabled());
        find<QCheckBox>("BusyInQueueBox")->click();
        choose("BusyInQueueList", 1);
        press(QDialogButtonBox::Ok);
        QVERIFY(site.read("windows/kxalarm.ini").find("BusyInQueue=1\r\n") != std::string::npos);

        open("special-types");
        QCOMPARE(dialog->buttonBox()->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Save"));
        QCOMPARE(find<QCheckBox>("PostQueue3")->text(),
                 QStringLiteral("Add special phonetype in personnel editor for postqueue 3"));
        find<QCheckBox>("PostQueue3")->click();
        press(QDialogButtonBox::Ok);
        QVERIFY(site.read("windows/kxpers.ini").find("PostQueue3=PQ3\r\n") != std::string::npos);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
