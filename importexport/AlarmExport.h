#pragma once
// Exporting every alarm of the alarm range into one CSV file of 52 columns
// that the import reads back. The file is written under a temporary name
// beside the target and renamed at the end: a failure or a cancel keeps
// the old file.

#include "importexport/Operation.h"

#include <string>

namespace kx::importexport {

// The export's header line, without its line end.
extern const char* const kExportHeader;
// The number of columns of an exported line.
constexpr std::size_t kExportColumns = 52;

OperationResult ExportAlarms(const std::string& path, const OperationControl& control);

}  // namespace kx::importexport
