#include "platform/ui/WidgetText.h"

#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

namespace kx::ui {

QString fromBytes(std::string_view cp1252)
{
    return fromUtf8(Cp1252ToUtf8(cp1252));
}

std::optional<std::string> toBytes(const QString& text)
{
    return Utf8ToCp1252(toUtf8(text));
}

std::string toBytesLossy(const QString& text)
{
    return Utf8ToCp1252Lossy(toUtf8(text));
}

QString text(int stringId)
{
    return fromUtf8(LoadString(stringId));
}

QString text(const Text& text)
{
    return fromUtf8(Tr(text));
}

}  // namespace kx::ui
