#pragma once
// Where data meet widgets: tables and INI files hold Windows-1252 bytes,
// widgets show QStrings. The console's own texts (string table, messages)
// are UTF-8.

#include "platform/Text.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace kx::ui {

// Data bytes (Windows-1252) to a widget text.
QString FromBytes(std::string_view cp1252);
// A widget text to data bytes; nullopt when it holds a character that
// Windows-1252 cannot store (the caller refuses the input).
std::optional<std::string> ToBytes(const QString& text);
// The same, with '?' for characters Windows-1252 cannot store.
std::string ToBytesLossy(const QString& text);

// The console's own UTF-8 texts.
inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// A numbered text of the string table, or a Text declared beside its code,
// in the operator's language (QObject::tr would hide a function named tr
// inside widgets, hence the name).
QString Translated(int stringId);
QString Translated(const Text& text);

}  // namespace kx::ui
