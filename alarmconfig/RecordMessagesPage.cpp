#include "alarmconfig/RecordMessagesPage.h"

#include "alarmconfig/NumberPassword.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<RecordMessagesPage> kPage({2});

constexpr Text kPassword = KX_TEXT("RecordMessagesPage", "Password to record alarm messages");

}  // namespace

RecordMessagesPage::RecordMessagesPage()
    : AlarmInPage({2}, {
                           // Read as the platform reads it: as a number.
                           TextSetting("Password", "kxalarm.ini", "kxarecam", "5938").asNumber().label(kPassword),
                       })
{}

bool RecordMessagesPage::check()
{
    return CheckNumberPassword(value("Password"), ValueCaption(*row("Password")));
}

void RecordMessagesPage::collectWrites(IniWrites& writes) const
{
    AlarmInPage::collectWrites(writes);
    // The platform asks for as many digits as the password has.
    writes.push_back({"kxalarm.ini", "kxarecam", "NumberOfKeyDigits", std::to_string(value("Password").size())});
}

}  // namespace kx::alarmconfig
