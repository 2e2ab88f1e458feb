#include "alarmconfig/RecordFaxPage.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<RecordFaxPage> kPage({7});

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxarecfx";

constexpr Text kPassword = KX_TEXT("RecordFaxPage", "Password to record fax messages:");
constexpr Text kSendBack = KX_TEXT("RecordFaxPage", "Send the recorded fax message for verification to the number ");

}  // namespace

RecordFaxPage::RecordFaxPage()
    : AlarmInPage({7}, {
                           TextSetting("Password", kFile, kSection, "5938").label(kPassword),
                           CheckSetting("SendBack", kFile, kSection, false).label(kSendBack),
                           TextSetting("SendBackNumber", kFile, kSection).when("SendBack").label(kSendBack),
                       })
{}

}  // namespace kx::alarmconfig
