#include "alarmconfig/ConferencePoolPage.h"

#include "alarmconfig/PageRows.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <cstdlib>

namespace kx::alarmconfig {

namespace {

const PageRegistration<ConferencePoolPage> kPage({ConferencePoolPage::kFunction});

constexpr Text kPassword = KX_TEXT("ConferencePoolPage", "Password to join conference pool:");
constexpr Text kNumberByPin =
    KX_TEXT("ConferencePoolPage", "Get conference number from inifile specified by the entered 4 digit pin code ");
constexpr Text kNumberFixed =
    KX_TEXT("ConferencePoolPage", "The conference number is defined fix to the alarm-in number");
constexpr Text kPoolNumber = KX_TEXT("ConferencePoolPage", "Add caller to conference pool number:");
constexpr Text kFirstNumber = KX_TEXT("ConferencePoolPage", "First conference number:");
constexpr Text kLastNumber = KX_TEXT("ConferencePoolPage", "Last conference number:");
constexpr Text kEditPins = KX_TEXT("ConferencePoolPage", "Edit pin codes");
constexpr Text kNumberRange = KX_TEXT("ConferencePoolPage", "The conference number %1 should be between 1 and 9999 !");
constexpr Text kRangeReversed =
    KX_TEXT("ConferencePoolPage", "The first conference number %1 is above the last conference number %2 !");
constexpr Text kPasswordDigits =
    KX_TEXT("ConferencePoolPage", "The password to join the conference pool must be a number without a leading "
                                  "zero.");

constexpr const char* kPoolNumberField = "T21";  // type_msg

settings::SettingRow poolNumberRow()
{
    // Read-only: written by collectRecordWrites().
    settings::SettingRow row = settings::DisplayValue("type_msg", kPoolNumber);
    row.field = "type_msg";
    return row;
}

long numberIn(CDatabase& table, const char* field)
{
    std::string text;
    table.Read(field, text);
    return std::strtol(text.c_str(), nullptr, 10);
}

}  // namespace

ConferencePoolPage::ConferencePoolPage()
    : AlarmInPage({kFunction}, {
                                   settings::TextField("pwd", "pwd").label(kPassword),
                                   RadioField("type_alt", "type_alt", {kNumberByPin, kNumberFixed}),
                                   poolNumberRow(),
                                   settings::IntSetting("FirstConferenceNbr", kIni, "Config", 1)
                                       .label(kFirstNumber)
                                       .range(1, 9999, kNumberRange),
                                   settings::IntSetting("LastConferenceNbr", kIni, "Config", 99)
                                       .label(kLastNumber)
                                       .range(1, 9999, kNumberRange),
                                   settings::ButtonRow("pins", kEditPins),
                               })
{}

long ConferencePoolPage::NextPoolNumber(CDatabase& table)
{
    const config::KeyRanges ranges = config::ReadKeyRanges();
    const long lastInTable = static_cast<long>(table.RecCount()) - 1;
    long highest = 0;
    for (long key = std::max<long>(ranges.firstAlarmInKey, 0); key <= ranges.lastAlarmInKey && key <= lastInTable;
         ++key) {
        table.Go(mailbox::RecordOfKey(key));
        std::string status;
        table.Read(mailbox::field::Status, status);
        if (mailbox::KindOfStatus(status) == mailbox::KeyKind::AlarmIn &&
            numberIn(table, mailbox::field::GroupOrFunction) == kFunction)
            highest = std::max(highest, numberIn(table, kPoolNumberField));
    }
    return highest + 1;
}

void ConferencePoolPage::fill()
{
    if (number("type_msg") <= 0 && table())
        set("type_msg", std::to_string(NextPoolNumber(*table())));
}

bool ConferencePoolPage::check()
{
    if (!value("pwd").empty() && !IsPlainNumber(value("pwd"))) {
        ErrorBox(kPasswordDigits);
        return false;
    }
    if (number("FirstConferenceNbr") > number("LastConferenceNbr")) {
        ErrorBox(kRangeReversed, value("FirstConferenceNbr"), value("LastConferenceNbr"));
        return false;
    }
    return true;
}

void ConferencePoolPage::collectRecordWrites(settings::RecordWrites& writes) const
{
    AlarmInPage::collectRecordWrites(writes);
    CDatabase* db = table();
    if (!db || !recordLoaded())
        return;
    // The number the record holds now, if it is a pool alarm-in with one;
    // else the next free one at this moment.
    db->Go(mailbox::RecordOfKey(key()));
    long poolNumber = numberIn(*db, mailbox::field::GroupOrFunction) == kFunction ? numberIn(*db, kPoolNumberField) : 0;
    if (poolNumber <= 0)
        poolNumber = NextPoolNumber(*db);
    addRecordWrite(writes, "type_msg", std::to_string(poolNumber));
}

bool ConferencePoolPage::afterSave()
{
    // Show the number that was written.
    if (CDatabase* db = table(); db && recordLoaded()) {
        db->Go(mailbox::RecordOfKey(key()));
        set("type_msg", std::to_string(numberIn(*db, kPoolNumberField)));
        saved();
    }
    return true;
}

}  // namespace kx::alarmconfig
