#include "virad/basetitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <array>
#include <memory>

namespace {

// Title buttons in constructor-flag order, with the signal each one reports.
const std::array<const char *, 5> kButtonNames = { "btnApp", "btnOption", "btnMin", "btnMax", "btnClose" };

using Flags = std::array<bool, 5>;

struct TitleSpies
{
    explicit TitleSpies(virad::BaseTitle *title)
        : app(title, &virad::BaseTitle::signalAppButtonClicked)
        , option(title, &virad::BaseTitle::signalOptionButtonClicked)
        , min(title, &virad::BaseTitle::signalMinButtonClicked)
        , max(title, &virad::BaseTitle::signalMaxButtonClicked)
        , close(title, &virad::BaseTitle::signalCloseButtonClicked)
    {
    }

    std::array<int, 5> counts() const
    {
        return { int(app.count()), int(option.count()), int(min.count()), int(max.count()),
            int(close.count()) };
    }

    QSignalSpy app;
    QSignalSpy option;
    QSignalSpy min;
    QSignalSpy max;
    QSignalSpy close;
};

QToolButton *button(virad::BaseTitle &title, const char *name)
{
    return title.findChild<QToolButton *>(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(Flags)

class tst_BaseTitle : public QObject
{
    Q_OBJECT

private slots:
    void flagsChooseButtons_data();
    void flagsChooseButtons();
    void showSlotsToggleVisibleAndEnabled();
    void customButtonsSitBeforeOptionButton();
    void titleText();
};

void tst_BaseTitle::flagsChooseButtons_data()
{
    QTest::addColumn<Flags>("flags");
    QTest::newRow("close only") << Flags { false, false, false, false, true };
    QTest::newRow("every button") << Flags { true, true, true, true, true };
    QTest::newRow("no button") << Flags { false, false, false, false, false };
    QTest::newRow("min, max and close") << Flags { false, false, true, true, true };
    QTest::newRow("app and option") << Flags { true, true, false, false, false };
}

// Each flag shows and enables its own button; a click on a shown button
// emits its own signal and no other, and a hidden button cannot be clicked.
void tst_BaseTitle::flagsChooseButtons()
{
    QFETCH(Flags, flags);

    virad::BaseTitle title(flags[0], flags[1], flags[2], flags[3], flags[4]);
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));

    for (size_t i = 0; i < kButtonNames.size(); ++i) {
        QToolButton *btn = button(title, kButtonNames[i]);
        QVERIFY2(btn, kButtonNames[i]);
        QCOMPARE(btn->isVisible(), flags[i]);
        QCOMPARE(btn->isEnabled(), flags[i]);

        TitleSpies spies(&title);
        QTest::mouseClick(btn, Qt::LeftButton);
        std::array<int, 5> expected {};
        expected[i] = flags[i] ? 1 : 0;
        QCOMPARE(spies.counts(), expected);
    }
}

void tst_BaseTitle::showSlotsToggleVisibleAndEnabled()
{
    virad::BaseTitle title(false, false, false, false, false);
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));

    using Setter = void (virad::BaseTitle::*)(bool);
    const std::array<Setter, 5> setters = { &virad::BaseTitle::setAppButtonShow,
        &virad::BaseTitle::setOptionButtonShow, &virad::BaseTitle::setMinButtonShow,
        &virad::BaseTitle::setMaxButtonShow, &virad::BaseTitle::setCloseButtonShow };

    for (size_t i = 0; i < setters.size(); ++i) {
        QToolButton *btn = button(title, kButtonNames[i]);
        (title.*setters[i])(true);
        QVERIFY2(btn->isVisible() && btn->isEnabled(), kButtonNames[i]);
        (title.*setters[i])(false);
        QVERIFY2(!btn->isVisible() && !btn->isEnabled(), kButtonNames[i]);
    }
}

void tst_BaseTitle::customButtonsSitBeforeOptionButton()
{
    QPointer<QToolButton> custom;
    {
        virad::BaseTitle title(true, true, true, true, true);
        title.resize(428, 32);
        custom = new QToolButton;
        custom->setObjectName(QStringLiteral("m_btnCustom"));
        title.addCustomButton(custom);
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));

        QCOMPARE(custom->parentWidget(), &title);
        QVERIFY(custom->isVisible());
        QVERIFY(custom->geometry().right() < button(title, "btnOption")->x());
        QVERIFY(custom->x() > title.findChild<QLabel *>(QStringLiteral("labelTitle"))->x());
    }
    // The bar owns its custom buttons.
    QVERIFY(custom.isNull());
}

void tst_BaseTitle::titleText()
{
    virad::BaseTitle title(true, false, false, false, true);
    auto *label = title.findChild<QLabel *>(QStringLiteral("labelTitle"));
    QVERIFY(label);
    QVERIFY(label->text().isEmpty());
    title.setTitle(QStringLiteral("Update Data"));
    QCOMPARE(label->text(), QStringLiteral("Update Data"));
    QCOMPARE(title.objectName(), QStringLiteral("BaseTitle"));
    QCOMPARE(title.minimumHeight(), 32);
}

QTEST_MAIN(tst_BaseTitle)
#include "tst_basetitle.moc"
