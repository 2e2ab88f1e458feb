#pragma once
// Reads a PDF back with the poppler tools: its text per page and where
// each word lies. Tests skip when the tools are missing (./kx test installs
// them).

#include <cstdio>
#include <string>
#include <vector>

namespace kx::test {

inline bool HavePdfTools()
{
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}
#define KX_SKIP_WITHOUT_PDF_TOOLS()                                                                                    \
    if (!::kx::test::HavePdfTools())                                                                                   \
    GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils); the PDF cannot be read back"

inline std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        ::pclose(pipe);
    }
    return out;
}

struct PdfWord {
    double xMax, yMin, yMax;
    std::string text;
};
struct PdfPage {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
    std::string text() const
    {
        std::string all;
        for (const PdfWord& w : words)
            all += w.text + ' ';
        return all;
    }
};

// The pages of a PDF with their words in reading order (UTF-8).
inline std::vector<PdfPage> ReadPdf(const std::string& path)
{
    const std::string xml = CommandOutput("pdftotext -bbox '" + path + "' - 2>/dev/null");
    std::vector<PdfPage> pages;
    for (std::size_t at = 0; (at = xml.find('<', at)) != std::string::npos; ++at) {
        PdfPage page;
        double xMin = 0;
        PdfWord w{};
        int text = 0;
        if (std::sscanf(xml.c_str() + at, "<page width=\"%lf\" height=\"%lf\"", &page.width, &page.height) == 2) {
            pages.push_back(page);
        } else if (!pages.empty() &&
                   std::sscanf(xml.c_str() + at, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%n", &xMin,
                               &w.yMin, &w.xMax, &w.yMax, &text) == 4 &&
                   text > 0) {
            const std::size_t from = at + static_cast<std::size_t>(text);
            w.text = xml.substr(from, xml.find('<', from) - from);
            pages.back().words.push_back(w);
        }
    }
    return pages;
}

}  // namespace kx::test
