#include "platform/ui/WidgetText.h"

#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

namespace kx::ui {

QString FromBytes(std::string_view cp1252)
{
    return FromUtf8(Cp1252ToUtf8(cp1252));
}

std::optional<std::string> ToBytes(const QString& text)
{
    return Utf8ToCp1252(ToUtf8(text));
}

std::string ToBytesLossy(const QString& text)
{
    return Utf8ToCp1252Lossy(ToUtf8(text));
}

QString Translated(int stringId)
{
    return FromUtf8(LoadString(stringId));
}

QString Translated(const Text& text)
{
    return FromUtf8(Tr(text));
}

}  // namespace kx::ui
