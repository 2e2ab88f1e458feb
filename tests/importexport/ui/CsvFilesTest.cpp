// The CSV file chooser (caption, prompt, working directory, "*.csv*" in
// any case, the native path chosen) and "Show" through a stand-in editor.

#include "importexport/ui/CsvFiles.h"
#include "tests/common/StandInPrograms.h"
#include "tests/common/TempSite.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <QtTest>

using namespace kx;

class CsvFilesTest : public QObject {
    Q_OBJECT

private slots:
    void chooserOffersCsvFilesOfAnyCaseFromTheWorkingDirectory()
    {
        const test::TempDir dir("chooser");
        for (const char* name : {"A.CSV", "b.csv.bak", "c.txt", "dcsv", "folder/e.csv"})
            dir.write(name, "");
        const QString old = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.root()));

        const auto dialog = ui::CsvFileDialog(nullptr, ui::kExportFilePrompt);
        QCOMPARE(dialog->windowTitle(), QString("Select file"));
        QCOMPARE(dialog->findChild<QLabel*>("prompt")->text(), QString("Select file to export configuration to"));
        auto* view = dialog->findChild<QListView*>("listView");
        QStringList shown;
        QTRY_VERIFY((shown.clear(), [&] {
            for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
                shown << view->model()->index(i, 0, view->rootIndex()).data().toString();
            shown.sort();
            return shown == QStringList({"A.CSV", "b.csv.bak", "folder"});
        }()));

        QTimer::singleShot(0, [] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            chooser->selectFile("A.CSV");
            QMetaObject::invokeMethod(chooser, "accept");
        });
        QCOMPARE(ui::ChooseCsvFile(nullptr, ui::kImportFilePrompt), QString::fromStdString(dir.path("A.CSV")));
        QDir::setCurrent(old);
    }

    void showStartsTheEditorWithThePathAsOneArgument()
    {
        const test::TempDir dir("show");
        test::StandInPrograms programs(dir.path("bin"));
        programs.add("editor");
        ::setenv("KX_EDITOR", "editor", 1);
        QVERIFY(!ui::ShowFile(""));
        const std::string path = dir.path("my export.csv");
        QVERIFY(ui::ShowFile(QString::fromStdString(path)));
        QCOMPARE(programs.waitForCalls(1), std::vector<std::string>{"editor|" + path});
        ::unsetenv("KX_EDITOR");
    }
};

QTEST_MAIN(CsvFilesTest)
#include "CsvFilesTest.moc"
