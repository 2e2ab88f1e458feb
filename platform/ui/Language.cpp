#include "platform/ui/Language.h"

#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace kx::ui {

QString LanguageFileName(const std::string& code)
{
    return "kxalarm_" + QString::fromUtf8(Cp1252ToUtf8(code)) + ".qm";
}

QStringList LanguageFolders()
{
    return {QCoreApplication::applicationDirPath(), QDir::currentPath(), QStringLiteral(KX_TRANSLATIONS_DIR)};
}

bool LoadLanguage(const std::string& code)
{
    if (code.empty())
        return true;
    const QString file = LanguageFileName(code);
    static std::unique_ptr<QTranslator> translator;
    auto candidate = std::make_unique<QTranslator>();
    const QStringList folders = LanguageFolders();
    const bool loaded = std::any_of(folders.begin(), folders.end(),
                                    [&](const QString& folder) { return candidate->load(file, folder); });
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
