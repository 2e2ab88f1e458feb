#include "platform/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kx::ui {

namespace {
constexpr char kBringForward[] = "bring-forward\n";
}

SingleInstance::SingleInstance(const QString& windowTitle, QObject* parent) : QObject(parent)
{
    const QByteArray digest = QCryptographicHash::hash(windowTitle.toUtf8(), QCryptographicHash::Sha1).toHex();
    m_name = QString("kxalarm-%1-%2").arg(QString::fromLatin1(digest.left(16))).arg(::getuid());
}

bool SingleInstance::handOverToRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(kBringForward);
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered on it (handOverToRunningInstance failed): a socket
        // left by a console that crashed. Replace it.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains("bring-forward"))
                    emit bringForwardRequested();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

}  // namespace kx::ui
