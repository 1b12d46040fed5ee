#include "virad/basedialog.h"
#include "virad/basetitle.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace {

template <typename T> T *child(QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QToolButton *titleButton(virad::BaseDialog &dialog, const char *name)
{
    return child<QToolButton>(dialog, name);
}

struct DialogSpies
{
    explicit DialogSpies(virad::BaseDialog *d)
        : app(d, &virad::BaseDialog::signalAppButtonClicked)
        , option(d, &virad::BaseDialog::signalOptionButtonClicked)
        , min(d, &virad::BaseDialog::signalMinButtonClicked)
        , max(d, &virad::BaseDialog::signalMaxButtonClicked)
        , close(d, &virad::BaseDialog::signalCloseButtonClicked)
        , confirm(d, &virad::BaseDialog::signalConfirmButtonClicked)
        , cancel(d, &virad::BaseDialog::signalCancelButtonClicked)
    {
    }

    QList<int> counts() const
    {
        return { int(app.count()), int(option.count()), int(min.count()), int(max.count()),
            int(close.count()), int(confirm.count()), int(cancel.count()) };
    }

    QSignalSpy app;
    QSignalSpy option;
    QSignalSpy min;
    QSignalSpy max;
    QSignalSpy close;
    QSignalSpy confirm;
    QSignalSpy cancel;
};

// Runs the dialog modally while action works it from inside the event loop;
// a dialog that does not end within a few seconds is ended with -1.
int execWith(virad::BaseDialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, action);
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

} // namespace

class tst_BaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void confirmCancelFlags_data();
    void confirmCancelFlags();
    void titleClicksAreReemitted_data();
    void titleClicksAreReemitted();
    void defaultConnections();
    void defaultConnectionsOff();
    void defaultConnectionsNeverDoubled();
    void defaultText_data();
    void defaultText();
    void contentWidgetReplacesLabel();
    void fixedSizeSizesContent_data();
    void fixedSizeSizesContent();
    void hiddenBottomBarGivesItsRoomToContent();
    void execResult_data();
    void execResult();
    void disabledConfirmOrCancelKeepsDialogOpen_data();
    void disabledConfirmOrCancelKeepsDialogOpen();
    void titleAndTexts();
    void bottomWidgetSitsLeftOfButtons();
};

void tst_BaseDialog::confirmCancelFlags_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("both buttons") << true << true;
    QTest::newRow("Confirm only") << true << false;
    QTest::newRow("Cancel only") << false << true;
    QTest::newRow("no button") << false << false;
}

void tst_BaseDialog::confirmCancelFlags()
{
    QFETCH(bool, confirm);
    QFETCH(bool, cancel);

    virad::BaseDialog dialog(false, false, false, false, true, confirm, cancel);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *btnConfirm = child<QPushButton>(dialog, "btnConfirm");
    auto *btnCancel = child<QPushButton>(dialog, "btnCancel");
    QCOMPARE(btnConfirm->isVisible(), confirm);
    QCOMPARE(btnConfirm->isEnabled(), confirm);
    QCOMPARE(btnCancel->isVisible(), cancel);
    QCOMPARE(btnCancel->isEnabled(), cancel);
    QVERIFY(child<QWidget>(dialog, "m_BaseDialogBottom")->isVisible());
    QCOMPARE(dialog.windowFlags(), Qt::WindowFlags(Qt::FramelessWindowHint | Qt::Window));
}

void tst_BaseDialog::titleClicksAreReemitted_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("app button") << "btnApp" << QList<int> { 1, 0, 0, 0, 0, 0, 0 };
    QTest::newRow("option button") << "btnOption" << QList<int> { 0, 1, 0, 0, 0, 0, 0 };
    QTest::newRow("minimise button") << "btnMin" << QList<int> { 0, 0, 1, 0, 0, 0, 0 };
    QTest::newRow("maximise button") << "btnMax" << QList<int> { 0, 0, 0, 1, 0, 0, 0 };
    QTest::newRow("close button") << "btnClose" << QList<int> { 0, 0, 0, 0, 1, 0, 0 };
}

void tst_BaseDialog::titleClicksAreReemitted()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, expected);

    virad::BaseDialog dialog(true, true, true, true, true, true, true);
    // Only the signals are under test here, not the window actions.
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    DialogSpies spies(&dialog);
    QTest::mouseClick(dialog.findChild<QToolButton *>(button), Qt::LeftButton);
    QCOMPARE(spies.counts(), expected);
}

