#include "core/Configuration.h"

#include "platform/Profile.h"
#include "platform/SitePaths.h"

namespace kx::config {

namespace {

// Windows-1252 lower case, the counterpart of the name folding.
char lowerCp1252(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    switch (u) {
    case 0x8A:
        return static_cast<char>(0x9A);
    case 0x8C:
        return static_cast<char>(0x9C);
    case 0x8E:
        return static_cast<char>(0x9E);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

int selfRepairingKey(const char* file, const char* section, const char* key)
{
    const int value = ProfileInt(file, section, key, -9);
    if (value >= 0)
        return value;
    WriteProfileString(file, section, key, "0");
    return 0;
}

}  // namespace

KeyRanges ReadKeyRanges()
{
    KeyRanges ranges;
    ranges.firstAlarmKey = ProfileInt(kAlarmFile, "config", "FirstAlarmKey", 10);
    ranges.lastAlarmKey = ProfileInt(kAlarmFile, "config", "LastAlarmKey", 9999);
    ranges.firstAlarmInKey = ProfileInt(kAlarmFile, "config", "FirstAlarmInKey", 10);
    ranges.lastAlarmInKey = ProfileInt(kAlarmFile, "config", "LastAlarmInKey", 9999);
    return ranges;
}

std::string DefaultLanguage()
{
    return ProfileString(kConfFile, "Config", "DefaultLanguage", "", kPathBufferSize);
}

std::string MailboxTablePathFrom(std::string_view vm001Path)
{
    std::string path(vm001Path);
    for (char& c : path)
        c = lowerCp1252(c);
    if (path.find("vm001.dbf") == std::string::npos)
        path += ".\\vm001.dbf";
    return path;
}

std::string MailboxTablePath()
{
    return MailboxTablePathFrom(ProfileString(kConfFile, "Config", "Vm001Path", "\\db1\\", kPathBufferSize));
}

std::string GroupTablePath()
{
    return ProfileString(kConfFile, "Config", "GroupDataBase", "\\db1\\kxgroups.dbf", kPathBufferSize);
}

std::string PersonsBaseDirectory()
{
    return ProfileString(kPersonsFile, "DBInfo", "Path", "\\db1\\", kPathBufferSize);
}

std::string MemberTablePath(const std::string& personsBaseDirectory, int group)
{
    return personsBaseDirectory + ".\\kxagrp" + std::to_string(group) + ".dbf";
}

std::string LogoutStateFilePath()
{
    return SitePaths::windowsDirectory() + ".\\kxalogout.ini";
}

int ThreeDigitGroupNumbers()
{
    return selfRepairingKey(kPersonsFile, "DBInfo", "3DigitGroupNumbers");
}

int EnableAlarmDeactivation()
{
    return selfRepairingKey(kAlarmFile, "config", "EnableAlarmDeactivation");
}

int CheckPerson()
{
    return ProfileInt(kAlarmFile, "kxachktn", "CheckPerson", 0);
}

}  // namespace kx::config
