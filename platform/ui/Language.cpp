#include "platform/ui/Language.h"

#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <memory>

namespace kx::ui {

QString LanguageFileName(const std::string& code)
{
    return "kxalarm_" + QString::fromUtf8(Cp1252ToUtf8(code)) + ".qm";
}

bool LoadLanguage(const std::string& code)
{
    if (code.empty())
        return true;
    const QString file = LanguageFileName(code);
    static std::unique_ptr<QTranslator> translator;
    auto candidate = std::make_unique<QTranslator>();
    const bool loaded =
        candidate->load(file, QCoreApplication::applicationDirPath()) || candidate->load(file, QDir::currentPath());
    if (!loaded || !QCoreApplication::installTranslator(candidate.get())) {
        ErrorBox(str::ResourceLibraryNotLoaded, Utf8ToCp1252Lossy(file.toStdString()));
        return false;
    }
    translator = std::move(candidate);
    SetTextTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toUtf8().toStdString();
    });
    return true;
}

}  // namespace kx::ui
