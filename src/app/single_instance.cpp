#include "single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace zv::app {

namespace {

// Where the lock file lives: the user's runtime folder when there is one, else the temp folder.
QString lockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

QString defaultInstanceName() { return QStringLiteral("Zelvora-%1").arg(::getuid()); }

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent),
      socketName_(name),
      lock_(std::make_unique<QLockFile>(lockFolder() + QLatin1Char('/') + name + QStringLiteral(".lock"))) {
    // A lock left by a copy that crashed is taken over at once (its process no longer exists).
    lock_->setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() { server_.close(); }

bool SingleInstance::becomePrimary() {
    if (!lock_->tryLock(0)) return false;
    // Holding the lock, any socket of that name is left over from a crashed copy.
    QLocalServer::removeServer(socketName_);
    return server_.listen(socketName_);
}

bool SingleInstance::handOver(const QString& archivePath, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(archivePath.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return true;
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readMessage = [this, socket] {
            constexpr qint64 kLongestMessage = 64 * 1024;
            if (socket->canReadLine()) {
                QByteArray line = socket->readLine();
                if (line.endsWith('\n')) line.chop(1);
                emit activationRequested(QString::fromUtf8(line));
                socket->disconnectFromServer();
            } else if (socket->bytesAvailable() > kLongestMessage) {
                socket->abort();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        readMessage();
    }
}

}  // namespace zv::app
