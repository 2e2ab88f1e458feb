#pragma once
// Conversion between the Windows-1252 bytes that tables and INI files hold and
// the UTF-8 text of widgets and terminals. Data stay cp1252 everywhere else.

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Every cp1252 byte has a character; the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value so that they
// round-trip too.
std::string Cp1252ToUtf8(std::string_view cp1252);

// nullopt when the text holds a character that cp1252 cannot store or is not
// valid UTF-8; the caller reports it instead of writing a substitute.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// For display paths that must not fail: unknown characters become '?'.
std::string Utf8ToCp1252Lossy(std::string_view utf8);

}  // namespace kx
