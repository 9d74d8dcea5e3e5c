#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

// One running program per user data folder: two programs writing the same
// settings, profile and macro files would overwrite each other's changes.
// The first program holds a lock file and listens on a local socket, both in
// `runtimeDirectory` and named after the folder; a second one finds the lock
// taken and asks the first, through the socket, to bring its window to the
// front.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    SingleInstance(const QString& userDataFolder, const QString& runtimeDirectory);
    ~SingleInstance() override;

    // Takes the lock and starts listening. False when another program holds
    // it. When the lock cannot be made at all (no runtime directory), runs
    // unguarded: returns true and says why in `problem()`.
    bool acquire();
    QString problem() const { return problemText; }

    // From a second program: asks the first to show its window, waiting up to
    // `timeoutMs` for it to listen. True when the request was delivered.
    bool activateRunning(int timeoutMs);

    QString lockPath() const { return basePath + QStringLiteral(".lock"); }
    QString socketPath() const { return basePath + QStringLiteral(".socket"); }

signals:
    // A second program asked for the window.
    void activationRequested();

private:
    QString basePath;
    QLockFile lock;
    std::unique_ptr<QLocalServer> server;
    QString problemText;
};
