#include "platform/Text.h"

#include <cstdio>
#include <mutex>

namespace kx {

namespace {

std::mutex g_translatorMutex;
TextTranslator g_translator;

}  // namespace

std::string Tr(const Text& text)
{
    if (text.empty())
        return {};
    TextTranslator translator;
    {
        std::lock_guard lock(g_translatorMutex);
        translator = g_translator;
    }
    return translator ? translator(text.context ? text.context : "", text.source) : std::string(text.source);
}

std::string Tr(const Text& text, std::string_view arg1, std::string_view arg2)
{
    return FillArguments(Tr(text), arg1, arg2);
}

std::string TrNumber(const Text& text, long number)
{
    return FillNumber(Tr(text), number);
}

void SetTextTranslator(TextTranslator translator)
{
    std::lock_guard lock(g_translatorMutex);
    g_translator = std::move(translator);
}

std::string FillArguments(std::string_view text, std::string_view arg1, std::string_view arg2)
{
    std::string out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FillNumber(std::string_view text, long number)
{
    std::string out;
    out.reserve(text.size() + 12);
    bool filled = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        if (text[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // A conversion: flags/width digits, an optional 'l', then d, i or u.
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == '0' || text[j] == '-' || (text[j] >= '1' && text[j] <= '9')))
            ++j;
        if (j < text.size() && text[j] == 'l')
            ++j;
        if (!filled && j < text.size() && (text[j] == 'd' || text[j] == 'i' || text[j] == 'u')) {
            std::string conversion(text.substr(i, j - i));
            if (conversion.back() == 'l')
                conversion.pop_back();
            conversion += "ld";
            char buf[64];
            std::snprintf(buf, sizeof buf, conversion.c_str(), number);
            out += buf;
            filled = true;
            i = j;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace kx
