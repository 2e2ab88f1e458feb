// The language file and the single running console.

#include "platform/ui/Language.h"
#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "platform/ui/SingleInstance.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace kx;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void missingLanguageNamesTheFileAndKeepsEnglish()
    {
        test::RecordingMessageBoxes boxes;
        QVERIFY(ui::LoadLanguage(""));
        QVERIFY(boxes.shown().empty());  // no language: no message
        QVERIFY(!ui::LoadLanguage("xx"));
        QCOMPARE(boxes.texts(), std::vector<std::string>{"The resource DLL kxalarm_xx.qm could not be loaded !"});
        QCOMPARE(boxes.shown().at(0).caption, std::string("Error"));
        QCOMPARE(QString::fromStdString(LoadString(str::Error)), QString("Error"));
    }

    void languageFilesAreLookedForBesideTheProgramThenHereThenInstalled()
    {
        const QStringList folders = ui::LanguageFolders();
        QCOMPARE(folders.mid(0, 2), (QStringList{QCoreApplication::applicationDirPath(), QDir::currentPath()}));
        QVERIFY(folders.size() == 3 && folders[2].endsWith("/share/kxalarm/translations"));
    }

    void germanIsFoundInTheWorkingDirectory()
    {
        // The build puts kxalarm_de.qm beside the console program.
        const QString programDir = QString(KX_BINARY_DIR) + "/app";
        if (!QFile::exists(programDir + "/kxalarm_de.qm"))
            QSKIP("the Qt translation tools were not there at build time");
        const QString old = QDir::currentPath();
        QDir::setCurrent(programDir);
        test::RecordingMessageBoxes boxes;
        QVERIFY(ui::LoadLanguage("de"));
        QDir::setCurrent(old);
        QVERIFY(boxes.shown().empty());
        QCOMPARE(QString::fromStdString(LoadString(str::Error)), QString("Fehler"));
        QCOMPARE(QString::fromStdString(FormatString(str::ConfirmLaunchAlarm, "12")),
                 QString("Wollen Sie den Alarm '12' auslösen ?"));
        QCOMPARE(QString::fromStdString(FormatStringNumber(str::ConfirmDeactivateMinutes, 30)).left(41),
                 QString("Ausgewählte Alarme für 30 Minuten deaktiv"));
        // Texts without a translation stay English.
        QCOMPARE(QString::fromStdString(Tr(KX_TEXT("LanguageTest", "Not translated"))), QString("Not translated"));
    }

    void aSecondStartHandsOverToTheFirst()
    {
        ui::SingleInstance first("Quillon - test of one instance");
        QVERIFY(!first.handOverToRunningInstance());
        QVERIFY(first.listen());
        QSignalSpy forward(&first, &ui::SingleInstance::bringForwardRequested);
        ui::SingleInstance second("Quillon - test of one instance");
        QVERIFY(second.handOverToRunningInstance());
        QTRY_COMPARE(forward.count(), 1);
        // Another title is another console.
        ui::SingleInstance other("Quillon - another title");
        QVERIFY(!other.handOverToRunningInstance());
    }

    void aSocketLeftByACrashIsReplaced()
    {
        ui::SingleInstance crashed("Quillon - crashed console");
        // What a killed console leaves: a socket file nobody listens on.
        QLocalServer probe;
        QVERIFY(probe.listen(crashed.serverName()));
        const QString path = probe.fullServerName();
        probe.close();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path - 1);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFile::exists(path));

        ui::SingleInstance restarted("Quillon - crashed console");
        QVERIFY(!restarted.handOverToRunningInstance());
        QVERIFY(restarted.listen());
        ui::SingleInstance second("Quillon - crashed console");
        QVERIFY(second.handOverToRunningInstance());
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
