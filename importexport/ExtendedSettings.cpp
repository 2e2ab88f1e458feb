#include "importexport/ExtendedSettings.h"

#include "console/CommandIds.h"
#include "importexport/AlarmExport.h"
#include "importexport/AlarmImport.h"
#include "importexport/CsvReader.h"
#include "importexport/PersonsImport.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "settings/ItemSources.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"

#include <filesystem>
#include <strings.h>

namespace kx::importexport {

using namespace settings;

namespace {

const Registration<ExtendedSettings> kRegistration(console::cmd::ExtendedSettings);

constexpr Text kWaitAfterPostjob =
    KX_TEXT("ExtendedSettings", "Delay between the injection of each job (in 1/10 seconds)");
constexpr Text kErrorNumberActive =
    KX_TEXT("ExtendedSettings", "On error in the alarm configuration, launch the alarm");
constexpr Text kAlarmImportPath = KX_TEXT("ExtendedSettings", "Import the alarm settings from a CSV file:");
constexpr Text kAlarmExportPath = KX_TEXT("ExtendedSettings", "Export the alarm settings from a CSV file:");
constexpr Text kPersonsImportPath = KX_TEXT("ExtendedSettings", "Import the personnel data from a CSV file:");
constexpr Text kImport = KX_TEXT("ExtendedSettings", "Import");
constexpr Text kExport = KX_TEXT("ExtendedSettings", "Export");
constexpr Text kShow = KX_TEXT("ExtendedSettings", "Show");
constexpr Text kSeparatorsTooLong = KX_TEXT("ExtendedSettings", "At most %1 separation characters can be stored.");

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kConfig = "config";
constexpr const char* kSeparatorKey = "CSVSeparationChar";
constexpr const char* kDefaultSeparators = ";";
constexpr std::size_t kSeparatorBuffer = 10;  // 9 characters
constexpr std::size_t kPathBuffer = 4096;

bool keyPresent(const char* file, const char* section, const char* key)
{
    for (const std::string& name : ProfileKeyNames(file, section))
        if (strcasecmp(name.c_str(), key) == 0)
            return true;
    return false;
}

Change assignSeparators(SettingsModel& model, std::string_view text)
{
    if (text.size() > kSeparatorBuffer - 1) {
        ErrorBox(kSeparatorsTooLong, std::to_string(kSeparatorBuffer - 1));
        return Change::Refused;
    }
    model.set(kSeparatorKey, std::string(text));
    return Change::Done;
}

}  // namespace

ExtendedSettings::ExtendedSettings()
    : SettingsModel(
          kName, kTitle,
          {
              IntSetting("WaitAfterPostjob", kAlarmIni, kConfig, 3).label(kWaitAfterPostjob),
              CheckSetting("ErrorNumberActive", kAlarmIni, "kxaerror", false).label(kErrorNumberActive),
              // Read as stored, so that a key the list does not offer is written back as it was.
              ListSetting("ErrorNumber", kAlarmIni, "kxaerror", "0", {})
                  .itemsFrom(SettingsAlarmItems(NoneItem::Last))
                  .when("ErrorNumberActive"),
              ViewValue(kSeparatorKey, {}, assignSeparators),
              TextSetting("AlarmImportPath", {}, {}, {}, kPathBuffer).label(kAlarmImportPath).notWrittenOnOk(),
              ButtonRow("import-alarms", kImport),
              ButtonRow("show-alarm-import", kShow),
              TextSetting("AlarmExportPath", {}, {}, {}, kPathBuffer).label(kAlarmExportPath).notWrittenOnOk(),
              ButtonRow("export-alarms", kExport),
              ButtonRow("show-alarm-export", kShow),
              TextSetting("PersonsImportPath", {}, {}, {}, kPathBuffer).label(kPersonsImportPath).notWrittenOnOk(),
              ButtonRow("import-persons", kImport),
              ButtonRow("show-persons-import", kShow),
          })
{}

void ExtendedSettings::fill()
{
    // The import and export read the separators from the file; a missing
    // key is written, so that the file says what they use.
    if (!keyPresent(kAlarmIni, kConfig, kSeparatorKey))
        writeAll({{kAlarmIni, kConfig, kSeparatorKey, kDefaultSeparators}});
    set(kSeparatorKey, ProfileString(kAlarmIni, kConfig, kSeparatorKey, kDefaultSeparators, kSeparatorBuffer));

    std::error_code error;
    const std::string directory = std::filesystem::current_path(error).string();
    const std::string alarms = Utf8ToCp1252Lossy(directory + "/kxalarm.csv");
    set("AlarmImportPath", alarms);
    set("AlarmExportPath", alarms);
    set("PersonsImportPath", Utf8ToCp1252Lossy(directory + "/kxpers.csv"));
}

bool ExtendedSettings::check()
{
    // Only a changed separator set: the one stored stays as it is.
    if (value(kSeparatorKey) == ProfileString(kAlarmIni, kConfig, kSeparatorKey, kDefaultSeparators, kSeparatorBuffer))
        return true;
    const std::string problem = SeparatorProblem(value(kSeparatorKey));
    if (problem.empty())
        return true;
    ErrorBoxText(problem);
    return false;
}

void ExtendedSettings::collectWrites(IniWrites& writes) const
{
    SettingsModel::collectWrites(writes);
    const std::string separators = value(kSeparatorKey);
    if (separators != ProfileString(kAlarmIni, kConfig, kSeparatorKey, kDefaultSeparators, kSeparatorBuffer))
        writes.push_back({kAlarmIni, kConfig, kSeparatorKey, separators});
}

std::string ExtendedSettings::nativePath(std::string_view name) const
{
    return Cp1252ToUtf8(value(name));
}

void ExtendedSettings::run(Operation operation, std::string_view pathName, Work work)
{
    const std::string path = nativePath(pathName);
    if (m_runner) {
        m_runner(operation, path, work);
        return;
    }
    ShowResult(operation, work(OperationControl{}));
}

void ExtendedSettings::pressed(std::string_view button)
{
    const std::string separators = value(kSeparatorKey);
    if (button == "import-alarms") {
        const std::string path = nativePath("AlarmImportPath");
        run(Operation::AlarmImport, "AlarmImportPath",
            [path, separators](const OperationControl& c) { return ImportAlarms(path, separators, c); });
    } else if (button == "export-alarms") {
        const std::string path = nativePath("AlarmExportPath");
        run(Operation::AlarmExport, "AlarmExportPath",
            [path](const OperationControl& c) { return ExportAlarms(path, c); });
    } else if (button == "import-persons") {
        const std::string path = nativePath("PersonsImportPath");
        run(Operation::PersonsImport, "PersonsImportPath",
            [path, separators](const OperationControl& c) { return ImportPersons(path, separators, c); });
    } else {
        const std::string_view pathName = button == "show-alarm-import"   ? "AlarmImportPath"
                                          : button == "show-alarm-export" ? "AlarmExportPath"
                                                                          : "PersonsImportPath";
        const std::string path = nativePath(pathName);
        if (path.empty())
            return;
        if (!settings::OpenInEditor(path))
            pressFailed();
    }
}

}  // namespace kx::importexport
