#include "settings/CallHandlingSettings.h"

#include "console/CommandIds.h"
#include "platform/Profile.h"
#include "settings/PostQueues.h"
#include "settings/SettingsRegistry.h"

#include <array>

namespace kx::settings {

namespace {

const Registration<CallHandlingSettings> kRegistration(console::cmd::CallHandlingSettings);

constexpr Text kRepostOnIsdnError =
    KX_TEXT("CallHandlingSettings", "Repost dial-job if a ISDN error occured (ISDN link down).");
constexpr Text kMaxTriesOnIsdnError =
    KX_TEXT("CallHandlingSettings", "Maximum repetition per call if an error occured");
constexpr Text kRepostQueue = KX_TEXT("CallHandlingSettings", "Repost job if an error occured in ");
constexpr Text kRepostQueue1 = KX_TEXT("CallHandlingSettings", "Repost job if an error occured on line 1 to 30 in");
constexpr Text kRepostQueue2 = KX_TEXT("CallHandlingSettings", "Repost job if an error occured on line 31 to 60 in");
constexpr Text kRepostQueue3 = KX_TEXT("CallHandlingSettings", "Repost job if an error occured on line 61 to 90 in");
constexpr Text kDialAgainIfBusy = KX_TEXT(
    "CallHandlingSettings",
    "Repost dial-job if dialed number was busy. With a ISDN link, busy is not always signaled. In that case use "
    "the call handling function which checks the time used for dialing.");
constexpr Text kMaxTriesIfBusy =
    KX_TEXT("CallHandlingSettings", "Maximum repetition per call if dialed number was busy");
constexpr Text kBusyQueue = KX_TEXT("CallHandlingSettings", "Repost job in a different queue.  Repost in");
constexpr Text kDialAgainDiffTime =
    KX_TEXT("CallHandlingSettings", "Repost dial-job if the used time for dialing was shorter then the specified "
                                    "minimum time needed to dial a number which does not answer.");
constexpr Text kMaxTriesOnDiffTime =
    KX_TEXT("CallHandlingSettings", "Maximum repetition per call if time was too long");
constexpr Text kMaxDiffTime = KX_TEXT("CallHandlingSettings", "Minimum time for dialing a number in seconds");

constexpr const char* kIni = "kxalarm.ini";
constexpr const char* kSection = "kxadlko";

// The queue options in the order OK writes them, with what enables them.
struct QueueOption {
    const char* key;
    Text label;
    const char* enabledBy;
};
constexpr std::array<QueueOption, 5> kQueueOptions = {{
    {"RepostOnOtherQueueOnISDNError", kRepostQueue, "CheckKxt_st"},
    {"OnISDNErrorPri1RepostOnQueue", kRepostQueue1, "CheckKxt_st"},
    {"OnISDNErrorPri2RepostOnQueue", kRepostQueue2, "CheckKxt_st"},
    {"OnISDNErrorPri3RepostOnQueue", kRepostQueue3, "CheckKxt_st"},
    {"BusyInQueue", kBusyQueue, "DialAgainIfBusy"},
}};

std::string boxOf(const std::string& key)
{
    return key + "Box";
}

std::string listOf(const std::string& key)
{
    return key + "List";
}

// One queue option: its check box, its list (both bound to the window's
// controls), and the key's name for kxalarmctl.
void addQueueOption(std::vector<SettingRow>& rows, const QueueOption& o)
{
    const std::string key = o.key;
    const std::string box = boxOf(key);
    const std::string list = listOf(key);
    // The key is the option: any stored text sets the box.
    rows.push_back(CheckSetting(box, kIni, kSection, false)
                       .label(o.label)
                       .when(o.enabledBy)
                       .unlisted()
                       .notWrittenOnOk()
                       .readBy([key](const SettingRow&) {
                           return std::string(ProfileString(kIni, kSection, key, "", 20).empty() ? "0" : "1");
                       }));
    rows.push_back(ListSetting(list, kIni, kSection, "", {})
                       .at(kIni, kSection, key)
                       .buffer(20)
                       .itemsFrom(PostQueueSource())
                       .label(o.label)
                       .when(box)
                       .unlisted());
    rows.push_back(ViewValue(
                       key, [box, list](const SettingsModel& m) { return m.isOn(box) ? m.value(list) : std::string(); },
                       [box, list](SettingsModel& m, std::string_view text) {
                           if (text.empty())
                               return m.change(box, "0");
                           const Change on = m.change(box, "1");
                           return on == Change::Done ? m.change(list, text) : on;
                       })
                       .when(o.enabledBy));
}

std::vector<SettingRow> callHandlingRows()
{
    std::vector<SettingRow> rows;
    rows.push_back(CheckSetting("CheckKxt_st", kIni, kSection, false).label(kRepostOnIsdnError));
    rows.push_back(
        IntSetting("MaxTriesOnISDNError", kIni, kSection, 5).label(kMaxTriesOnIsdnError).when("CheckKxt_st"));
    for (std::size_t i = 0; i < 4; ++i)
        addQueueOption(rows, kQueueOptions[i]);
    rows.push_back(CheckSetting("DialAgainIfBusy", kIni, kSection, false).label(kDialAgainIfBusy));
    rows.push_back(IntSetting("MaxTriesIfBusy", kIni, kSection, 5).label(kMaxTriesIfBusy).when("DialAgainIfBusy"));
    addQueueOption(rows, kQueueOptions[4]);
    rows.push_back(CheckSetting("DialAgainIfNoAnsDiffTime", kIni, kSection, false).label(kDialAgainDiffTime));
    rows.push_back(IntSetting("MaxTriesOnDiffTime", kIni, kSection, 5)
                       .label(kMaxTriesOnDiffTime)
                       .when("DialAgainIfNoAnsDiffTime"));
    rows.push_back(
        IntSetting("MaxDiffTimeInSec", kIni, kSection, 10).label(kMaxDiffTime).when("DialAgainIfNoAnsDiffTime"));
    return rows;
}

// The queue a stored or chosen value names, or -1 when it names none of 0 to 9.
long queueOf(const std::string& value)
{
    if (value.size() != 1 || value[0] < '0' || value[0] > '9')
        return -1;
    return value[0] - '0';
}

}  // namespace

CallHandlingSettings::CallHandlingSettings() : SettingsModel(kName, kTitle, callHandlingRows()) {}

bool CallHandlingSettings::check()
{
    // Every question before anything is written; a queue table that is
    // there but does not open stops OK.
    PostQueueCheck queues;
    for (const QueueOption& o : kQueueOptions)
        if (isOn(boxOf(o.key)) && !queues.ask(queueOf(value(listOf(o.key)))))
            return false;
    queues.createAgreed();
    m_queueWrites.clear();
    for (const QueueOption& o : kQueueOptions) {
        const std::string& chosen = value(listOf(o.key));
        const long queue = queueOf(chosen);
        if (!isOn(boxOf(o.key)))
            m_queueWrites.emplace_back();
        else if (queue < 0)
            m_queueWrites.push_back(chosen);  // a stored value the list cannot show stays as it is
        else
            m_queueWrites.push_back(queues.allowed(queue) ? chosen : std::string());
    }
    return true;
}

void CallHandlingSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"CheckKxt_st", "DialAgainIfBusy", "DialAgainIfNoAnsDiffTime"})
        addWrite(writes, name);
    for (std::size_t i = 0; i < kQueueOptions.size(); ++i)
        addWrite(writes, listOf(kQueueOptions[i].key),
                 i < m_queueWrites.size()            ? m_queueWrites[i]
                 : isOn(boxOf(kQueueOptions[i].key)) ? value(listOf(kQueueOptions[i].key))
                                                     : std::string());
    for (const char* name : {"MaxTriesOnISDNError", "MaxTriesIfBusy", "MaxTriesOnDiffTime", "MaxDiffTimeInSec"})
        addWrite(writes, name);
}

}  // namespace kx::settings
