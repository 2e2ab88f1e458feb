#include "plans/PlanDisplay.h"

#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <array>
#include <fstream>
#include <iterator>

namespace kx::plans {

namespace {

constexpr Text kDefaultAction = KX_TEXT("PlanDisplay", "Default action ");
constexpr std::array<Text, 7> kDays = {
    KX_TEXT("PlanDisplay", "Monday"),   KX_TEXT("PlanDisplay", "Tuesday"), KX_TEXT("PlanDisplay", "Wednesday"),
    KX_TEXT("PlanDisplay", "Thursday"), KX_TEXT("PlanDisplay", "Friday"),  KX_TEXT("PlanDisplay", "Saturday"),
    KX_TEXT("PlanDisplay", "Sunday"),
};

// A data line needs this many characters, counting one for its line end.
constexpr std::size_t kShortestDataLine = 19;

struct TypeWord {
    std::string_view word;
    PlanType type;
    Rgb defaultLine;
    Rgb ordinaryLine;
};
constexpr std::array<TypeWord, 3> kTypeWords = {{
    {"GRP", PlanType::Group, {0, 0, 40}, {0, 0, 180}},
    {"KEY", PlanType::AlarmKey, {0, 40, 0}, {0, 150, 0}},
    {"OFS", PlanType::Offset, {40, 0, 0}, {180, 0, 0}},
}};
constexpr Rgb kAlarmInDefault{50, 40, 30};
constexpr Rgb kAlarmInOrdinary{120, 100, 60};

// Reads a plan's lines and turns the data lines into display lines.
class Reader {
public:
    explicit Reader(PlanDisplay& display, PlanFamily family) : m_display(display), m_family(family) {}

    void readYear(std::string_view content)
    {
        forEachDataLine(content, [this](std::string_view line) {
            if (line.substr(0, 2) == "00")
                addDefault(m_display.year, field(line, 3));
            else
                add(m_display.year, {}, line, false);
        });
    }

    void readWeek(std::string_view content)
    {
        std::string label;  // none before a line has set one
        forEachDataLine(content, [this, &label](std::string_view line) {
            if (line.substr(0, 1) == "0") {
                label = Utf8ToCp1252Lossy(Tr(kDefaultAction));
                addDefault(m_display.week, field(line, 2));
                return;
            }
            const long day = leadingNumber(field(line, 0));
            if (day >= 1 && day <= 7)
                label = Utf8ToCp1252Lossy(Tr(kDays[static_cast<std::size_t>(day - 1)]));
            const std::size_t comma = line.find(',');
            add(m_display.week, label, comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1),
                false);
        });
    }

private:
    template <typename Handle>
    static void forEachDataLine(std::string_view content, Handle handle)
    {
        while (!content.empty()) {
            const std::size_t feed = content.find('\n');
            const bool ended = feed != std::string_view::npos;
            std::string_view line = content.substr(0, ended ? feed : content.size());
            content.remove_prefix(ended ? feed + 1 : content.size());
            if (ended && !line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (line.substr(0, 3) == "rem" || line.size() + (ended ? 1 : 0) < kShortestDataLine)
                continue;
            handle(line.substr(0, line.find(';')));
        }
    }

    // The field `index` of a line split at every comma; empty when missing.
    static std::string_view field(std::string_view line, int index)
    {
        for (; index > 0; --index) {
            const std::size_t comma = line.find(',');
            if (comma == std::string_view::npos)
                return {};
            line.remove_prefix(comma + 1);
        }
        return line.substr(0, line.find(','));
    }

    // The number a field begins with, as a C conversion reads it (leading
    // blanks, a sign, digits); 0 when none. Large numbers stay large.
    static long leadingNumber(std::string_view text)
    {
        std::size_t i = 0;
        while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
            ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        long value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            value = value > 100000 ? value : value * 10 + (text[i] - '0');
        return negative ? -value : value;
    }

    void addDefault(std::vector<PlanLine>& lines, std::string_view action)
    {
        add(lines, Utf8ToCp1252Lossy(Tr(kDefaultAction)) + ",  ", action, true);
    }

    // Appends `label` + `data` in the colour of its kind. Alarm plans are
    // classified by the type words of the data; the last one found stays
    // the plan's type.
    void add(std::vector<PlanLine>& lines, const std::string& label, std::string_view data, bool defaultLine)
    {
        std::string text = label;
        if (!label.empty() && !defaultLine)
            text += ' ';
        text.append(data);
        Rgb colour = defaultLine ? kAlarmInDefault : kAlarmInOrdinary;
        if (m_family == PlanFamily::Alarm) {
            colour = {};
            for (const TypeWord& word : kTypeWords) {
                if (data.find(word.word) != std::string_view::npos) {
                    m_display.type = word.type;
                    colour = defaultLine ? word.defaultLine : word.ordinaryLine;
                    break;
                }
            }
        }
        lines.push_back({std::move(text), colour});
    }

    PlanDisplay& m_display;
    PlanFamily m_family;
};

std::string readFile(const std::string& name)
{
    const std::string existing = ExistingPlanFile(name);
    if (existing.empty())
        return {};
    std::ifstream in(existing, std::ios::binary);
    if (!in)
        return {};
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return in.bad() ? std::string() : content;
}

}  // namespace

PlanDisplay ReadPlanText(std::string_view yearContent, std::string_view weekContent, PlanFamily family)
{
    PlanDisplay display;  // the type starts unclassified for every plan
    Reader reader(display, family);
    reader.readYear(yearContent);
    reader.readWeek(weekContent);
    return display;
}

PlanDisplay ReadPlanForDisplay(long number, PlanFamily family)
{
    const std::string yearFile = YearFileName(number, family);
    const std::string weekFile = WeekFileName(number, family);
    PlanDisplay display = ReadPlanText(readFile(yearFile), readFile(weekFile), family);
    display.yearFile = yearFile;
    display.weekFile = weekFile;
    return display;
}

}  // namespace kx::plans
