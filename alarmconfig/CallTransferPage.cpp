#include "alarmconfig/CallTransferPage.h"

#include "alarmconfig/PageRows.h"
#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<CallTransferPage> kPage({20});

constexpr Text kTransferTo = KX_TEXT("CallTransferPage", "Transfer caller to number:");
constexpr Text kOnAnswer = KX_TEXT("CallTransferPage", "Transfer call on answer (default for Q.Sig )");
constexpr Text kBlind = KX_TEXT("CallTransferPage", "Transfer call blind ( not waiting for call-status) after ");
constexpr Text kSeconds = KX_TEXT("CallTransferPage", "seconds");
constexpr Text kRings = KX_TEXT("CallTransferPage", "Number of rings before no answer:");
constexpr Text kNoAnswerMessage = KX_TEXT("CallTransferPage", "Play message on no answer of alarm / alarm-in:");
constexpr Text kNoMessage = KX_TEXT("CallTransferPage", "Do not play a message");
constexpr Text kRetries = KX_TEXT("CallTransferPage", "Number of retries if called number did not answer:");
constexpr Text kOutdial = KX_TEXT("CallTransferPage", "Start outdial on other line and release calls after connection");
constexpr Text kNextAlarmIn = KX_TEXT("CallTransferPage", "Start new alarm-in if the maximum retires reached:");
constexpr Text kNoAlarmIn = KX_TEXT("CallTransferPage", "Do not start an alarm-in");
constexpr Text kRetriesRange = KX_TEXT("CallTransferPage", "The number of retries %1 should be between 0 and 99 !");
constexpr Text kSecondsRange =
    KX_TEXT("CallTransferPage", "The seconds before the blind transfer %1 should be between 0 and 9999 !");

constexpr int kRingsWhenNone = 8;

// The message played when nobody answers is that of an alarm or of an
// alarm-in: both lists, then "none" (0).
settings::ItemSource messageKeys()
{
    return [](CDatabase* table) {
        std::vector<settings::Option> items = settings::PageAlarmItems(false)(table);
        for (settings::Option& o : settings::AlarmInItems()(table))
            items.push_back(std::move(o));
        items.push_back({"0", kNoMessage, {}});
        return items;
    };
}

settings::ItemSource alarmInKeys()
{
    return [](CDatabase* table) {
        std::vector<settings::Option> items = settings::AlarmInItems()(table);
        items.push_back({"0", kNoAlarmIn, {}});
        return items;
    };
}

}  // namespace

CallTransferPage::CallTransferPage()
    : AlarmInPage({20}, {
                            settings::TextField("string30_1", "string30_1").label(kTransferTo),
                            RadioField("num1_1", "num1_1", {kOnAnswer, kBlind}),
                            settings::IntField("num2_1", "num2_1").label(kRings),
                            settings::KeyField("num4_1", "num4_1", messageKeys()).label(kNoAnswerMessage),
                            settings::IntField("num2_2", "num2_2").label(kRetries).range(0, 99, kRetriesRange),
                            settings::CheckField("num1_2", "num1_2").label(kOutdial),
                            settings::KeyField("num4_2", "num4_2", alarmInKeys()).label(kNextAlarmIn),
                            settings::IntField("num4_3", "num4_3")
                                .label(kSeconds)
                                .when("num1_1", {"1"})
                                .range(0, 9999, kSecondsRange),
                        })
{}

void CallTransferPage::collectRecordWrites(settings::RecordWrites& writes) const
{
    AlarmInPage::collectRecordWrites(writes);
    for (settings::RecordWrite& w : writes)
        if (w.field == "num2_1" && number("num2_1") < 1)
            w.value = std::to_string(kRingsWhenNone);
}

}  // namespace kx::alarmconfig
