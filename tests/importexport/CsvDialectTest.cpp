// The CSV dialect: every rule of reading and writing, as tables of files
// and what they give or why they are refused.

#include "importexport/CsvReader.h"
#include "importexport/CsvWriter.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <random>

namespace kx::test {
namespace {

using importexport::CsvError;
using importexport::CsvRecord;
using namespace std::string_literals;

// Records as "line:field|field" strings joined by "/"; or "Line n: ..." of
// the refusal, cut to its first words.
std::string parsed(std::string_view file, std::string_view separators = ";", std::size_t maxFields = 0)
{
    std::string bytes;
    CsvError error;
    std::vector<CsvRecord> records;
    if (!importexport::DecodeCsvBytes(file, bytes, error) ||
        !importexport::ParseCsv(bytes, separators, records, error, maxFields))
        return error.message();
    std::string out;
    for (const CsvRecord& r : records) {
        out += (out.empty() ? "" : "/") + std::to_string(r.line) + ":";
        for (std::size_t i = 0; i < r.fields.size(); ++i)
            out += (i ? "|" : "") + r.fields[i];
    }
    return out;
}

struct ReadCase {
    const char* what;
    std::string file;
    std::string separators;
    std::string expected;
};

const std::vector<ReadCase> kReads = {
    // clang-format off
    {"fields keep position and blanks", "a; b ;;\n", ";", "1:a| b ||"},
    {"every separator character separates; TAB allowed", "a\tb,c;d\n", ";,\t", "1:a|b|c|d"},
    {"CR before LF is dropped; the last line needs no end", "a;b\r\nc;d", ";", "1:a|b/2:c|d"},
    {"all-empty lines are left out", "a\n;;\n\n\"\";\nb\n", ";", "1:a/5:b"},
    {"quoted: doubled quote, separators and line breaks inside", "\"a;\"\"b\"\"\r\nc\";d\ne\n", ";",
     "1:a;\"b\"\nc|d/3:e"},
    {"an old export's \"B\" wing is read unquoted", "\"B\" wing;x\n\"a;b\" c;d\n", ";", "1:\"B\" wing|x/2:\"a|b\" c|d"},
    {"a later quote is an ordinary byte", "ab\"c;\"\"\n", ";", "1:ab\"c|"},
    {"quoted then the end of the file", "\"x\"", ";", "1:x"},
    {"cp1252 bytes stay", "Stra\xDF" "e;\xA6\x80\n", ";", "1:Stra\xDF" "e|\xA6\x80"},
    {"UTF-8 with its mark is converted", "\xEF\xBB\xBFStra\xC3\x9F" "e;\xE2\x82\xAC\n", ";", "1:Stra\xDF" "e|\x80"},
    {"a lone CR refuses", "a\rb;c\n", ";", "Line 1: a carriage return that ends no line."},
    {"a lone CR inside quotes is data", "\"a\rb\";c\n", ";", "1:a\rb|c"},
    {"an open quote names the line it began on", "a\nb;\"c\n\nd\n", ";", "Line 2: a quoted field begins here"},
    {"NUL refuses", "a\nb\0c\n"s, ";", "Line 2: the file holds a NUL byte."},
    {"UTF-16 refuses", "\xFF\xFE" "a\0"s, ";", "Line 1: the file is UTF-16 text"},
    {"invalid UTF-8 after the mark refuses", "\xEF\xBB\xBF" "a\nb\xC3\n", ";", "Line 2: the text is no valid UTF-8"},
    {"a character cp1252 cannot hold refuses", "\xEF\xBB\xBFok\n\xE4\xB8\x80\n", ";",
     "Line 2: the text is no valid UTF-8"},
    {"a record of 2047 bytes is read", std::string(2047, 'x') + "\n", ";", "1:" + std::string(2047, 'x')},
    {"2048 bytes refuse, quoted line breaks counted",
     "a\n\"" + std::string(1000, 'x') + "\n" + std::string(1045, 'y') + "\"\n", ";",
     "Line 2: the line is longer than 2047 bytes."},
    // clang-format on
};

TEST(CsvDialectTest, ReadsWhatSpreadsheetsWriteAndRefusesTheRest)
{
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.what);
        const std::string got = parsed(c.file, c.separators);
        if (c.expected.rfind("Line ", 0) == 0)
            EXPECT_EQ(got.substr(0, c.expected.size()), c.expected) << got;
        else
            EXPECT_EQ(got, c.expected);
    }
    EXPECT_EQ(parsed("a;b;c\na;b;c;d\n", ";", 3), "Line 2: the line has more than 3 fields.");
}

