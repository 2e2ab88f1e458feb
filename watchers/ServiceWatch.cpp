#include "watchers/ServiceWatch.h"

#include "console/CommandIds.h"
#include "core/Autostart.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/ProgramLauncher.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"
#include "watchers/WatchOrder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kx::watchers {

namespace {

const settings::AlarmDialogRegistration<ServiceWatch> kRegistration(console::cmd::TypeServiceWatch);

constexpr const char* kServiceKeyword = "KXASERVW";
constexpr const char* kProcessKeyword = "KXAPROCW";
constexpr const char* kLocalAddress = "127.0.0.1";
// A login is looked up while the address is typed once it has this many characters.
constexpr std::size_t kShortestAddress = 7;
constexpr std::size_t kLoginLookupSize = 41;

constexpr Text kService = KX_TEXT("ServiceWatch", "Service");
constexpr Text kProcess = KX_TEXT("ServiceWatch", "Process");
constexpr Text kRemote = KX_TEXT("ServiceWatch", "Remote system");
constexpr Text kLocal = KX_TEXT("ServiceWatch", "Local system");
constexpr Text kAddress = KX_TEXT("ServiceWatch", "IP address:");
constexpr Text kLogin = KX_TEXT("ServiceWatch", "Login:");
constexpr Text kPassword = KX_TEXT("ServiceWatch", "Password:");
constexpr Text kComment = KX_TEXT("ServiceWatch", "Comment:");
constexpr Text kShow = KX_TEXT("ServiceWatch", "Show services or processes");
constexpr Text kAddressWords = KX_TEXT("ServiceWatch", "The ip address must not contain a blank or a backslash.");
constexpr Text kNameWords =
    KX_TEXT("ServiceWatch", "The name of the service or process must not contain a blank or a backslash.");
constexpr Text kScriptNotMade = KX_TEXT("ServiceWatch", "The script %1 could not be created:\n%2");

bool validRemoteAddress(const std::string& address)
{
    return address.find('.') != std::string::npos && address.front() != '.' && address.size() >= kShortestAddress;
}

// The listing script of a kind: it lists into `list` with `command`, on
// this system for 127.0.0.1, else through ssh, and opens the list in the
// editor. The address and the login are its arguments; the password comes
// in KX_WATCH_PASSWORD and reaches ssh through SSH_ASKPASS, which is the
// script itself, so it is never written to a file or a command line.
std::string scriptText(const char* list, const char* command)
{
    return std::string("#!/bin/sh\n"
                       "# Lists into ") +
           list +
           " what runs on the system at the address $1 (127.0.0.1: this one)\n"
           "# and opens the list in the editor. $2 is the login of a remote system;\n"
           "# its password comes in KX_WATCH_PASSWORD.\n"
           "if [ -n \"$KX_WATCH_ASKPASS\" ]; then\n"
           "    printf '%s\\n' \"$KX_WATCH_PASSWORD\"\n"
           "    exit 0\n"
           "fi\n"
           "list=\"" +
           list +
           "\"\n"
           "address=\"$1\"\n"
           "login=\"$2\"\n"
           "rm -f -- \"$list\"\n"
           "if [ \"$address\" = \"127.0.0.1\" ]; then\n"
           "    " +
           command +
           " >\"$list\" 2>&1\n"
           "else\n"
           "    case \"$0\" in\n"
           "    /*) self=\"$0\" ;;\n"
           "    *) self=\"$(pwd)/$0\" ;;\n"
           "    esac\n"
           "    set -- -- \"$address\"\n"
           "    if [ -n \"$login\" ]; then set -- -l \"$login\" \"$@\"; fi\n"
           "    KX_WATCH_ASKPASS=1 SSH_ASKPASS=\"$self\" SSH_ASKPASS_REQUIRE=force \\\n"
           "        ssh \"$@\" " +
           command +
           " >\"$list\" 2>&1 </dev/null\n"
           "fi\n"
           "# The editor as the console starts it: KX_EDITOR, else VISUAL, else\n"
           "# xdg-open, split at blanks.\n"
           "set -f\n"
           "${KX_EDITOR:-${VISUAL:-xdg-open}} \"$list\"\n";
}

// Creates `path` with `mode` whatever the umask; false when it exists or
// cannot be made (errno tells).
bool createFile(const std::string& path, mode_t mode, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0)
        return false;
    bool written = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    const int err = errno;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(path.c_str());  // no half-written file stays behind
        errno = err;
    }
    return written;
}

}  // namespace

ServiceWatch::ServiceWatch()
    : SettingsModel(
          kName, kTitle,
          {
              // The stored comment, read with the record; OK writes order() instead.
              settings::TextField("order", "text_opt1").unlisted().notWrittenOnOk(),
              settings::RadioSetting("kind", {}, {}, {}, {{"service", kService, {}}, {"process", kProcess, {}}}),
              settings::RadioSetting("location", {}, {}, {}, {{"remote", kRemote, {}}, {"local", kLocal, {}}}),
              settings::TextSetting("address", {}, {}).label(kAddress).when("location", {"remote"}),
              settings::TextSetting("name", {}, {}),
              settings::TextSetting("login", {}, {}).label(kLogin),
              settings::TextSetting("password", {}, {}).label(kPassword).password(),
              settings::TextSetting("comment", {}, {}).label(kComment),
              settings::ButtonRow("show", kShow),
          })
{}

