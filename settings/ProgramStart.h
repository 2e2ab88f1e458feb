#pragma once
// The buttons of dialogs that start a program of the platform or open a file
// in the text editor. A program that does not start is reported to the
// operator, naming it and why, and the call gives false, so that the button
// can report the failure to its caller (pressFailed()).

#include "platform/ProgramLauncher.h"

#include <string>

namespace kx::settings {

enum class Wait {
    No,        // the program runs on its own
    UntilEnd,  // the call returns when the program has ended
};

bool StartReported(const CommandLine& command, Wait wait = Wait::No);

// Opens the file `path` (as the platform names it) in the text editor.
bool OpenInEditor(const std::string& path);

}  // namespace kx::settings
