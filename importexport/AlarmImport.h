#pragma once
// Importing alarm settings from a CSV file, driven by the schema
// kxaimport.ini (one section per column: Field, Type, MinValue, MaxValue,
// MaxLen; the key column "alarmkey" or "Alarmnr." maps to T01).
//
// Two phases. The check reads the whole file and plans every write; what
// makes the file unusable refuses it with nothing written. Then the INI
// values are written, one all-or-nothing batch per file, and the records
// line by line; a key that is not an alarm yet gets a new alarm's record
// first. A failed write stops the import, naming the line.

#include "importexport/Operation.h"

#include <string>
#include <string_view>

namespace kx::importexport {

OperationResult ImportAlarms(const std::string& path, std::string_view separators, const OperationControl& control);

}  // namespace kx::importexport
