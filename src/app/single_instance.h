// At most one running copy per user. The first copy holds a lock file and listens on a local
// socket, both in the user's runtime folder ($XDG_RUNTIME_DIR, a folder only the user can enter);
// a later copy finds the lock taken, hands its archive argument (possibly empty) to the first
// copy over the socket and ends. The first copy then raises its window and opens the archive. A
// path is never handed to a socket, or a process behind it, of another user; without a private
// runtime folder every copy runs on its own.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace zv::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: per-user name of the lock and the socket ("Zelvora" by default; tests use their own).
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. False when another copy holds the lock.
    bool becomePrimary();

    // Sends an archive path (may be empty) to the running copy. False when no copy of this user
    // answers.
    bool handOver(const QString& archivePath, int timeoutMs = 3000);

    // The socket's path; empty without a private runtime folder.
    const QString& socketPath() const { return socketPath_; }

signals:
    // A later copy was started; archivePath is its first argument, or empty.
    void activationRequested(const QString& archivePath);

private:
    void acceptConnection();

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

// The per-user name of the lock and the socket.
QString defaultInstanceName();

}  // namespace zv::app
