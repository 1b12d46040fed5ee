#include "app/qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace SharedTools {

namespace {

QString currentUser()
{
#if defined(Q_OS_UNIX)
    // The uid cannot be faked through the environment, unlike USER.
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Lock and socket live where only this user writes when the session offers
// such a folder; otherwise in the shared temporary folder, where the user is
// part of the name.
QString instanceFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    return QDir::tempPath();
}

// "qtsingleapp-<id>-<user>-<hash>": readable id and user for whoever looks at
// the folder, the hash keeps ids that differ only in odd characters apart.
QString instanceKey(const QString &appId)
{
    const QString user = currentUser();
    QString readableId;
    for (const QChar c : appId)
        readableId += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    const QByteArray hash
        = QCryptographicHash::hash((appId + QLatin1Char('\n') + user).toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(12);
    return QStringLiteral("qtsingleapp-") + readableId.left(32) + QLatin1Char('-') + user + QLatin1Char('-')
        + QString::fromLatin1(hash);
}

// Attempts and pause while asking a lock holder's socket: an instance that has
// just taken its lock needs a moment before it listens.
constexpr int kHolderAttempts = 10;
constexpr int kConnectTimeoutMs = 200;
constexpr int kPauseMs = 100;

} // namespace

QtSingleApplication::QtSingleApplication(const QString &appId, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_appId(appId)
{
    const QString key = instanceKey(appId);
    const QDir folder(instanceFolder());
#if defined(Q_OS_WIN)
    m_serverName = key;
#else
    m_serverName = folder.filePath(key + QStringLiteral(".socket"));
#endif
    m_lockFile = std::make_unique<QLockFile>(folder.filePath(key + QStringLiteral(".lock")));
    // A running instance keeps its lock for hours: only a dead owner makes it
    // stale, never its age.
    m_lockFile->setStaleLockTime(0);
    m_primary = claim();
}

QtSingleApplication::~QtSingleApplication()
{
    if (m_server)
        m_server->close();
    if (m_primary)
        m_lockFile->unlock();
}

QString QtSingleApplication::id() const
{
    return m_appId;
}

bool QtSingleApplication::isRunning()
{
    // The other instance may have ended since this one started.
    if (!m_primary)
        m_primary = claim();
    return !m_primary;
}

bool QtSingleApplication::claim()
{
    // tryLock itself removes a lock file whose owner process is gone.
    if (!m_lockFile->tryLock(0)) {
        // A folder where no lock can be made must not keep the program from
        // starting: then only the socket can tell.
        if (m_lockFile->error() != QLockFile::LockFailedError)
            return !otherInstanceAnswers(1);
        if (otherInstanceAnswers(kHolderAttempts))
            return false;
        // Nobody answers. The file may name a live process that merely reused
        // a dead instance's pid; removal succeeds only when no process holds
        // the file's native lock, so a real but silent instance keeps it.
        if (!m_lockFile->removeStaleLockFile() || !m_lockFile->tryLock(0))
            return false;
    } else if (otherInstanceAnswers(1)) {
        // The lock file can vanish under a running instance (a temp-folder
        // cleaner); its socket still tells.
        m_lockFile->unlock();
        return false;
    }

    // Holding the lock, any socket left under the name is stale.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Should listening fail, the lock alone still marks this instance.
    m_server->listen(m_serverName);
    // Later instances only need the connection to succeed; nothing is read.
    connect(m_server, &QLocalServer::newConnection, m_server, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
        }
    });
    return true;
}

bool QtSingleApplication::otherInstanceAnswers(int attempts) const
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(kPauseMs);
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.abort();
            return true;
        }
    }
    return false;
}

} // namespace SharedTools
