#include "ui/orvanemainpage.h"
#include "virad/coverwidget.h"
#include "virad/windowtitle.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// Runs inspect() on the first modal dialog that shows up, then presses the
// named button in it (rejecting the dialog when there is no such button).
class ModalAnswerer : public QObject
{
public:
    ModalAnswerer(const QString &button, std::function<void(QDialog *)> inspect)
        : m_button(button)
        , m_inspect(std::move(inspect))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_poll.start(20);
    }

    bool answered = false;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        m_poll.stop();
        m_inspect(dialog);
        if (auto *button = dialog->findChild<QAbstractButton *>(m_button)) {
            button->click();
            answered = true;
        } else {
            dialog->reject();
        }
    }

    QString m_button;
    std::function<void(QDialog *)> m_inspect;
    QTimer m_poll;
};

} // namespace

class tst_OrvaneMainPage : public QObject
{
    Q_OBJECT
private slots:
    void frameAndContentRow();
    void coverFollowsResize_data();
    void coverFollowsResize();
    void onlyF1AsksForHelp_data();
    void onlyF1AsksForHelp();
    void closeAsksFirst_data();
    void closeAsksFirst();
};

void tst_OrvaneMainPage::frameAndContentRow()
{
    OrvaneMainPage window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("OrvaneMainPage"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvane"));

    auto *title = window.findChild<virad::WindowTitle *>();
    QVERIFY(title);
    auto *titleText = title->findChild<QLabel *>(QStringLiteral("m_labelTitle"));
    QVERIFY(titleText);
    QCOMPARE(titleText->text(), QStringLiteral("Orvane"));

    window.resize(1120, 650);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *editor = window.findChild<QWidget *>(QStringLiteral("DeviceEditor"));
    auto *capacity = window.findChild<QWidget *>(QStringLiteral("m_pCapacityCalculation"));
    QVERIFY(editor && capacity);
    // Title on top, then the content row: editor left of the capacity panel.
    const QPoint editorAt = editor->mapTo(&window, QPoint(0, 0));
    const QPoint capacityAt = capacity->mapTo(&window, QPoint(0, 0));
    QVERIFY(title->mapTo(&window, QPoint(0, title->height())).y() <= editorAt.y());
    QVERIFY(editorAt.x() < capacityAt.x());

    auto *cover = window.findChild<virad::CoverWidget *>();
    QVERIFY(cover);
    QVERIFY(!cover->isVisible());
}

void tst_OrvaneMainPage::coverFollowsResize_data()
{
    QTest::addColumn<QSize>("coveredAt");
    QTest::addColumn<QSize>("resizedTo");
    QTest::newRow("1417 x 768 grown to 1920 x 1040") << QSize(1417, 768) << QSize(1920, 1040);
    QTest::newRow("960 x 768 shrunk to 700 x 500") << QSize(960, 768) << QSize(700, 500);
}

void tst_OrvaneMainPage::coverFollowsResize()
{
    QFETCH(QSize, coveredAt);
    QFETCH(QSize, resizedTo);

    OrvaneMainPage window(nullptr);
    window.resize(coveredAt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *cover = window.findChild<virad::CoverWidget *>();
    QVERIFY(cover);

    QVERIFY(QMetaObject::invokeMethod(&window, "enableCover"));
    QVERIFY(cover->isVisible());
    QCOMPARE(cover->geometry(), QRect(QPoint(0, 0), coveredAt));

    window.resize(resizedTo);
    QTRY_COMPARE(window.size(), resizedTo);
    QCOMPARE(cover->geometry(), QRect(QPoint(0, 0), resizedTo));
    // Raised above everything: what lies under any point is the cover.
    for (const QPoint &at : { QPoint(1, 1), QPoint(resizedTo.width() / 2, resizedTo.height() / 2),
             QPoint(resizedTo.width() - 2, resizedTo.height() - 2) }) {
        QWidget *hit = window.childAt(at);
        QVERIFY(hit == cover || cover->isAncestorOf(hit));
    }

    QVERIFY(QMetaObject::invokeMethod(&window, "disableCover"));
    QVERIFY(!cover->isVisible());

    // Resized while uncovered, it still covers everything when shown again.
    window.resize(coveredAt);
    QTRY_COMPARE(window.size(), coveredAt);
    QVERIFY(QMetaObject::invokeMethod(&window, "setCover", Q_ARG(bool, true)));
    QCOMPARE(cover->geometry(), QRect(QPoint(0, 0), coveredAt));
}

void tst_OrvaneMainPage::onlyF1AsksForHelp_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("helpRequests");
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << 1;
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << 1;
    QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 0;
    QTest::newRow("letter A") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
}

void tst_OrvaneMainPage::onlyF1AsksForHelp()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, helpRequests);

    OrvaneMainPage window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy help(&window, &OrvaneMainPage::signalGetHelp);

    QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(help.count(), helpRequests);
    QVERIFY(window.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_OrvaneMainPage::closeAsksFirst_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close(), Confirm") << "close"
                                      << "btnConfirm" << true;
    QTest::newRow("close(), Cancel") << "close"
                                     << "btnCancel" << false;
    QTest::newRow("close(), dialog's close button") << "close"
                                                    << "btnClose" << false;
    QTest::newRow("title close button, Confirm") << "title"
                                                 << "btnConfirm" << true;
    QTest::newRow("title close button, Cancel") << "title"
                                                << "btnCancel" << false;
    QTest::newRow("Alt+F4, Confirm") << "altf4"
                                     << "btnConfirm" << true;
    QTest::newRow("Alt+F4, dialog's close button") << "altf4"
                                                   << "btnClose" << false;
}

void tst_OrvaneMainPage::closeAsksFirst()
{
    QFETCH(QString, via);
    QFETCH(QString, answer);
    QFETCH(bool, closes);

    OrvaneMainPage window(nullptr);
    window.resize(1000, 700);
    window.move(40, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *cover = window.findChild<virad::CoverWidget *>();
    QVERIFY(cover);

    bool coveredWhileAsking = false;
    QRect coverGeometry;
    QString title;
    QString question;
    QSize dialogSize;
    QPoint dialogPos;
    ModalAnswerer answerer(answer, [&](QDialog *dialog) {
        coveredWhileAsking = cover->isVisible();
        coverGeometry = cover->geometry();
        title = dialog->windowTitle();
        if (auto *tip = dialog->findChild<QLabel *>(QStringLiteral("m_labelTip")))
            question = tip->text();
        dialogSize = dialog->size();
        dialogPos = dialog->pos();
    });

    if (via == QLatin1String("close")) {
        QCOMPARE(window.close(), closes);
    } else if (via == QLatin1String("title")) {
        auto *button = window.findChild<QToolButton *>(QStringLiteral("m_btnClose"));
        QVERIFY(button);
        button->click();
    } else {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier);
    }

    // A shortcut clicks its button through a short animation, so the
    // question may come a moment later.
    QTRY_VERIFY(answerer.answered);
    QCOMPARE(title, QStringLiteral("Exit"));
    QCOMPARE(question, QStringLiteral("Exit the Orvane software?"));
    QVERIFY(coveredWhileAsking);
    QCOMPARE(coverGeometry, QRect(QPoint(0, 0), window.size()));
    QCOMPARE(dialogSize, QSize(350, 220));
    QCOMPARE(
        dialogPos, QPoint(window.x() + (window.width() - 350) / 2, window.y() + (window.height() - 220) / 2));

    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(!cover->isVisible());
}

QTEST_MAIN(tst_OrvaneMainPage)
#include "tst_orvanemainpage.moc"
