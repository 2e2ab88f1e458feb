#pragma once
// The configuration every part of the console needs: key ranges, table
// paths, the persons base directory and the start-up options, read from the
// INI files by bare name (so from the Windows directory).
//
// Paths are returned as stored Windows paths; CDatabase and the profile calls
// translate them to the site.

#include <string>

namespace kx::config {

// INI files and sections.
constexpr const char* kConfFile = "kxaconf.ini";
constexpr const char* kPersonsFile = "kxpers.ini";
constexpr const char* kAlarmFile = "kxalarm.ini";

constexpr std::size_t kPathBufferSize = 80;  // path values: 79 characters and the terminator

struct KeyRanges {
    int firstAlarmKey = 10;
    int lastAlarmKey = 9999;
    int firstAlarmInKey = 10;
    int lastAlarmInKey = 9999;
};

// Section "config" of kxalarm.ini, with the start-up defaults 10/9999/10/9999.
KeyRanges ReadKeyRanges();

// "DefaultLanguage" of kxaconf.ini (empty: the built-in language).
std::string DefaultLanguage();

// Vm001Path turned to lower case, with ".\vm001.dbf" appended unless it
// already names the file: "\db1\" gives "\db1\.\vm001.dbf".
std::string MailboxTablePath();
// The same rule on a given setting (for tests and other dialogs).
std::string MailboxTablePathFrom(std::string_view vm001Path);

// "GroupDataBase" of kxaconf.ini, default "\db1\kxgroups.dbf".
std::string GroupTablePath();

// "Path" of section DBInfo of kxpers.ini, default "\db1\".
std::string PersonsBaseDirectory();
// "%s.\kxagrp%d.dbf" with the persons base directory and the group.
std::string MemberTablePath(const std::string& personsBaseDirectory, int group);
// "%s.\kxalogout.ini" with the Windows directory.
std::string LogoutStateFilePath();

// The two self-repairing keys: read with the default -9; a value below 0
// (absent or negative) is replaced by writing "0", and 0 is used.
int ThreeDigitGroupNumbers();
int EnableAlarmDeactivation();

// "CheckPerson" of section kxachktn of kxalarm.ini (default 0); read anew
// by every caller because it may change while the console runs.
int CheckPerson();

}  // namespace kx::config
