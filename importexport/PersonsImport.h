#pragma once
// Importing persons ("Name;Telnumber;Type;Department", the department
// optional) into the persons table named by "Pers" of section "DBInfo" of
// kxpers.ini. Each person takes the next record whose NAME is empty; a
// person is never overwritten, and the table always ends with a free,
// numbered record.

#include "importexport/Operation.h"

#include <string>
#include <string_view>

namespace kx::importexport {

OperationResult ImportPersons(const std::string& path, std::string_view separators, const OperationControl& control);

}  // namespace kx::importexport
