#pragma once
// The console's own texts. Each is declared beside the code that shows it,
// with a context (the model or dialog it belongs to) and its English source
// text:
//
//     constexpr Text kRangeReversed = KX_TEXT("GeneralSettings", "The last alarm number ...");
//
// The translation tools read KX_TEXT as QT_TRANSLATE_NOOP (the build passes
// it to lupdate as an alias), so every text lands in the language files
// under its context. Models stay free of Qt: they hold Text values and turn
// them into the operator's language with Tr(), which asks the translator the
// user interface installs (Qt's translate(context, source)). Without one -
// kxalarmctl, the tests - the English text is used.
//
// Texts are UTF-8 display text, not data. %1 and %2 stand for arguments, a
// printf-style %d for one number, so that a translation can move them.

#include <functional>
#include <string>
#include <string_view>

namespace kx {

struct Text {
    const char* context = nullptr;
    const char* source = nullptr;

    constexpr bool empty() const { return source == nullptr || *source == '\0'; }
};

#define KX_TEXT(context, source) ::kx::Text{context, source}

// The text in the operator's language; "" for an empty Text.
std::string Tr(const Text& text);
// ... with %1 and %2 replaced by the arguments (UTF-8).
std::string Tr(const Text& text, std::string_view arg1, std::string_view arg2 = {});
// ... with its one printf-style number (%d, %ld, %u) filled.
std::string TrNumber(const Text& text, long number);

// Replaces %1 / %2 in any text ("%%" stays a per-cent sign only for
// printf-style texts, so it is left alone here).
std::string FillArguments(std::string_view text, std::string_view arg1, std::string_view arg2 = {});
// Fills the first printf-style integer conversion of a text.
std::string FillNumber(std::string_view text, long number);

// Installs the language: a function from (context, English source) to the
// text to show. nullptr restores English.
using TextTranslator = std::function<std::string(const char* context, const char* source)>;
void SetTextTranslator(TextTranslator translator);

}  // namespace kx
