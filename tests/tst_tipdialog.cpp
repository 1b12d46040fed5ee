#include "dialogs/tipdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <array>

namespace {

QLabel *tipLabel(NM_Orvane::TipDialog &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"));
}

} // namespace

class tst_TipDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsSureUntilTipTextIsSet();
    void titleSetsWindowTitle();
    void onlyCloseButtonInTitle();
    void defaultTextDoesNothing();
    void execResult_data();
    void execResult();
};

void tst_TipDialog::showsSureUntilTipTextIsSet()
{
    NM_Orvane::TipDialog dialog;
    QLabel *label = tipLabel(dialog);
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("sure"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);

    dialog.setTipText(QStringLiteral("Exit the Orvane software?"));
    QCOMPARE(label->text(), QStringLiteral("Exit the Orvane software?"));
}

void tst_TipDialog::titleSetsWindowTitle()
{
    NM_Orvane::TipDialog dialog;
    dialog.setTitle(QStringLiteral("Exit"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Exit"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelTitle"))->text(), QStringLiteral("Exit"));
}

void tst_TipDialog::onlyCloseButtonInTitle()
{
    NM_Orvane::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const std::array<const char *, 4> hidden = { "btnApp", "btnOption", "btnMin", "btnMax" };
    for (const char *name : hidden)
        QVERIFY2(!dialog.findChild<QToolButton *>(QLatin1String(name))->isVisible(), name);
    QVERIFY(dialog.findChild<QToolButton *>(QStringLiteral("btnClose"))->isVisible());
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnConfirm"))->isVisible());
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->isVisible());
    QVERIFY(tipLabel(dialog)->isVisible());
    QCOMPARE(dialog.size(), QSize(350, 220));
}

// The base dialog's text label is gone, so its default text goes nowhere and
// the question stays.
void tst_TipDialog::defaultTextDoesNothing()
{
    NM_Orvane::TipDialog dialog;
    dialog.setTipText(QStringLiteral("Clear all the channels?"));
    dialog.setDefaultText(QStringLiteral("Done"));
    dialog.setDefaultText(QStringLiteral("Done"), 12, true);

    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("m_labelNULL")));
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY(!label->text().contains(QStringLiteral("Done")));
    QCOMPARE(tipLabel(dialog)->text(), QStringLiteral("Clear all the channels?"));
}

void tst_TipDialog::execResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Confirm accepts") << "btnConfirm" << int(QDialog::Accepted);
    QTest::newRow("Cancel rejects") << "btnCancel" << int(QDialog::Rejected);
    QTest::newRow("title close rejects") << "btnClose" << int(QDialog::Rejected);
}

void tst_TipDialog::execResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    NM_Orvane::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.setTitle(QStringLiteral("Exit"));
    dialog.setTipText(QStringLiteral("Exit the Orvane software?"));

    QTimer::singleShot(
        0, &dialog, [&] { QTest::mouseClick(dialog.findChild<QAbstractButton *>(button), Qt::LeftButton); });
    // A dialog that does not end is ended here with a result no row expects.
    QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(tst_TipDialog)
#include "tst_tipdialog.moc"
