// kxalarmctl print: the printout as a PDF, read back with a PDF text reader.

#include "tests/app/CtlDemoFixture.h"
#include "tests/common/PdfText.h"

using namespace kx::test;
using namespace std::string_literals;

namespace {

using CtlPrint = CtlDemoFixture;

// Each footer names its page and the full count; nothing lies on or below
// the footer line or off the page.
void expectFramedPages(const std::vector<PdfPage>& pages, const std::string& what)
{
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<PdfWord>& words = pages[p].words;
        std::size_t footer = words.size();
        while (footer > 0 && words[footer - 1].text != "Page")
            --footer;
        ASSERT_GT(footer, 0u) << what << ": no footer on page " << p + 1;
        const PdfWord& page = words[--footer];
        ASSERT_GE(words.size(), footer + 4);
        EXPECT_EQ(words[footer + 1].text + " of " + words[footer + 3].text,
                  std::to_string(p + 1) + " of " + std::to_string(pages.size()))
            << what;
        for (std::size_t w = 0; w < words.size(); ++w) {
            EXPECT_LE(words[w].xMax, pages[p].width) << what << ": " << words[w].text;
            EXPECT_LE(words[w].yMax, pages[p].height) << what << ": " << words[w].text;
            if (w < footer) {  // the footer line lies about half a line above the footer text
                EXPECT_LE(words[w].yMax, page.yMin - 3) << what << ", page " << p + 1 << ": " << words[w].text;
            }
        }
    }
}

TEST_F(CtlPrint, WritesThePagesOfEveryPageSizeWithoutOverlap)
{
    KX_SKIP_WITHOUT_PDF_TOOLS();
    const struct {
        std::vector<std::string> args;
        std::size_t pages;
        const char* lastOfPage1;  // the page break
        const char* firstOfPage2;
    } cases[] = {
        // clang-format off
        {{}, 14, " 144 ", " 145 "},  // 45 rows: 100 to 144
        {{"--page-size"s, "Letter"}, 14, " 143 ", " 144 "},
        {{"--landscape"s}, 32, " 118 ", " 119 "},
        {{"--page-size"s, "A5", "groups"}, 4, "Group: 14 Nursing", "Group: 15 Management"},
        {{"groups"s, "--page-size", "Legal", "--landscape", "alarms-in"}, 21, "Alarm-in Alarmname Type Launch alarm", " 5017 "},
        // clang-format on
    };
    const std::string file = site.path("out.pdf");
    for (const auto& c : cases) {
        std::vector<std::string> args{"print", "--pdf", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CtlResult r = ctl(args);
        const std::string what = "A4 " + testing::PrintToString(c.args);
        EXPECT_EQ(r.exitCode, 0) << what << ": " << r.err;
        EXPECT_EQ(r.out, std::to_string(c.pages) + "\n") << what;
        const std::vector<PdfPage> pages = ReadPdf(file);
        ASSERT_EQ(pages.size(), c.pages) << what;
        expectFramedPages(pages, what);
        EXPECT_NE(pages[0].text().find(c.lastOfPage1), std::string::npos) << what;
        EXPECT_EQ(pages[0].text().find(c.firstOfPage2), std::string::npos) << what;
        EXPECT_NE(pages[1].text().find(c.firstOfPage2), std::string::npos) << what;
    }
    // The A4 printout's sections, its cp1252 names and group headings.
    ASSERT_EQ(ctl({"print", "--pdf", file}).exitCode, 0);
    std::string all;
    for (const PdfPage& page : ReadPdf(file))
        all += page.text();
    for (const char* text :
         {"Quillon - Alarm Control Center Tellmark", "Alarmnumber", "Brandmeldezentrale S\u00fcd 112", "Launch alarm",
          "Group: 12 Security service", "Grp", "Phone number", "kxalarm"})
        EXPECT_NE(all.find(text), std::string::npos) << text;
}

TEST_F(CtlPrint, RefusesAFileItCannotWrite)
{
    for (const std::string& file : {site.path("work"), site.path("no/such/dir/out.pdf")}) {
        const CtlResult r = ctl({"print", "--pdf", file});
        EXPECT_EQ(r.exitCode, 1) << file;
        EXPECT_NE(r.err.find("cannot write " + file), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

}  // namespace
