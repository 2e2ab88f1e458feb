#include "integration/IncomingCallSettings.h"

#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "settings/ItemSources.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>
#include <cstdlib>

namespace kx::integration {

namespace {

using namespace settings;

const Registration<IncomingCallSettings> kRegistration(console::cmd::IncomingCallSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxastart";
constexpr const char* kLineTable = "\\kxt\\kxtini.dbf";
constexpr std::size_t kModuleBuffer = 80;
constexpr std::size_t kCommentBuffer = 512;
// A default alarm-in below this means "start the module instead".
constexpr long kLowestAlarmIn = 10;
constexpr const char* kDefaultAlarmIn = "1999";

constexpr Text kStartWhat = KX_TEXT("IncomingCallSettings", "Start if dialed DDI is not a alarm-in status");
constexpr Text kStartAlarmIn = KX_TEXT("IncomingCallSettings", "Default alarm-in");
constexpr Text kStartModule = KX_TEXT("IncomingCallSettings", "Start KXE module");
constexpr Text kSpecProg =
    KX_TEXT("IncomingCallSettings", "Start optional KXE module first for specific configuration ( DDI conversion ) ");
constexpr Text kComment = KX_TEXT("IncomingCallSettings", "Comment:");
constexpr Text kShowMessage =
    KX_TEXT("IncomingCallSettings", "Show message on display for incoming calls (rings have to be set to -1)");
constexpr Text kCommentSeparator =
    KX_TEXT("IncomingCallSettings", "The comment must not contain the character \"|\" "
                                    "or the broken bar: they stand for its line breaks.");
constexpr Text kCommentTooLong = KX_TEXT("IncomingCallSettings", "The comment may hold at most %1 characters.");
constexpr Text kLineTableNotOpened =
    KX_TEXT("IncomingCallSettings", "The line table %1 could not be opened (%2), so the rings setting of the lines "
                                    "could not be checked. The setting is saved.");
// The start module reads this text, whatever the console's language.
constexpr Text kNoModule = KX_TEXT("Messages", "No module started");

// The script modules by the name up to their first ".".
std::vector<Option> moduleNames()
{
    std::vector<Option> items;
    for (const Option& file : ModuleItems()(nullptr)) {
        const std::string name = file.token.substr(0, file.token.find('.'));
        if (std::none_of(items.begin(), items.end(), [&](const Option& o) { return o.token == name; }))
            items.push_back({name, {}, name});
    }
    return items;
}

// The alarms-in of FirstAlarmInKey (1000) to LastAlarmInKey as "%d %s", an
// alarm-in without comment named by its function.
ItemSource alarmInItems()
{
    return [all = AlarmInItems()](CDatabase* table) {
        const long first = ProfileNumber(kFile, "config", "FirstAlarmInKey", 1000);
        std::vector<Option> items;
        for (Option& item : all(table)) {
            const long key = std::strtol(item.token.c_str(), nullptr, 10);
            if (key < first)
                continue;
            if (item.text.size() == item.token.size() + 1) {  // "<key> " and no comment
                std::string function;
                table->Go(mailbox::RecordOfKey(key));
                table->Read(mailbox::field::GroupOrFunction, function);
                item.text += Utf8ToCp1252Lossy(mailbox::AlarmInFunctionName(std::atoi(function.c_str())));
            }
            items.push_back(std::move(item));
        }
        return items;
    };
}

std::vector<SettingRow> incomingRows()
{
    return {
        RadioSetting("StartWith", {}, {}, "alarm-in", {{"alarm-in", kStartAlarmIn, {}}, {"module", kStartModule, {}}})
            .label(kStartWhat)
            .notWrittenOnOk(),
        ListSetting("DefaultAlarmIn", kFile, kSection, kDefaultAlarmIn, {})
            .asNumber()
            .label(kStartAlarmIn)
            .itemsFrom(alarmInItems())
            .when("StartWith", {"alarm-in"}),
        ListSetting("VMStartProg", kFile, kSection, {}, {})
            .buffer(kModuleBuffer)
            .label(kStartModule)
            .itemsFrom([](CDatabase*) {
                std::vector<Option> items = moduleNames();
                items.insert(items.begin(), Option{kNoModule.source, kNoModule, {}});
                return items;
            })
            .when("StartWith", {"module"})
            .readBy([](const SettingRow& row) {
                const std::string stored = ProfileString(row.file, row.section, row.key, "", row.bufferSize);
                return stored.empty() ? std::string(kNoModule.source) : stored;
            }),
        CheckSetting("RunSpecProg", {}, {}, false).label(kSpecProg).notWrittenOnOk(),
        ListSetting("SpecProg", kFile, kSection, {}, {})
            .buffer(kModuleBuffer)
            .label(kSpecProg)
            .itemsFrom([](CDatabase*) { return moduleNames(); })
            .when("RunSpecProg"),
        TextSetting("SpecProgComment", kFile, kSection, {}, kCommentBuffer)
            .label(kComment)
            .when("RunSpecProg")
            .readBy([](const SettingRow& row) {
                return IncomingCallSettings::DecodeComment(
                    ProfileString(row.file, row.section, row.key, "", row.bufferSize));
            })
            // kxalarmctl shows and takes the comment as it is stored.
            .shownAs(
                [](const SettingsModel& m) { return IncomingCallSettings::EncodeComment(m.value("SpecProgComment")); },
                [](SettingsModel& m, std::string_view text) {
                    return m.change("SpecProgComment", IncomingCallSettings::DecodeComment(text));
                }),
        ViewValue(
            "E1Protocol", [](const SettingsModel& m) { return m.value("E1Protocol"); },
            [](SettingsModel&, std::string_view) { return Change::ReadOnly; }),
        CheckSetting("ShowMsgOnIncoming", kFile, kSection, false).label(kShowMessage).when("E1Protocol", {"QSIG"}),
    };
}

}  // namespace

IncomingCallSettings::IncomingCallSettings() : SettingsModel(kName, kTitle, incomingRows()) {}

std::string IncomingCallSettings::EncodeComment(std::string_view lines)
{
    std::string stored(lines);
    for (char& c : stored)
        c = c == '\r' ? '|' : c == '\n' ? '\xA6' : c;
    return stored;
}

std::string IncomingCallSettings::DecodeComment(std::string_view stored)
{
    std::string lines(stored);
    for (char& c : lines)
        c = c == '|' ? '\r' : c == '\xA6' ? '\n' : c;
    return lines;
}

Change IncomingCallSettings::change(std::string_view name, std::string_view input)
{
    if (name != "SpecProgComment")
        return SettingsModel::change(name, input);
    if (!isEnabled(name))
        return Change::Disabled;
    // Either character would come back as a line break.
    if (input.find_first_of("|\xA6") != std::string_view::npos) {
        ErrorBox(kCommentSeparator);
        return Change::Refused;
    }
    if (input.size() >= kCommentBuffer || input.find('\0') != std::string_view::npos) {
        ErrorBox(kCommentTooLong, std::to_string(kCommentBuffer - 1));
        return Change::Refused;
    }
    set(name, std::string(input));
    applyRules();
    return Change::Done;
}

void IncomingCallSettings::fill()
{
    set("StartWith", number("DefaultAlarmIn") < kLowestAlarmIn ? "module" : "alarm-in");
    const SettingRow* firstModule = row("SpecProg");
    set("RunSpecProg", firstModule->option(value("SpecProg")) ? "1" : "0");
    const std::string protocol = ProfileString("kxt.ini", "D300", "E1Protocol", "");
    set("E1Protocol", protocol);
    // Only lines on QSIG show the message; otherwise the box is cleared.
    if (protocol != "QSIG")
        set("ShowMsgOnIncoming", "0");
}

void IncomingCallSettings::changed(std::string_view name)
{
    if (name == "StartWith" && value("StartWith") == "alarm-in")
        set("DefaultAlarmIn", kDefaultAlarmIn);
    // Ticking the box offers a module at once rather than a stored name that is none.
    if (name == "RunSpecProg" && isOn("RunSpecProg") && !row("SpecProg")->option(value("SpecProg"))) {
        const std::vector<Option>& modules = options("SpecProg");
        set("SpecProg", modules.empty() ? std::string() : modules.front().token);
    }
}

void IncomingCallSettings::collectWrites(IniWrites& writes) const
{
    const bool module = value("StartWith") == "module";
    addWrite(writes, "VMStartProg", module ? value("VMStartProg") : std::string());
    addWrite(writes, "DefaultAlarmIn", module ? "0" : value("DefaultAlarmIn"));
    addWrite(writes, "SpecProg", isOn("RunSpecProg") ? value("SpecProg") : std::string());
    addWrite(writes, "SpecProgComment", EncodeComment(value("SpecProgComment")));
    addWrite(writes, "ShowMsgOnIncoming");
}

void IncomingCallSettings::afterWrite()
{
    if (!isOn("ShowMsgOnIncoming"))
        return;
    CDatabase lines;
    lines.SetQuiet(true);
    if (!lines.Open(kLineTable)) {
        ErrorBox(kLineTableNotOpened, kLineTable, CDatabase::LastError());
        return;
    }
    ScopedClose closer(lines);
    std::string rings;
    if (lines.RecCount() >= 1) {
        lines.Go(1);
        lines.Read("T16", rings);
    }
    rings.erase(0, rings.find_first_not_of(' '));
    if (rings != "-1")
        ErrorBox(str::IncomingMessageNeedsRings);
}

}  // namespace kx::integration
