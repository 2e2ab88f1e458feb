#pragma once
// Registry reads from the site's registry file: "registry.ini" in the
// Windows directory holds one section per key path (such as
// "HKEY_LOCAL_MACHINE\SOFTWARE\Svox\TTS") with the key's values as entries.
// No file means no keys.

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Whether the key exists (a section of that name, entries or not).
bool RegistryKeyExists(std::string_view keyPath);

// A value of a key; nullopt when the key or the value does not exist.
std::optional<std::string> RegistryValue(std::string_view keyPath, std::string_view valueName);

}  // namespace kx
