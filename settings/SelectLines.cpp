#include "settings/SelectLines.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>
#include <charconv>

namespace kx::settings {

namespace {

// Opened from the line supervision settings, not from the menu.
const Registration<SelectLines> kRegistration(0);

constexpr Text kLines = KX_TEXT("SelectLines", "Lines to check:");
constexpr Text kNotALine =
    KX_TEXT("SelectLines", "\"%1\" is not a line. Please give line numbers from 1 to 60, separated by \",\".");

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "LineWatchDog";
constexpr std::size_t kStoredSize = 80;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The numbers of a stored or typed list, in their order; `bad` gets the first
// entry that is no number.
std::vector<long> numbers(std::string_view text, std::string* bad)
{
    std::vector<long> found;
    while (!trimmed(text).empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view entry = trimmed(text.substr(0, comma));
        long n = 0;
        const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), n);
        if (error != std::errc() || end != entry.data() + entry.size()) {
            if (bad) {
                *bad = std::string(entry);
                return {};
            }
        } else {
            found.push_back(n);
        }
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return found;
}

std::vector<int> ascending(const std::vector<long>& numbers)
{
    std::vector<int> lines;
    for (long n : numbers)
        if (n >= 1 && n <= kLineCount)
            lines.push_back(static_cast<int>(n));
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

// The stored lines as the list shows them: the first 10 numbers, lines only.
std::string readStored(const SettingRow&)
{
    std::vector<long> stored = numbers(ProfileString(kFile, kSection, "CheckLines", "", kStoredSize), nullptr);
    if (stored.size() > kMaxCheckedLines)
        stored.resize(kMaxCheckedLines);
    return JoinLines(ascending(stored));
}

}  // namespace

bool ParseLines(std::string_view text, std::vector<int>& lines)
{
    std::string bad;
    const std::vector<long> given = numbers(text, &bad);
    if (!bad.empty())
        return false;
    for (long n : given)
        if (n < 1 || n > kLineCount)
            return false;
    lines = ascending(given);
    return true;
}

std::string JoinLines(const std::vector<int>& lines)
{
    std::string text;
    for (int line : lines)
        text += (text.empty() ? "" : ",") + std::to_string(line);
    return text;
}

SelectLines::SelectLines()
    : SettingsModel(kName, kTitle,
                    {
                        TextSetting("CheckLines", kFile, kSection).label(kLines).readBy(readStored),
                    })
{}

std::vector<int> SelectLines::lines() const
{
    std::vector<int> chosen;
    ParseLines(value("CheckLines"), chosen);
    return chosen;
}

Change SelectLines::change(std::string_view name, std::string_view token)
{
    if (name != "CheckLines")
        return SettingsModel::change(name, token);
    std::vector<int> chosen;
    if (!ParseLines(token, chosen)) {
        std::string bad;
        numbers(token, &bad);
        for (long n : numbers(token, nullptr))
            if (bad.empty() && (n < 1 || n > kLineCount))
                bad = std::to_string(n);
        ErrorBox(kNotALine, bad);
        return Change::Refused;
    }
    return SettingsModel::change(name, JoinLines(chosen));
}

bool SelectLines::check()
{
    if (lines().size() > kMaxCheckedLines) {
        ErrorBox(str::MaximumTenLines);
        return false;
    }
    return true;
}

}  // namespace kx::settings
