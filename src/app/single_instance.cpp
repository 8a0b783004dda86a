#include "single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>

namespace zv::app {

namespace {

// The user's runtime folder when it is one only the user can enter, else empty.
QString privateRuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    struct stat st {};
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &st) != 0) return {};
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0) return {};
    return folder;
}

// Whether path is a socket of this user.
bool ownSocket(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::getuid();
}

// Whether the process at the other end of a connected socket runs as this user.
bool peerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

}  // namespace

QString defaultInstanceName() { return QStringLiteral("Zelvora-%1").arg(::getuid()); }

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
    const QString folder = privateRuntimeFolder();
    if (!folder.isEmpty()) {
        socketPath_ = folder + QLatin1Char('/') + name + QStringLiteral(".socket");
        lock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
        // A lock left by a copy that crashed is taken over at once (its process no longer exists).
        lock_->setStaleLockTime(0);
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() { server_.close(); }

bool SingleInstance::becomePrimary() {
    if (!lock_) return true;  // no private place to meet: this copy runs on its own
    if (!lock_->tryLock(0)) return false;
    // Holding the lock, any socket of that name is left over from a crashed copy. Without a
    // socket this copy is still the only one; later copies just cannot reach it.
    QLocalServer::removeServer(socketPath_);
    server_.listen(socketPath_);
    return true;
}

bool SingleInstance::handOver(const QString& archivePath, int timeoutMs) {
    if (socketPath_.isEmpty() || !ownSocket(socketPath_)) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    if (!peerIsThisUser(socket)) {
        socket.abort();
        return false;
    }
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
            constexpr qint64 kLongestMessage = qint64{64} * 1024;
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
