#include "app/qtsingleapplication.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <QStandardPaths>

#include <cstdio>
#include <iostream>
#include <string>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

// Instances are child processes of this executable:
//   --hold <id>   reports "primary" or "running"; a primary keeps running
//                 until a line or end of file arrives on its standard input;
//   --check <id>  reports "primary" or "running" and ends.

namespace {

int runInstance(int argc, char *argv[])
{
    const bool hold = qstrcmp(argv[1], "--hold") == 0;
    const QString id = QString::fromLocal8Bit(argv[2]);
    SharedTools::QtSingleApplication app(id, argc, argv);
    const bool running = app.isRunning();
    std::fputs(running ? "running\n" : "primary\n", stdout);
    std::fflush(stdout);
    if (hold && !running) {
        std::string line;
        std::getline(std::cin, line);
    }
    return 0;
}

// Where the instance files of this user live (see QtSingleApplication).
QString instanceFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    return QDir::tempPath();
}

} // namespace

class tst_SingleApplication : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondInstanceSeesFirst_data();
    void secondInstanceSeesFirst();
    void otherIdIsIndependent();
    void simultaneousStartsElectOne();
    void otherUserHasOwnInstance();

private:
    QString check(const QString &id);
    bool startHolder(const QString &id);

    QString m_id;
    QProcess m_holder;
};

void tst_SingleApplication::init()
{
    // Unique per run and row, so neither a running program nor an earlier
    // row can interfere.
    static int row = 0;
    m_id = QStringLiteral("tstsingle%1x%2").arg(QCoreApplication::applicationPid()).arg(++row);
}

void tst_SingleApplication::cleanup()
{
    if (m_holder.state() == QProcess::NotRunning)
        return;
    // A normal end removes the instance files; killing would leave them.
    m_holder.write("\n");
    if (!m_holder.waitForFinished(5000)) {
        m_holder.kill();
        m_holder.waitForFinished(5000);
    }
}

QString tst_SingleApplication::check(const QString &id)
{
    QProcess checker;
    checker.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--check"), id });
    if (!checker.waitForFinished(20000) || checker.exitCode() != 0)
        return QStringLiteral("<failed>");
    return QString::fromLatin1(checker.readAllStandardOutput()).trimmed();
}

bool tst_SingleApplication::startHolder(const QString &id)
{
    m_holder.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--hold"), id });
    if (!m_holder.waitForStarted(10000))
        return false;
    while (!m_holder.canReadLine()) {
        if (!m_holder.waitForReadyRead(20000))
            return false;
    }
    return m_holder.readLine().trimmed() == "primary";
}

void tst_SingleApplication::secondInstanceSeesFirst_data()
{
    QTest::addColumn<QString>("firstInstance");
    QTest::addColumn<QString>("second");
    QTest::newRow("first still running") << "alive"
                                         << "running";
    QTest::newRow("first running for hours") << "old"
                                             << "running";
    QTest::newRow("first quit normally") << "quit"
                                         << "primary";
    QTest::newRow("first killed with SIGKILL") << "killed"
                                               << "primary";
}

void tst_SingleApplication::secondInstanceSeesFirst()
{
    QFETCH(QString, firstInstance);
    QFETCH(QString, second);

    QVERIFY(startHolder(m_id));
    QCOMPARE(check(m_id), QStringLiteral("running"));
    const QDir folder(instanceFolder());
    const QStringList lockFiles = folder.entryList(
        { QLatin1Char('*') + m_id + QStringLiteral("*.lock") }, QDir::Files | QDir::Hidden);
    QCOMPARE(lockFiles.size(), 1);

    if (firstInstance == QLatin1String("old")) {
        // A lock file is never stale for its age alone.
        QFile lock(folder.filePath(lockFiles.first()));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(
            QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
    } else if (firstInstance == QLatin1String("quit")) {
        m_holder.write("\n");
        QVERIFY(m_holder.waitForFinished(10000));
        QCOMPARE(m_holder.exitStatus(), QProcess::NormalExit);
    } else if (firstInstance == QLatin1String("killed")) {
        m_holder.kill();
        QVERIFY(m_holder.waitForFinished(10000));
        // The dead instance leaves its lock behind; it must not block.
        QVERIFY(folder.exists(lockFiles.first()));
    }

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(check(m_id), second);
    if (second == QLatin1String("primary")) {
        // A stale lock is recognised at once, not after a time-out.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        // The instance that took over is itself found by the next one.
        QVERIFY(startHolder(m_id));
        QCOMPARE(check(m_id), QStringLiteral("running"));
    } else {
        // Asking did not disturb the first instance.
        QCOMPARE(m_holder.state(), QProcess::Running);
        QCOMPARE(check(m_id), QStringLiteral("running"));
    }
}

void tst_SingleApplication::otherIdIsIndependent()
{
    QVERIFY(startHolder(m_id));
    QCOMPARE(check(m_id + QStringLiteral("other")), QStringLiteral("primary"));
    QCOMPARE(check(m_id), QStringLiteral("running"));
}

void tst_SingleApplication::simultaneousStartsElectOne()
{
    QList<QProcess *> starters;
    for (int i = 0; i < 4; ++i) {
        auto *process = new QProcess(this);
        starters << process;
        process->start(QCoreApplication::applicationFilePath(), { QStringLiteral("--hold"), m_id });
    }
    int primaries = 0;
    for (QProcess *process : starters) {
        while (!process->canReadLine())
            QVERIFY(process->waitForReadyRead(20000));
        if (process->readLine().trimmed() == "primary")
            ++primaries;
    }
    for (QProcess *process : starters) {
        process->write("\n");
        process->waitForFinished(10000);
        delete process;
    }
    QCOMPARE(primaries, 1);
}

void tst_SingleApplication::otherUserHasOwnInstance()
{
#if defined(Q_OS_UNIX)
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::getuid() != 0 || setpriv.isEmpty())
        QSKIP("Running as a second user needs root and setpriv.");
    QVERIFY(startHolder(m_id));

    QProcess other;
    other.start(setpriv,
        { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
            QCoreApplication::applicationFilePath(), QStringLiteral("--check"), m_id });
    QVERIFY(other.waitForFinished(20000));
    if (other.exitCode() != 0)
        QSKIP("The second user cannot run this executable here.");
    QCOMPARE(QString::fromLatin1(other.readAllStandardOutput()).trimmed(), QStringLiteral("primary"));
    // And the first user's instance is still the one its user finds.
    QCOMPARE(check(m_id), QStringLiteral("running"));
#else
    QSKIP("Needs a Unix system.");
#endif
}

int main(int argc, char *argv[])
{
    if (argc == 3 && (qstrcmp(argv[1], "--hold") == 0 || qstrcmp(argv[1], "--check") == 0))
        return runInstance(argc, argv);
    QCoreApplication app(argc, argv);
    tst_SingleApplication test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
