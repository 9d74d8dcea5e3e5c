#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr int ConnectAttemptMs = 100;
constexpr int HashDigits = 16;

// The same folder reached by two spellings gives the same name.
QString nameFor(const QString& userDataFolder)
{
    const QFileInfo folder(userDataFolder);
    const QString canonical =
        folder.exists() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("q3config-") + QString::fromLatin1(hash.toHex().left(HashDigits));
}

} // namespace

SingleInstance::SingleInstance(const QString& userDataFolder, const QString& runtimeDirectory)
    : basePath(runtimeDirectory + '/' + nameFor(userDataFolder)), lock(lockPath())
{
    // Stale only when the holder is gone: a program may run for days.
    lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (server)
        server->close();
}

bool SingleInstance::acquire()
{
    problemText.clear();
    if (!lock.tryLock()) {
        if (lock.error() == QLockFile::LockFailedError)
            return false;
        problemText = QStringLiteral("cannot create %1").arg(lockPath());
        return true;
    }
    QLocalServer::removeServer(socketPath()); // left by a program that crashed
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server->nextPendingConnection()) {
            peer->disconnectFromServer();
            peer->deleteLater();
            emit activationRequested();
        }
    });
    if (!server->listen(socketPath()))
        problemText =
            QStringLiteral("cannot listen on %1: %2").arg(socketPath(), server->errorString());
    return true;
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(ConnectAttemptMs)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(ConnectAttemptMs);
    } while (!deadline.hasExpired());
    return false;
}
