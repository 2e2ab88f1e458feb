#pragma once
// The main view's two background threads: the file-watch thread, which
// reports changed tables to the view (the mailbox table's messages sent, so
// that the thread waits for each refill; the others posted), and the
// deactivation timer. Neither touches a widget: their messages reach the
// view on the user-interface thread.
//
// The threads are stopped when the window closes: the run flag is cleared,
// their pauses are cut short and they are joined while the view goes on
// handling the messages they may still be sending.

#include "core/FileWatch.h"
#include "core/ThreadPause.h"
#include "core/ViewMessages.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace kx::ui {

// Delivers the threads' messages to a handler on the user-interface thread.
class ViewMessageBridge final : public ViewMessenger {
public:
    ViewMessageBridge(QObject* view, std::function<void(ViewMessage)> handler);
    void send(ViewMessage message) override;
    void post(ViewMessage message) override;
    // After this no message is delivered any more.
    void disconnect();

private:
    void deliver(ViewMessage message, bool waitForTheView);

    QPointer<QObject> m_view;
    std::function<void(ViewMessage)> m_handler;
    std::atomic<bool> m_connected{true};
};

class BackgroundThreads {
public:
    BackgroundThreads() = default;
    ~BackgroundThreads();
    BackgroundThreads(const BackgroundThreads&) = delete;
    BackgroundThreads& operator=(const BackgroundThreads&) = delete;

    // Starts the file-watch thread on `paths`, then the deactivation timer.
    void start(const FileWatch::Paths& paths, ViewMessageBridge* bridge, int enableAlarmDeactivation,
               const std::string& mailboxTablePath);
    // Stops and joins both threads, handling the view's pending messages meanwhile.
    void stop();
    bool running() const { return m_running.load(); }

private:
    std::atomic<bool> m_running{false};
    std::shared_ptr<ThreadPause> m_pause = std::make_shared<ThreadPause>();
    ViewMessageBridge* m_bridge = nullptr;
    std::thread m_fileWatch;
    std::thread m_timer;
};

}  // namespace kx::ui
