#pragma once
// What both imports do before they look at a file's columns: the path must
// name a CSV file (".csv" anywhere in it, in any case, as the file chooser
// offers such files), the file must exist, and its bytes are read and
// decoded as the CSV reader does.

#include <string>
#include <string_view>

namespace kx::importexport {

// The path holds ".csv" in any case.
bool NamesCsvFile(std::string_view path);

// Reads and decodes the file to import (Windows-1252 afterwards). False with
// the message for the operator (UTF-8).
bool ReadImportFile(const std::string& path, std::string& cp1252, std::string& error);

}  // namespace kx::importexport
