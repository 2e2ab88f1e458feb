// The extended settings dialog runs "Import" through its progress runner,
// which shows the result (the model's test checks the values and buttons).

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
