#include "alarmconfig/NumberPassword.h"

#include "platform/MessageBoxes.h"

#include <algorithm>

namespace kx::alarmconfig {

namespace {

constexpr Text kNotANumberPassword =
    KX_TEXT("NumberPassword", "\"%1\" must be a number of 1 to 9 digits that does not begin with 0.");

}  // namespace

bool IsNumberPassword(std::string_view text)
{
    return !text.empty() && text.size() <= 9 && text.front() != '0' &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool CheckNumberPassword(std::string_view text, const std::string& caption)
{
    if (IsNumberPassword(text))
        return true;
    ErrorBox(kNotANumberPassword, caption);
    return false;
}

}  // namespace kx::alarmconfig
