#include "console/ui/BackgroundThreads.h"

#include "console/Deactivation.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <chrono>

namespace kx::ui {

ViewMessageBridge::ViewMessageBridge(QObject* view, std::function<void(ViewMessage)> handler)
    : m_view(view),
      m_handler(std::move(handler))
{}

void ViewMessageBridge::send(ViewMessage message)
{
    deliver(message, true);
}

void ViewMessageBridge::post(ViewMessage message)
{
    deliver(message, false);
}

void ViewMessageBridge::deliver(ViewMessage message, bool waitForTheView)
{
    QObject* view = m_view.data();
    if (!m_connected.load() || !view)
        return;
    if (QThread::currentThread() == view->thread()) {
        if (waitForTheView)
            m_handler(message);
        else
            QMetaObject::invokeMethod(
                view, [this, message] { m_handler(message); }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        view,
        [this, message] {
            if (m_connected.load())
                m_handler(message);
        },
        waitForTheView ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void ViewMessageBridge::disconnect()
{
    m_connected = false;
}

BackgroundThreads::~BackgroundThreads()
{
    stop();
}

void BackgroundThreads::start(const FileWatch::Paths& paths, ViewMessageBridge* bridge, int enableAlarmDeactivation,
                              const std::string& mailboxTablePath)
{
    if (m_running.exchange(true))
        return;
    m_bridge = bridge;
    auto pause = m_pause;
    // The first stamps are taken now, not when the thread gets to run, so
    // that a change made right after the lists were filled is not missed.
    auto watch = std::make_shared<FileWatch>(paths, bridge, [pause](int ms) { pause->sleep(ms); });
    watch->start();
    m_fileWatch = std::thread([this, watch] { watch->keepWatching(m_running); });
    m_timer = std::thread([this, enableAlarmDeactivation, mailboxTablePath, pause] {
        console::DeactivationTimer timer(enableAlarmDeactivation, mailboxTablePath);
        timer.setSleeper([pause](std::chrono::milliseconds period, const std::atomic<bool>&) {
            pause->sleep(static_cast<int>(period.count()));
        });
        timer.run(m_running);
    });
}

void BackgroundThreads::stop()
{
    if (!m_running.exchange(false))
        return;
    if (m_bridge)
        m_bridge->disconnect();
    m_pause->stop();
    // A thread may be waiting for the view to handle a sent message: keep
    // handling events until both threads have left.
    for (std::thread* t : {&m_fileWatch, &m_timer}) {
        if (!t->joinable())
            continue;
        std::atomic<bool> done{false};
        std::thread joiner([t, &done] {
            t->join();
            done = true;
        });
        while (!done.load()) {
            if (QCoreApplication::instance())
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        joiner.join();
    }
}

}  // namespace kx::ui