void tst_BaseDialog::defaultConnections()
{
    virad::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(dialog.isMaximized());
    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(!dialog.isMaximized());

    QTest::mouseClick(titleButton(dialog, "btnMin"), Qt::LeftButton);
    QVERIFY(dialog.isMinimized());

    dialog.showNormal();
    QTest::mouseClick(titleButton(dialog, "btnClose"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void tst_BaseDialog::defaultConnectionsOff()
{
    virad::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    // Turning off what is already off is harmless.
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    DialogSpies spies(&dialog);

    QTest::mouseClick(titleButton(dialog, "btnMin"), Qt::LeftButton);
    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QTest::mouseClick(titleButton(dialog, "btnClose"), Qt::LeftButton);

    QCOMPARE(spies.counts(), (QList<int> { 0, 0, 1, 1, 1, 0, 0 }));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isMinimized());
    QVERIFY(!dialog.isMaximized());

    // And the per-button form turns one back on.
    dialog.setEnableMax(true);
    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(dialog.isMaximized());
}

// A doubled maximise connection would maximise and restore on one click.
void tst_BaseDialog::defaultConnectionsNeverDoubled()
{
    virad::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setEnableMax(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(dialog.isMaximized());

    dialog.setEnableMax(false);
    dialog.setEnableMax(true);
    dialog.setEnableMax(true);
    QTest::mouseClick(titleButton(dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(!dialog.isMaximized());
}

void tst_BaseDialog::defaultText_data()
{
    QTest::addColumn<int>("arguments");
    QTest::addColumn<bool>("blod");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Done, 12 pt, bold")
        << 3 << true
        << "<html><head/><body><p align=\"center\"><span style=\" font-size:12pt; "
           "font-weight:600;\">Done</span></p></body></html>";
    QTest::newRow("Done, 12 pt, not bold") << 3 << false
                                           << "<html><head/><body><p align=\"center\"><span style=\" "
                                              "font-size:12pt;\">Done</span></p></body></html>";
    QTest::newRow("Done, 12 pt, two-argument form")
        << 2 << false
        << "<html><head/><body><p align=\"center\"><span style=\" "
           "font-size:12pt;\">Done</span></p></body></html>";
    QTest::newRow("Done, one-argument form") << 1 << false << "Done";
}

void tst_BaseDialog::defaultText()
{
    QFETCH(int, arguments);
    QFETCH(bool, blod);
    QFETCH(QString, shown);

    virad::BaseDialog dialog(false, false, false, false, true, false, false);
    auto *label = child<QLabel>(dialog, "m_labelNULL");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("null content"));

    const QString text = QStringLiteral("Done");
    switch (arguments) {
    case 3:
        dialog.setDefaultText(text, 12, blod);
        break;
    case 2:
        dialog.setDefaultText(text, 12);
        break;
    default:
        dialog.setDefaultText(text);
        break;
    }
    QCOMPARE(label->text(), shown);
}

void tst_BaseDialog::contentWidgetReplacesLabel()
{
    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    auto *content = new QLabel(QStringLiteral("content"));
    content->setObjectName(QStringLiteral("m_content"));
    dialog.setContentWidget(content);

    QVERIFY(!child<QLabel>(dialog, "m_labelNULL"));
    auto *border = child<QWidget>(dialog, "mainBorder");
    QCOMPARE(content->parentWidget(), border);
    auto *borderLayout = border->findChild<QVBoxLayout *>(QStringLiteral("BorderLayout"));
    QCOMPARE(borderLayout->count(), 1);
    QCOMPARE(borderLayout->itemAt(0)->widget(), content);

    // The default text has nowhere to go any more.
    dialog.setDefaultText(QStringLiteral("x"));
    dialog.setDefaultText(QStringLiteral("x"), 10);
    dialog.setDefaultText(QStringLiteral("x"), 10, true);
    QCOMPARE(content->text(), QStringLiteral("content"));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(content->isVisible());
}

void tst_BaseDialog::fixedSizeSizesContent_data()
{
    QTest::addColumn<bool>("sizeForm");
    QTest::newRow("width and height") << false;
    QTest::newRow("QSize") << true;
}

void tst_BaseDialog::fixedSizeSizesContent()
{
    QFETCH(bool, sizeForm);

    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    auto *title = dialog.findChild<virad::BaseTitle *>();
    auto *bottom = child<QWidget>(dialog, "m_BaseDialogBottom");
    QCOMPARE(title->height(), 32);
    QCOMPARE(bottom->height(), 50);

    if (sizeForm)
        dialog.setFixedSize(QSize(400, 256));
    else
        dialog.setFixedSize(400, 256);

    QCOMPARE(dialog.minimumSize(), QSize(400, 256));
    QCOMPARE(dialog.maximumSize(), QSize(400, 256));
    auto *border = child<QWidget>(dialog, "mainBorder");
    QCOMPARE(border->minimumSize(), QSize(400, 174));
    QCOMPARE(border->maximumSize(), QSize(400, 174));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(border->geometry(), QRect(0, 32, 400, 174));
}

void tst_BaseDialog::hiddenBottomBarGivesItsRoomToContent()
{
    virad::BaseDialog dialog(false, false, false, false, true, false, false);
    dialog.QWidget::setFixedSize(400, 256);
    dialog.setBottomVisible(false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *border = child<QWidget>(dialog, "mainBorder");
    QVERIFY(!child<QWidget>(dialog, "m_BaseDialogBottom")->isVisible());
    QCOMPARE(border->geometry().bottom(), 255);
    // Only the widget was fixed; the content area follows the layout.
    QCOMPARE(border->maximumHeight(), QWIDGETSIZE_MAX);

    dialog.setBottomVisible(true);
    dialog.setBottomBarHeight(60);
    QTRY_COMPARE(border->geometry().bottom(), 255 - 60);
}

void tst_BaseDialog::execResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("emitted");
    QTest::newRow("Confirm accepts") << "btnConfirm" << int(QDialog::Accepted)
                                     << QList<int> { 0, 0, 0, 0, 0, 1, 0 };
    QTest::newRow("Cancel rejects") << "btnCancel" << int(QDialog::Rejected)
                                    << QList<int> { 0, 0, 0, 0, 0, 0, 1 };
    QTest::newRow("title close rejects")
        << "btnClose" << int(QDialog::Rejected) << QList<int> { 0, 0, 0, 0, 1, 0, 0 };
}

void tst_BaseDialog::execResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(QList<int>, emitted);

    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    DialogSpies spies(&dialog);
    const int got = execWith(
        dialog, [&] { QTest::mouseClick(dialog.findChild<QAbstractButton *>(button), Qt::LeftButton); });
    QCOMPARE(got, result);
    QCOMPARE(spies.counts(), emitted);
    QVERIFY(!dialog.isVisible());
}

void tst_BaseDialog::disabledConfirmOrCancelKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("emitted");
    QTest::newRow("Confirm") << "btnConfirm" << QList<int> { 0, 0, 0, 0, 0, 1, 0 };
    QTest::newRow("Cancel") << "btnCancel" << QList<int> { 0, 0, 0, 0, 0, 0, 1 };
}

void tst_BaseDialog::disabledConfirmOrCancelKeepsDialogOpen()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, emitted);

    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, false, false);
    DialogSpies spies(&dialog);
    bool stillOpen = false;
    const int got = execWith(dialog, [&] {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        stillOpen = dialog.isVisible();
        dialog.done(7);
    });
    QVERIFY(stillOpen);
    QCOMPARE(got, 7);
    QCOMPARE(spies.counts(), emitted);
}

