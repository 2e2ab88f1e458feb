#pragma once
// Facts about the machine the console runs on.

#include <string>

namespace kx {

// The computer's name: the host name up to its first dot.
std::string ComputerName();

}  // namespace kx
