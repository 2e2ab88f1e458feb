// The extended settings dialog on a demo site: "Import" runs through the
// progress runner the dialog sets up, which shows the result. Binding and
// Cancel are checked for every dialog by the settings dialogs' test, the
// values and the buttons by the model's test.

#include "importexport/ui/ExtendedSettingsDialog.h"
#include "tests/common/SettingsDialogFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kx;

class ExtendedSettingsDialogTest : public QObject, public test::SettingsDialogFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const std::string error = build();
        QVERIFY2(error.empty(), error.c_str());
        QDir::setCurrent(QString::fromStdString(site.path("work")));
    }

    void importRunsThroughTheRunnerAndShowsItsResult()
    {
        site.write("work/persons.csv", "Jane Roe;4711;INT;Night shift\r\n");
        open("extended");
        QCOMPARE(find<QLineEdit>("PersonsImportPath")->text(), QString::fromStdString(site.path("work/kxpers.csv")));
        find<QLineEdit>("PersonsImportPath")->setText(QString::fromStdString(site.path("work/persons.csv")));
        find<QPushButton>("import-persons")->click();
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].kind, 'I');
        QVERIFY(site.read("db1/kxpers.dbf").find("Jane Roe") != std::string::npos);
    }
};

QTEST_MAIN(ExtendedSettingsDialogTest)
#include "ExtendedSettingsDialogTest.moc"
