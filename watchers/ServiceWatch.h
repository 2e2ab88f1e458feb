#pragma once
// "Service and process watcher" of one alarm: the service and process
// watcher starts the alarm when a service (or a process) does not run on the
// local system or a remote one. The order is the alarm's comment,
// "KXASERVW <address>\<service> <comment>" or "KXAPROCW <address>\<process>
// <comment>" (see WatchOrder.h); the local system is "127.0.0.1". The login
// for a system is kept per address in kxaservw.ini (section = the address,
// keys login and password).
//
// Values: kind (service | process), location (local | remote; the address
// is edited only for a remote system), address, name, login, password
// (kxalarmctl shows it as '*' characters), comment. Typing an address of 7
// or more characters for which a login is stored fills login and password.
//
// OK refuses an empty name, a remote address without a "." (or beginning
// with one) or shorter than 7 characters, an address or name holding a blank
// or a backslash, and an order too long for the comment field; it then
// asks, writes the comment, login and password (a new kxaservw.ini is
// readable by owner and group only) and registers the watcher for autostart.
// A process name is cut to 15 characters. "show" lists the services or
// processes of the system in the editor (showserv.sh / showproc.sh of the
// working directory, made when missing).

#include "settings/SettingsModel.h"

namespace kx::watchers {

constexpr const char* kServiceWatchFile = "kxaservw.ini";
constexpr std::size_t kProcessNameLength = 15;

class ServiceWatch final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "service-watch";
    static constexpr Text kTitle = KX_TEXT("ServiceWatch", "Service and process watcher");
    // The sentence around the alarm key (%1).
    static constexpr Text kIntro =
        KX_TEXT("ServiceWatch", "The alarm %1 is started, if the specified service or process is not running");

    ServiceWatch();

    // The comment OK writes, and the address it stands for.
    std::string order() const;
    std::string address() const;

    // The script of "show" for the kind, made (mode 0700) when missing; its
    // path, or empty when it could not be made (with a message).
    std::string listingScript() const;

protected:
    void fill() override;
    void changed(std::string_view name) override;
    bool check() override;
    void collectRecordWrites(settings::RecordWrites& writes) const override;
    void collectWrites(settings::IniWrites& writes) const override;
    void afterWrite() override;
    void pressed(std::string_view button) override;

private:
    bool isProcess() const { return value("kind") == "process"; }
    bool isLocal() const { return value("location") == "local"; }
    std::string storedName() const;
    // Login and password stored for `address`, when a login is.
    void takeLogin(const std::string& address, std::size_t loginSize);

    std::string m_lookedUp;  // the address whose login was looked up last
};

}  // namespace kx::watchers
