#include "settings/ProgramStart.h"

#include "platform/MessageBoxes.h"
#include "platform/TextEncoding.h"

namespace kx::settings {

namespace {

constexpr Text kNotStarted = KX_TEXT("ProgramStart", "The program %1 could not be started:\n%2");
constexpr Text kEditorNotStarted = KX_TEXT("ProgramStart", "The text editor could not be started for %1:\n%2");

}  // namespace

bool StartReported(const CommandLine& command, Wait wait)
{
    const LaunchResult result = wait == Wait::UntilEnd ? RunAndWait(command) : StartProgram(command);
    if (!result.started)
        ErrorBox(kNotStarted, command.empty() ? std::string() : command.arguments().front(),
                 Utf8ToCp1252Lossy(result.error));
    return result.started;
}

bool OpenInEditor(const std::string& path)
{
    const LaunchResult result = StartProgram(CommandLine().arg("notepad.exe").arg(path));
    if (!result.started)
        ErrorBox(kEditorNotStarted, path, Utf8ToCp1252Lossy(result.error));
    return result.started;
}

}  // namespace kx::settings
