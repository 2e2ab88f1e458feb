#pragma once
// The language of the user interface: the translation file
// "kxalarm_<code>.qm", looked for beside the program, then in the working
// directory, then where the packages install it. When it is loaded, every numbered text and every widget text
// passes through it; when it cannot be loaded, the error box 61550 names
// the file and the console goes on in English.

#include <QString>
#include <QStringList>

#include <string>

namespace kx::ui {

// The file name of a language code: "kxalarm_de.qm".
QString LanguageFileName(const std::string& code);

// The folders the language file is looked for in, first match wins: beside
// the program, the working directory, <prefix>/share/kxalarm/translations.
QStringList LanguageFolders();

// Loads and installs the language; false (after the error box) when the
// file cannot be loaded. An empty code loads nothing and shows nothing.
bool LoadLanguage(const std::string& code);

}  // namespace kx::ui
