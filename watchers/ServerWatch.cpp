#include "watchers/ServerWatch.h"

#include "console/CommandIds.h"
#include "core/Autostart.h"
#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "settings/SettingsRegistry.h"
#include "watchers/WatchOrder.h"

namespace kx::watchers {

namespace {

const settings::AlarmDialogRegistration<ServerWatch> kRegistration(console::cmd::TypeServerWatch);

constexpr const char* kKeyword = "KXAPING";
constexpr Text kAddress = KX_TEXT("ServerWatch", "IP address:");
constexpr Text kComment = KX_TEXT("ServerWatch", "Comment:");
constexpr Text kAddressWords = KX_TEXT("ServerWatch", "The ip address must not contain a blank or a backslash.");

}  // namespace

ServerWatch::ServerWatch()
    : SettingsModel(kName, kTitle,
                    {
                        // The stored comment, read with the record; OK writes order() instead.
                        settings::TextField("order", "text_opt1").unlisted().notWrittenOnOk(),
                        settings::TextSetting("address", {}, {}).label(kAddress),
                        settings::TextSetting("comment", {}, {}).label(kComment),
                    })
{}

void ServerWatch::fill()
{
    const std::string& stored = value("order");
    const OrderWords words = stored.find(kKeyword) != std::string::npos ? SplitOrder(stored) : OrderWords{};
    set("address", words.target);
    set("comment", words.comment);
}

std::string ServerWatch::order() const
{
    return std::string(kKeyword) + " " + value("address") + " " + value("comment");
}

bool ServerWatch::check()
{
    const std::string& address = value("address");
    if (address.find('.') == std::string::npos || address.front() == '.' || address.size() < 7) {
        ErrorBox(str::InvalidPingAddress);
        return false;
    }
    if (HasBlankOrBackslash(address)) {
        ErrorBox(kAddressWords);
        return false;
    }
    return OrderCanBeWritten(*this, order()) && ConfirmBox(str::SavePingWatch, false, address);
}

void ServerWatch::collectRecordWrites(settings::RecordWrites& writes) const
{
    addRecordWrite(writes, "order", order());
}

void ServerWatch::afterWrite()
{
    autostart::Register(autostart::kServerWatcher);
}

}  // namespace kx::watchers
