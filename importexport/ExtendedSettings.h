#pragma once
// "Extended settings": the delay between posted jobs, the alarm launched on
// an error in the alarm configuration, and the group "Import and export of
// the alarm-configuration" with the three CSV paths and their buttons.
//
// Values besides the keys: "CSVSeparationChar" (section "config"; written
// as ";" when the dialog opens and the key is missing; no control of its
// own, kxalarmctl sets it and OK then refuses what the CSV reader cannot
// use), and the paths "AlarmImportPath", "AlarmExportPath" and
// "PersonsImportPath" (<working dir>/kxalarm.csv and kxpers.csv when the
// dialog opens; never stored). The buttons act at once, with the values as
// they stand: "import-alarms", "export-alarms", "import-persons" run the
// operation through the runner (the window's runs it on a worker thread
// behind a progress dialog; without one it runs here and its result is
// shown through the message boxes); "show-alarm-import",
// "show-alarm-export", "show-persons-import" open the file in the text
// editor.

#include "importexport/Operation.h"
#include "settings/SettingsModel.h"

#include <functional>
#include <string>
#include <string_view>

namespace kx::importexport {

class ExtendedSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "extended";
    static constexpr Text kTitle = KX_TEXT("ExtendedSettings", "Extended settings");

    using Work = std::function<OperationResult(const OperationControl&)>;
    // Runs one operation on the file `path` (native) and shows its result.
    using Runner = std::function<void(Operation operation, const std::string& path, const Work& work)>;

    ExtendedSettings();

    // The window's runner; an empty one runs the operation on this thread.
    void setRunner(Runner runner) { m_runner = std::move(runner); }
    // The native path a path value names (its bytes are Windows-1252).
    std::string nativePath(std::string_view name) const;

protected:
    void fill() override;
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
    void pressed(std::string_view button) override;

private:
    void run(Operation operation, std::string_view pathName, Work work);

    Runner m_runner;
};

}  // namespace kx::importexport
