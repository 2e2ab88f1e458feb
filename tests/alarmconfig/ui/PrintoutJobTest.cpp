// Printing on a printer: the page range keeps the full count in the
// footers, and a page the printer refuses aborts the job with an error box.

#include "alarmconfig/ui/PrintoutJob.h"
#include "tests/common/PdfText.h"
#include "tests/common/TempSite.h"

#include <QPrinter>
#include <QTest>

namespace kx::ui {

namespace {

// A PDF printer that refuses to begin page `refused`.
class RefusingPrinter : public QPrinter {
public:
    explicit RefusingPrinter(int refused) : m_refused(refused) {}
    bool newPage() override { return ++m_page != m_refused && QPrinter::newPage(); }

private:
    int m_refused;
    int m_page = 1;
};

}  // namespace

class PrintoutJobTest : public QObject {
    Q_OBJECT
    // 91 alarms (three pages), no alarm-ins (one page), a group of 60 (two pages).
    alarmconfig::printout::Content m_content;
    test::TempDir m_dir{"kxprint"};

    void toPdf(QPrinter& printer, const std::string& name)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_dir.path(name)));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

private slots:
    void initTestCase()
    {
        m_content.alarms.resize(91);
        for (std::size_t i = 0; i < m_content.alarms.size(); ++i)
            m_content.alarms[i].text[0] = std::to_string(100 + i);
        m_content.groups.push_back({"12 Security service", std::vector<alarmconfig::printout::MemberRow>(60)});
    }

    void pageRangeKeepsTheFullCount()
    {
        if (!test::HavePdfTools())
            QSKIP("pdftotext is not installed (Debian package poppler-utils); the PDF cannot be read back");
        QPrinter printer;
        PrintoutRenderer renderer(m_content, "Title");
        toPdf(printer, "range.pdf");
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(3, 4);
        QVERIFY(PrintPrintout(printer, renderer));
        QCOMPARE(printer.docName(), QStringLiteral("kxalarm"));
        const std::vector<test::PdfPage> pages = test::ReadPdf(m_dir.path("range.pdf"));
        QCOMPARE(pages.size(), 2u);
        const std::string third = pages[0].text(), fourth = pages[1].text();
        QVERIFY2(third.find("190 ") != std::string::npos && third.find("Page 3 of 6") != std::string::npos,
                 third.c_str());  // the 91st alarm
        QVERIFY2(fourth.find("Alarm-in") != std::string::npos && fourth.find("Page 4 of 6") != std::string::npos,
                 fourth.c_str());  // the empty alarm-in list's header row
    }

    void refusedPageAbortsTheJob()
    {
        test::RecordingMessageBoxes boxes;
        RefusingPrinter printer(5);
        PrintoutRenderer renderer(m_content, "Title");
        toPdf(printer, "refused.pdf");
        QVERIFY(!PrintPrintout(printer, renderer));
        QCOMPARE(renderer.refusedPage(), 5);
        QCOMPARE(boxes.texts(),
                 std::vector<std::string>{"The printer did not accept page 5. The printout was aborted."});
    }
};

}  // namespace kx::ui

QTEST_MAIN(kx::ui::PrintoutJobTest)
#include "PrintoutJobTest.moc"