TEST(CsvDialectTest, SeparatorSetsAndHeaders)
{
    for (const char* usable : {";", "\t", ",;|", "\xA7"})
        EXPECT_EQ(importexport::SeparatorProblem(usable), "") << usable;
    for (const char* refused : {"", " ", ";1", "a", ";\"", "\n", ";\r"})
        EXPECT_NE(importexport::SeparatorProblem(refused), "") << refused;

    struct HeaderCase {
        std::vector<std::string> fields;
        std::string expected;  // names joined by "|", or the refusal's start
    };
    const std::vector<HeaderCase> headers = {
        {{" alarmkey ", "\talarmname", "", " "}, "alarmkey|alarmname"},
        {{"alarmkey", "", "x"}, "Line 1: column 2 of the header has no name."},
        {{"alarmkey", std::string(79, 'n')}, "alarmkey|" + std::string(79, 'n')},
        {{"alarmkey", std::string(80, 'n')}, "Line 1: the column name"},
        {std::vector<std::string>(100, "c"), "c|c|c|c|c|c"},
        {std::vector<std::string>(101, "c"), "Line 1: the header has more than 100 columns."},
    };
    for (const HeaderCase& h : headers) {
        std::vector<std::string> names;
        CsvError error;
        std::string got;
        if (importexport::CsvHeaderNames({1, h.fields}, names, error))
            for (std::size_t i = 0; i < names.size(); ++i)
                got += (i ? "|" : "") + names[i];
        else
            got = error.message();
        EXPECT_EQ(got.substr(0, h.expected.size()), h.expected) << h.fields.size() << " columns";
    }
}

TEST(CsvDialectTest, WrittenTextsReadBackAsTheyWere)
{
    const std::vector<std::string> texts = {"plain", "a;b",   "say \"hi\"", "\"B\" wing",   "line\r\nbreak",
                                            "x,y",   " lead", "",           "\xA6\xFC\x80", "tab\there"};
    importexport::CsvWriter writer(",\t");
    for (const std::string& text : texts)
        writer.text(text);
    writer.number(-42).endLine().number(7).text("z").endLine();
    EXPECT_EQ(writer.bytes(), "plain;\"a;b\";\"say \"\"hi\"\"\";\"\"\"B\"\" wing\";\"line\r\nbreak\";\"x,y\"; lead;;"
                              "\xA6\xFC\x80;\"tab\there\";-42\r\n7;z\r\n");
    std::vector<CsvRecord> records;
    CsvError error;
    ASSERT_TRUE(importexport::ParseCsv(writer.bytes(), ";,\t", records, error)) << error.message();
    ASSERT_EQ(records.size(), 2u);
    std::vector<std::string> expected = texts;
    expected[4] = "line\nbreak";  // a line break reads back as LF
    expected.push_back("-42");
    EXPECT_EQ(records[0].fields, expected);
}

TEST(CsvDialectTest, FilesAreReadWholeUpToTheirLimit)
{
    TempDir dir;
    std::string bytes;
    CsvError error;
    dir.write("big.csv", std::string(importexport::kMaxCsvFileBytes + 1, 'x'));
    EXPECT_FALSE(importexport::ReadCsvFile(dir.path("big.csv"), bytes, error));
    EXPECT_NE(error.message().find("larger than 32 MiB"), std::string::npos);
    EXPECT_FALSE(importexport::ReadCsvFile(dir.root(), bytes, error));  // a directory
    EXPECT_FALSE(importexport::ReadCsvFile(dir.path("missing.csv"), bytes, error));
    EXPECT_EQ(error.message().rfind("The CSV file '" + dir.path("missing.csv") + "' can not be read !\n", 0), 0u);
    dir.write("ok.csv", "a;b\n");
    EXPECT_TRUE(importexport::ReadCsvFile(dir.path("ok.csv"), bytes, error));
    EXPECT_EQ(bytes, "a;b\n");
}

// Random and mutated files: each is read or refused with a reason, never a
// crash, and every record that is read respects the limits.
TEST(CsvDialectTest, RandomAndMutatedFilesAreReadOrRefused)
{
    std::mt19937 random(20261206);
    const std::string alphabet = "a;,\"\r\n \t\xFC\0"s;
    const std::string seed = "alarmkey;alarmname\r\n100;\"Fire; \"\"B\"\" wing\"\r\n101;x\n";
    for (int round = 0; round < 3000; ++round) {
        std::string file = seed;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % (file.size() + 1);
            const char c = alphabet[random() % alphabet.size()];
            const unsigned edit = random() % 3;  // insert, erase or replace a byte
            if (edit == 0)
                file.insert(at, 1, c);
            else if (at < file.size() && edit == 1)
                file.erase(at, 1);
            else if (at < file.size())
                file[at] = c;
        }
        if (round % 10 == 0)
            file = std::string(random() % 3000, 'x') + file;
        std::string bytes;
        CsvError error;
        std::vector<CsvRecord> records;
        if (!importexport::DecodeCsvBytes(file, bytes, error) || !importexport::ParseCsv(bytes, ";,", records, error)) {
            EXPECT_GT(error.line, 0) << file;
            EXPECT_FALSE(error.reason.empty());
            continue;
        }
        for (const CsvRecord& r : records) {
            std::size_t size = 0;
            for (const std::string& f : r.fields)
                size += f.size();
            EXPECT_LE(size, importexport::kMaxCsvRecordBytes);
            EXPECT_GE(r.line, 1);
        }
    }
}

}  // namespace
}  // namespace kx::test
