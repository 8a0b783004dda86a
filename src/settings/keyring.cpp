#include "keyring.h"

#include <qt6keychain/keychain.h>
#include <QCoreApplication>
#include <QEventLoop>

namespace zv::settings {

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// Without an application object there is no event loop to finish a job in. Without GLib's event
// dispatcher (QT_NO_GLIB) the Secret Service's answers, which come through GLib, would never arrive.
bool canWaitForJobs() { return QCoreApplication::instance() && !qEnvironmentVariableIsSet("QT_NO_GLIB"); }

// Starts the job and returns once it has finished.
QKeychain::Error runToEnd(QKeychain::Job& job, std::string_view account) {
    job.setAutoDelete(false);
    job.setKey(text(account));
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    job.start();
    if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return job.error();
}

}  // namespace

KeyringRead Keyring::read(std::string_view service, std::string_view account) const {
    if (!desktop_ || !canWaitForJobs()) return {};
    QKeychain::ReadPasswordJob job(text(service));
    switch (runToEnd(job, account)) {
        case QKeychain::NoError: return {KeyringAnswer::Found, job.textData().toStdString()};
        case QKeychain::EntryNotFound: return {KeyringAnswer::NotFound, {}};
        default: return {};
    }
}

bool Keyring::write(std::string_view service, std::string_view account, std::string_view secret) const {
    if (!desktop_ || !canWaitForJobs()) return false;
    QKeychain::WritePasswordJob job(text(service));
    job.setTextData(text(secret));
    return runToEnd(job, account) == QKeychain::NoError;
}

bool Keyring::remove(std::string_view service, std::string_view account) const {
    if (!desktop_ || !canWaitForJobs()) return false;
    QKeychain::DeletePasswordJob job(text(service));
    const QKeychain::Error error = runToEnd(job, account);
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound;
}

}  // namespace zv::settings
