// Reading a plan for display: which lines show, their texts and colours,
// and the type of an alarm plan.

#include "plans/PlanDisplay.h"
#include "tests/plans/PlansFixture.h"

namespace kx::test {
namespace {

using plans::PlanFamily;
using plans::PlanType;
using plans::Rgb;

class PlanDisplayTest : public PlansFixture {};

std::string shown(const std::vector<plans::PlanLine>& lines)
{
    std::string out;
    for (const plans::PlanLine& line : lines)
        out += line.text + "|";
    return out;
}

const std::string kLong(300, 'x');

struct DisplayCase {
    const char* what;
    PlanFamily family;
    std::string year, week;
    std::string yearShown, weekShown;
    PlanType type;
};

const std::vector<DisplayCase> kCases = {
    {"alarm-in plan, LF", PlanFamily::AlarmIn,
     "rem  header\n00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 5;\n01.05.  26 , 08:00 - 02.05.  26 , 09:00 , KEY "
     "1;x\n",
     "0 , 00:00 - 00:00 , GRP 2;\n1 , 08:00 - 17:00 , OFS 3;\n9 , 08:00 - 17:00 , unknown day;\n",
     "Default action ,   OFS 5|01.05.  26 , 08:00 - 02.05.  26 , 09:00 , KEY 1|",
     "Default action ,   GRP 2|Monday  08:00 - 17:00 , OFS 3|Monday  08:00 - 17:00 , unknown day|",
     PlanType::NotClassified},
    {"CRLF ends, a last line without one, a long line is one line", PlanFamily::AlarmIn, "",
     "3 , 08:00 - 17:00 , x;\r\n4 ," + kLong + "\r\n7 , 00:00 - 01:00 , last", "",
     "Wednesday  08:00 - 17:00 , x|Thursday " + kLong + "|Sunday  00:00 - 01:00 , last|", PlanType::NotClassified},
    {"the length rule counts one for the line end", PlanFamily::AlarmIn,
     std::string(17, 'a') + "\n" + std::string(18, 'b') + "\n" + std::string(18, 'c'), "", std::string(18, 'b') + "|",
     "", PlanType::NotClassified},
    {"rem only at the start and in small letters; no label before a day", PlanFamily::AlarmIn,
     " rem 1234567890123456789\nREM 1234567890123456789\n", "x , rest of the line is shown\n",
     " rem 1234567890123456789|REM 1234567890123456789|", " rest of the line is shown|", PlanType::NotClassified},
    {"missing fields are empty, fields are not trimmed", PlanFamily::AlarmIn,
     "00 no commas in this line\n00,a,b,  c  ,d,more and more;\n", "0 no commas in this week line\n",
     "Default action ,  |Default action ,    c  |", "Default action ,  |", PlanType::NotClassified},
    {"the last type word found decides, the week after the year", PlanFamily::Alarm,
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , GRP 3;\n", "2 , 08:00 - 17:00 , OFS 10 KEY;\n",
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , GRP 3|", "Tuesday  08:00 - 17:00 , OFS 10 KEY|", PlanType::AlarmKey},
    {"a line without a type word leaves the type", PlanFamily::Alarm,
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n", "2 , 08:00 - 17:00 , nothing;\n",
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3|", "Tuesday  08:00 - 17:00 , nothing|", PlanType::Offset},
    {"cp1252 bytes and NUL pass as they are", PlanFamily::AlarmIn,
     std::string("01.01.  26 , Stra\xDF"
                 "e \xFC ") +
         '\0' + "x;\n",
     "",
     std::string("01.01.  26 , Stra\xDF"
                 "e \xFC ") +
         '\0' + "x|",
     "", PlanType::NotClassified},
};

TEST_F(PlanDisplayTest, LinesAreShownAsThePlanHoldsThem)
{
    for (const DisplayCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const plans::PlanDisplay display = plans::ReadPlanText(c.year, c.week, c.family);
        EXPECT_EQ(shown(display.year), c.yearShown);
        EXPECT_EQ(shown(display.week), c.weekShown);
        EXPECT_EQ(display.type, c.type);
    }
}

TEST_F(PlanDisplayTest, ColoursFollowTheKindOfLineAndTheTypeWord)
{
    const std::string year = "00.00.  00 , 00:00 - 00.00.  00 , 00:00 , GRP 1;\n01.01.  26 , 00:00 - 01.01.  26 , "
                             "01:00 , GRP 1;\n01.01.  26 , 00:00 - 01.01.  26 , 01:00 , nothing;\n";
    const std::string week = "0 , 00:00 - 00:00 , KEY 4711;\n1 , 00:00 - 01:00 , KEY 4711;\n"
                             "0 , 00:00 - 00:00 , OFS 1;\n1 , 00:00 - 01:00 , OFS 1 GRP 2;\n";
    const plans::PlanDisplay alarm = plans::ReadPlanText(year, week, PlanFamily::Alarm);
    const std::vector<Rgb> alarmColours = {{0, 0, 40},  {0, 0, 180}, {0, 0, 0},  {0, 40, 0},
                                           {0, 150, 0}, {40, 0, 0},  {0, 0, 180}};
    const plans::PlanDisplay alarmIn = plans::ReadPlanText(year, week, PlanFamily::AlarmIn);
    const std::vector<Rgb> alarmInColours = {{50, 40, 30},   {120, 100, 60}, {120, 100, 60}, {50, 40, 30},
                                             {120, 100, 60}, {50, 40, 30},   {120, 100, 60}};
    for (const auto& [display, colours] : {std::pair{alarm, alarmColours}, std::pair{alarmIn, alarmInColours}}) {
        std::vector<Rgb> got;
        for (const auto* lines : {&display.year, &display.week})
            for (const plans::PlanLine& line : *lines)
                got.push_back(line.colour);
        EXPECT_EQ(got, colours);
    }
    EXPECT_EQ(alarm.type, PlanType::Group);  // GRP comes before OFS in the last line
    EXPECT_EQ(alarmIn.type, PlanType::NotClassified);
}

TEST_F(PlanDisplayTest, FilesAreFoundInAnyCaseAndNamedAsBuilt)
{
    put("KXA_15.KXH", "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n");
    const plans::PlanDisplay display = plans::ReadPlanForDisplay(15, PlanFamily::Alarm);
    EXPECT_EQ(display.yearFile, "kxa_15.kxh");
    EXPECT_EQ(display.weekFile, "kxa_15.kxw");  // missing: named all the same, its list empty
    EXPECT_EQ(shown(display.year), "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3|");
    EXPECT_TRUE(display.week.empty());
    EXPECT_EQ(display.type, PlanType::Offset);
}

}  // namespace
}  // namespace kx::test
