#include "toolkit/cuisingleton.h"

#include <QThread>
#include <QtTest>

#include <atomic>

namespace {
std::atomic<int> g_constructed { 0 };

class Counted : public MovraGUIToolkit::CUiSingleton<Counted>
{
    friend class MovraGUIToolkit::CUiSingleton<Counted>;
    Counted()
    {
        ++g_constructed;
        // Widen the window in which a second thread could race the creation.
        QThread::msleep(20);
    }
};
} // namespace

class tst_CUiSingleton : public QObject
{
    Q_OBJECT
private slots:
    void createdOnceUnderContention();
};

void tst_CUiSingleton::createdOnceUnderContention()
{
    QVector<Counted *> seen(8, nullptr);
    QList<QThread *> threads;
    for (int i = 0; i < seen.size(); ++i)
        threads << QThread::create([&seen, i] { seen[i] = Counted::instance(); });
    for (QThread *t : threads)
        t->start();
    for (QThread *t : threads) {
        t->wait();
        delete t;
    }
    QCOMPARE(g_constructed.load(), 1);
    for (Counted *c : seen)
        QCOMPARE(c, Counted::instance());
}

QTEST_GUILESS_MAIN(tst_CUiSingleton)
#include "tst_cuisingleton.moc"
