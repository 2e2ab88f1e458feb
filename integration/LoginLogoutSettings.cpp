#include "integration/LoginLogoutSettings.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace kx::integration {

namespace {

using namespace settings;

const Registration<LoginLogoutSettings> kRegistration(console::cmd::LoginLogoutSettings);

constexpr const char* kLogoutFile = "kxalogout.ini";
constexpr const char* kLogoutSection = "LogedOut";

constexpr Text kCheckPerson = KX_TEXT("LoginLogoutSettings", "Activate login / logout function. Only phonenumbers "
                                                             "which are logged in are called.");
constexpr Text kLoggedOut = KX_TEXT("LoginLogoutSettings", "Logged out phonenumbers:");
constexpr Text kNumber = KX_TEXT("LoginLogoutSettings", "Phonenumber:");
constexpr Text kLogin = KX_TEXT("LoginLogoutSettings", "Login");
constexpr Text kLogout = KX_TEXT("LoginLogoutSettings", "Logout");
constexpr Text kBadNumber =
    KX_TEXT("LoginLogoutSettings", "The phonenumber \"%1\" cannot be logged out: it must not begin or end with a "
                                   "blank nor contain \"=\", \";\", \"[\", \"]\" or a line break.");
constexpr Text kNotWritten = KX_TEXT("LoginLogoutSettings", "The file %1 could not be written: %2");

}  // namespace

LoginLogoutSettings::LoginLogoutSettings()
    : SettingsModel(kName, kTitle,
                    {
                        CheckSetting("CheckPerson", "kxalarm.ini", "kxachktn", false).label(kCheckPerson),
                        ListSetting("selected", {}, {}, {}, {}).label(kLoggedOut).when("CheckPerson").notWrittenOnOk(),
                        ViewValue(
                            "LoggedOut",
                            [](const SettingsModel& m) {
                                std::string joined;
                                for (const Option& o : m.options("selected"))
                                    joined += (joined.empty() ? "" : ",") + o.token;
                                return joined;
                            },
                            [](SettingsModel&, std::string_view) { return Change::ReadOnly; }),
                        TextSetting("number", {}, {}).label(kNumber).when("CheckPerson").notWrittenOnOk(),
                        ButtonRow("login", kLogin).when("CheckPerson"),
                        ButtonRow("logout", kLogout).when("CheckPerson"),
                    })
{}

std::vector<std::string> LoginLogoutSettings::LoggedOutNumbers()
{
    std::vector<std::string> numbers;
    const ProfileValues values = ProfileSectionValues(kLogoutFile, kLogoutSection);
    for (const std::string& key : ProfileKeyNames(kLogoutFile, kLogoutSection))
        if (values.value(key) == "1" && std::find(numbers.begin(), numbers.end(), key) == numbers.end())
            numbers.push_back(key);
    return numbers;
}

void LoginLogoutSettings::fill()
{
    std::vector<Option> items;
    for (const std::string& number : LoggedOutNumbers())
        items.push_back({number, {}, number});
    setOptions("selected", std::move(items));
}

void LoginLogoutSettings::pressed(std::string_view button)
{
    if (button == "login") {
        if (!value("selected").empty())
            writeState(value("selected"), "0");
        return;
    }
    if (button != "logout" || value("number").empty())
        return;
    // The number becomes a key of the file: outer blanks would be lost, and
    // these characters would end the key, start a comment or a section.
    const std::string& number = value("number");
    if (number.front() == ' ' || number.front() == '\t' || number.back() == ' ' || number.back() == '\t' ||
        number.find_first_of("=;[]\r\n") != std::string::npos) {
        ErrorBox(kBadNumber, number);
        return;
    }
    writeState(number, "1");
}

void LoginLogoutSettings::writeState(const std::string& number, const char* state)
{
    if (!WriteProfileString(kLogoutFile, kLogoutSection, number, state))
        ErrorBox(kNotWritten, kLogoutFile, ProfileLastError());
    fill();
    set("selected", "");
}

}  // namespace kx::integration
