#pragma once

#include <QApplication>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace SharedTools {

// An application that knows whether another instance with the same id runs
// for the same user. The first instance holds a lock file and listens on a
// local socket, both named after the id and the user. A later instance finds
// the lock taken and the socket answering. A lock or socket left behind by an
// instance that crashed or was killed is recognised as stale and taken over,
// so it never blocks the next start.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QtSingleApplication(const QString &appId, int &argc, char **argv);
    ~QtSingleApplication() override;

    QString id() const;
    // True when another live instance with this id runs for this user.
    bool isRunning();

private:
    // Tries to become the instance that others find; false when one answers.
    bool claim();
    bool otherInstanceAnswers(int attempts) const;

    QString m_appId;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lockFile;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};

} // namespace SharedTools
