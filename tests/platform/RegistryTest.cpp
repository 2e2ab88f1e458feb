#include "platform/Registry.h"
#include "platform/SystemInfo.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(Registry, KeysAndValuesFromTheRegistryFile)
{
    test::TempSite site;
    EXPECT_FALSE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS"));  // no file: no keys
    site.write("windows/registry.ini", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS]\r\nPath=C:\\svox\r\nEmpty=\r\n"
                                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\loquendo]\r\n");
    EXPECT_TRUE(RegistryKeyExists("hkey_local_machine\\software\\svox\\tts"));
    EXPECT_TRUE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\loquendo"));  // a key without values
    EXPECT_FALSE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other"));
    EXPECT_EQ(RegistryValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS", "path"), "C:\\svox");
    EXPECT_EQ(RegistryValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS", "Empty"), "");
    EXPECT_EQ(RegistryValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS", "Missing"), std::nullopt);
}

TEST(SystemInfo, ComputerNameIsTheShortHostName)
{
    const std::string name = ComputerName();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name.find('.'), std::string::npos);
}

}  // namespace
}  // namespace kx
