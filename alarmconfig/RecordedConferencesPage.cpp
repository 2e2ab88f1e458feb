#include "alarmconfig/RecordedConferencesPage.h"

#include "alarmconfig/PageRows.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<RecordedConferencesPage> kPage({11});

constexpr Text kOfNumber = KX_TEXT("RecordedConferencesPage", "Play the conferences of a phone number to enter");
constexpr Text kOfCaller = KX_TEXT("RecordedConferencesPage", "Play the conferences of the caller");
constexpr Text kVeryLast = KX_TEXT("RecordedConferencesPage", "Play the very last conference of the system");
constexpr Text kOfDate = KX_TEXT("RecordedConferencesPage", "Play the conferences of a date and time to enter");
constexpr Text kDigits = KX_TEXT("RecordedConferencesPage", "Number of digits of the phone number to enter:");
constexpr Text kMaxConferences = KX_TEXT("RecordedConferencesPage", "Maximal number of recorded conferences to play:");
constexpr Text kShowCaller = KX_TEXT("RecordedConferencesPage", "Show the phone number of the caller, which initiated "
                                                                "the conference, on the display");

constexpr const char* kIni = "kxalarm.ini";
constexpr const char* kSection = "kxaplconf";

}  // namespace

RecordedConferencesPage::RecordedConferencesPage()
    : AlarmInPage({11}, {
                            RadioField("n_msg", "n_msg", {kOfNumber, kOfCaller, kVeryLast, kOfDate}),
                            settings::IntSetting("DigitsForPhonenbr", kIni, kSection, 4).label(kDigits),
                            settings::IntSetting("MaxLastConf", kIni, kSection, 5).label(kMaxConferences),
                            settings::CheckSetting("ShowCallerNumber", kIni, kSection, false).label(kShowCaller),
                        })
{}

}  // namespace kx::alarmconfig
