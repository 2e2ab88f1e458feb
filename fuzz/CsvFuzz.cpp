// Fuzz target "csv": a file of arbitrary bytes is read as CSV or refused
// with a line and a reason. What is read, written again with the quoting
// writer, reads back to the same fields.

#include "fuzz/FuzzTarget.h"
#include "importexport/CsvReader.h"
#include "importexport/CsvWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kx::importexport;
    const std::string file = kx::fuzz::AsText(data, size);
    std::string bytes;
    CsvError error;
    std::vector<CsvRecord> records;
    if (!DecodeCsvBytes(file, bytes, error) || !ParseCsv(bytes, ";,", records, error)) {
        KX_FUZZ_CHECK(error.line > 0 && !error.reason.empty(), "a refusal names no line or reason");
        return 0;
    }
    CsvWriter writer(",");
    bool longLine = false;
    for (const CsvRecord& record : records) {
        KX_FUZZ_CHECK(record.line >= 1, "a record without its line");
        const std::size_t before = writer.bytes().size();
        for (const std::string& field : record.fields)
            writer.text(field);
        longLine = longLine || writer.bytes().size() - before > kMaxCsvRecordBytes;
        writer.endLine();
    }
    std::vector<CsvRecord> again;
    if (!ParseCsv(writer.bytes(), ";,", again, error)) {
        KX_FUZZ_CHECK(longLine, "written records do not read back");
        return 0;
    }
    KX_FUZZ_CHECK(again.size() == records.size(), "written records read back as others");
    for (std::size_t i = 0; i < again.size(); ++i)
        KX_FUZZ_CHECK(again[i].fields == records[i].fields, "a written field reads back otherwise");
    return 0;
}
