#include "platform/Registry.h"

#include "platform/Profile.h"
#include "platform/SitePaths.h"

namespace kx {

namespace {
constexpr const char* kRegistryFile = "registry.ini";
}

bool RegistryKeyExists(std::string_view keyPath)
{
    for (const std::string& section : ProfileSectionNames(kRegistryFile))
        if (EqualsNoCase(section, keyPath))
            return true;
    return false;
}

std::optional<std::string> RegistryValue(std::string_view keyPath, std::string_view valueName)
{
    for (const std::string& name : ProfileKeyNames(kRegistryFile, keyPath))
        if (EqualsNoCase(name, valueName))
            return ProfileString(kRegistryFile, keyPath, valueName, {}, 4096);
    return std::nullopt;
}

}  // namespace kx
