#pragma once
// One console per window title and user: a second start hands over to the
// running one, which brings its window forward, and ends. A local socket
// named after the title and the user serves; a socket left behind by a
// crashed console answers nobody and is replaced, so no stale lock remains.

#include <QObject>
#include <QString>

class QLocalServer;

namespace kx::ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& windowTitle, QObject* parent = nullptr);

    // True when a console with this title runs already and was asked to
    // come forward: this process then ends.
    bool handOverToRunningInstance();
    // Listens for later starts; false when the socket cannot be made.
    bool listen();

    QString serverName() const { return m_name; }

signals:
    void bringForwardRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace kx::ui