void ServiceWatch::fill()
{
    const OrderWords words = SplitOrder(value("order"));
    const std::size_t slash = words.target.find('\\');
    const std::string address = words.target.substr(0, slash);
    if (!words.keyword.empty()) {
        set("kind", words.keyword.find(kProcessKeyword) != std::string::npos ? "process" : "service");
        set("location", address.find(kLocalAddress) != std::string::npos ? "local" : "remote");
    }
    set("address", address);
    set("name", slash == std::string::npos ? std::string() : words.target.substr(slash + 1));
    set("comment", words.comment);
    set("login", {});
    set("password", {});
    takeLogin(address, 256);
    m_lookedUp = address;
}

void ServiceWatch::takeLogin(const std::string& address, std::size_t loginSize)
{
    if (address.empty())
        return;
    const std::string login = ProfileString(kServiceWatchFile, address, "login", "", loginSize);
    if (login.empty())
        return;
    set("login", login);
    set("password", ProfileString(kServiceWatchFile, address, "password", "", 256));
}

void ServiceWatch::changed(std::string_view name)
{
    // Each new address of 7 or more characters brings its stored login; the
    // same address again (the dialog commits what was typed) keeps what the
    // operator typed since.
    const std::string& address = value("address");
    if (name != "address" || address == m_lookedUp)
        return;
    m_lookedUp = address;
    if (address.size() >= kShortestAddress)
        takeLogin(address, kLoginLookupSize);
}

std::string ServiceWatch::address() const
{
    return isLocal() ? kLocalAddress : value("address");
}

std::string ServiceWatch::storedName() const
{
    const std::string& name = value("name");
    return isProcess() ? name.substr(0, kProcessNameLength) : name;
}

std::string ServiceWatch::order() const
{
    return std::string(isProcess() ? kProcessKeyword : kServiceKeyword) + " " + address() + "\\" + storedName() + " " +
           value("comment");
}

bool ServiceWatch::check()
{
    if (value("name").empty()) {
        ErrorBox(str::NoServiceOrProcess);
        return false;
    }
    if (!isLocal() && !validRemoteAddress(value("address"))) {
        ErrorBox(str::InvalidRemoteAddress);
        return false;
    }
    if (HasBlankOrBackslash(address())) {
        ErrorBox(kAddressWords);
        return false;
    }
    if (HasBlankOrBackslash(storedName())) {
        ErrorBox(kNameWords);
        return false;
    }
    if (!OrderCanBeWritten(*this, order()))
        return false;
    const std::string where = isLocal() ? Utf8ToCp1252Lossy(LoadString(str::LocalSystem)) : address();
    if (!ConfirmBox(isProcess() ? str::SaveProcessWatch : str::SaveServiceWatch, false, where))
        return false;
    // The file holds passwords and the watcher may run as another user of
    // the group: a new one is readable by owner and group only (an existing
    // one keeps its mode through the write).
    createFile(SitePaths::profileFile(kServiceWatchFile), 0640, {});
    return true;
}

void ServiceWatch::collectRecordWrites(settings::RecordWrites& writes) const
{
    addRecordWrite(writes, "order", order());
}

void ServiceWatch::collectWrites(settings::IniWrites& writes) const
{
    writes.push_back({kServiceWatchFile, address(), "login", value("login")});
    writes.push_back({kServiceWatchFile, address(), "password", value("password")});
}

void ServiceWatch::afterWrite()
{
    autostart::Register(autostart::kServiceWatcher);
}

std::string ServiceWatch::listingScript() const
{
    const bool process = isProcess();
    const std::string path = SitePaths::workingDirectory() + (process ? "/showproc.sh" : "/showserv.sh");
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0)
        return path;  // used as it is
    const std::string text = process ? scriptText("showproc.txt", "ps -e")
                                     : scriptText("showserv.txt", "systemctl list-units --type=service --all");
    if (!createFile(path, 0700, text)) {
        ErrorBox(kScriptNotMade, path, std::strerror(errno));
        return {};
    }
    return path;
}

void ServiceWatch::pressed(std::string_view button)
{
    if (button != "show")
        return;
    const std::string script = listingScript();
    if (script.empty()) {
        pressFailed();
        return;
    }
    CommandLine line;
    line.arg(script.substr(script.rfind('/')).insert(0, ".")).arg(address()).arg(value("login"));
    line.environment("KX_WATCH_PASSWORD", value("password"));
    if (!settings::StartReported(line))
        pressFailed();
}

}  // namespace kx::watchers