void tst_BaseDialog::titleAndTexts()
{
    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    QCOMPARE(dialog.objectName(), QStringLiteral("BaseDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("BaseDialog"));

    dialog.setTitle(QStringLiteral("Hint"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hint"));
    QCOMPARE(child<QLabel>(dialog, "labelTitle")->text(), QStringLiteral("Hint"));

    auto *btnConfirm = child<QPushButton>(dialog, "btnConfirm");
    auto *btnCancel = child<QPushButton>(dialog, "btnCancel");
    QCOMPARE(btnConfirm->text(), QStringLiteral("Confirm"));
    QCOMPARE(btnCancel->text(), QStringLiteral("Cancel"));
    dialog.setConfirmButtonText(QStringLiteral("Yes"));
    dialog.setCancelButtonText(QStringLiteral("No"));
    QCOMPARE(btnConfirm->text(), QStringLiteral("Yes"));
    QCOMPARE(btnCancel->text(), QStringLiteral("No"));
}

void tst_BaseDialog::bottomWidgetSitsLeftOfButtons()
{
    virad::BaseDialog dialog(false, false, false, false, true, true, true);
    auto *extra = new QPushButton(QStringLiteral("Extra"));
    extra->setObjectName(QStringLiteral("m_btnExtra"));
    dialog.addBottomWidget(extra);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(extra->parentWidget(), child<QWidget>(dialog, "m_BaseDialogBottom"));
    QVERIFY(extra->geometry().right() < child<QPushButton>(dialog, "btnConfirm")->x());
}

QTEST_MAIN(tst_BaseDialog)
#include "tst_basedialog.moc"
