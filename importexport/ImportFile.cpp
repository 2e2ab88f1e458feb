#include "importexport/ImportFile.h"

#include "importexport/CsvReader.h"
#include "platform/SitePaths.h"
#include "platform/Text.h"

#include <sys/stat.h>

namespace kx::importexport {

namespace {

constexpr Text kNoCsvFile = KX_TEXT("ImportFile", "No CSV file is selected !\nPlease select first the CSV file "
                                                  "containing the alarm configuration to import.");
constexpr Text kCannotOpen = KX_TEXT("ImportFile", "The CSV file '%1' can not be opened !\nPlease make sure, that "
                                                   "the file \nand directory exist.");

}  // namespace

bool NamesCsvFile(std::string_view path)
{
    constexpr std::string_view kExtension = ".csv";
    for (std::size_t i = 0; i + kExtension.size() <= path.size(); ++i)
        if (EqualsNoCase(path.substr(i, kExtension.size()), kExtension))
            return true;
    return false;
}

bool ReadImportFile(const std::string& path, std::string& cp1252, std::string& error)
{
    if (!NamesCsvFile(path)) {
        error = Tr(kNoCsvFile);
        return false;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = Tr(kCannotOpen, path);
        return false;
    }
    std::string bytes;
    CsvError csvError;
    if (!ReadCsvFile(path, bytes, csvError) || !DecodeCsvBytes(bytes, cp1252, csvError)) {
        error = csvError.message();
        return false;
    }
    return true;
}

}  // namespace kx::importexport
