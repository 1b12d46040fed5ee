#include "virad/coverwidget.h"
#include "virad/label.h"
#include "virad/widget.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// A shown top-level window holding one kit widget, with the kit widget's four
// mouse signals recorded in order.
struct Probe
{
    std::unique_ptr<QWidget> window;
    QWidget *target = nullptr;
    QStringList log;
};

std::unique_ptr<Probe> makeProbe(const QString &kind)
{
    auto probe = std::make_unique<Probe>();
    probe->window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(probe->window.get());
    QStringList &log = probe->log;
    if (kind == QLatin1String("Widget")) {
        auto *w = new virad::Widget(probe->window.get());
        QObject::connect(w, &virad::Widget::signalMouseClicked, w, [&log] { log << "clicked"; });
        QObject::connect(w, &virad::Widget::signalDoubleClicked, w, [&log] { log << "double"; });
        QObject::connect(w, &virad::Widget::signalMouseEnter, w, [&log] { log << "enter"; });
        QObject::connect(w, &virad::Widget::signalMouseLeave, w, [&log] { log << "leave"; });
        probe->target = w;
    } else {
        auto *l = new virad::Label(QStringLiteral("Channels"), probe->window.get());
        QObject::connect(l, &virad::Label::SignalMouseClicked, l, [&log] { log << "clicked"; });
        QObject::connect(l, &virad::Label::SignalDoubleClicked, l, [&log] { log << "double"; });
        QObject::connect(l, &virad::Label::SignalMouseEnter, l, [&log] { log << "enter"; });
        QObject::connect(l, &virad::Label::SignalMouseLeave, l, [&log] { log << "leave"; });
        probe->target = l;
    }
    probe->target->setMinimumSize(120, 40);
    layout->addWidget(probe->target);
    probe->window->resize(200, 100);
    probe->window->show();
    return probe;
}

} // namespace

class tst_ViradLabels : public QObject
{
    Q_OBJECT

private slots:
    void labelParts_data();
    void labelParts();
    void labelPropertiesThroughMetaObject();
    void plainSetTextLeavesParts();
    void doubleClickSignals_data();
    void doubleClickSignals();
    void enterAndLeave_data();
    void enterAndLeave();
    void widgetPaintsStyleSheet();
    void coverFillsItself();
    void coverBlocksClicksBeneath();
};

void tst_ViradLabels::labelParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("punctuation");
    QTest::addColumn<QString>("shown");
    QTest::newRow("word and colon, no space") << "Channels"
                                              << ":"
                                              << "Channels:";
    QTest::newRow("word without punctuation") << "Channels"
                                              << ""
                                              << "Channels";
    QTest::newRow("punctuation alone") << ""
                                       << ":"
                                       << ":";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
}

void tst_ViradLabels::labelParts()
{
    QFETCH(QString, text);
    QFETCH(QString, punctuation);
    QFETCH(QString, shown);

    // Either order of setting the parts gives the same display.
    virad::Label textFirst(nullptr);
    textFirst.setStrText(text);
    textFirst.setStrPunctuation(punctuation);
    QCOMPARE(textFirst.text(), shown);

    virad::Label punctuationFirst(nullptr);
    punctuationFirst.setStrPunctuation(punctuation);
    punctuationFirst.setStrText(text);
    QCOMPARE(punctuationFirst.text(), shown);
    QCOMPARE(punctuationFirst.getStrText(), text);
    QCOMPARE(punctuationFirst.getStrPunctuation(), punctuation);
}

void tst_ViradLabels::labelPropertiesThroughMetaObject()
{
    virad::Label label(QStringLiteral("Channels"), nullptr);
    QCOMPARE(label.property("strText").toString(), QStringLiteral("Channels"));
    QCOMPARE(label.property("strPunctuation").toString(), QString());

    QVERIFY(label.setProperty("strPunctuation", QStringLiteral(":")));
    QCOMPARE(label.text(), QStringLiteral("Channels:"));
    QVERIFY(label.setProperty("strPunctuation", QString()));
    QCOMPARE(label.text(), QStringLiteral("Channels"));

    const QMetaObject *meta = label.metaObject();
    for (const char *name : { "strText", "strPunctuation" }) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        QVERIFY2(property.isReadable() && property.isWritable(), name);
        QVERIFY2(property.isDesignable() && property.isScriptable() && property.isStored(), name);
        QVERIFY2(!property.hasNotifySignal(), name);
    }
}

void tst_ViradLabels::plainSetTextLeavesParts()
{
    virad::Label label(nullptr);
    label.setStrText(QStringLiteral("Channels"));
    label.setStrPunctuation(QStringLiteral(":"));
    label.setText(QStringLiteral("16"));
    QCOMPARE(label.text(), QStringLiteral("16"));
    QCOMPARE(label.getStrText(), QStringLiteral("Channels"));
    QCOMPARE(label.getStrPunctuation(), QStringLiteral(":"));

    // The next part written brings the two-part text back.
    label.setStrPunctuation(QStringLiteral(" :"));
    QCOMPARE(label.text(), QStringLiteral("Channels :"));
}

void tst_ViradLabels::doubleClickSignals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("virad::Widget") << "Widget";
    QTest::newRow("virad::Label") << "Label";
}

// Sent through the window system, a double click is press, release, double
// click, release: the clicked signal comes once, on the first press.
void tst_ViradLabels::doubleClickSignals()
{
    QFETCH(QString, kind);
    auto probe = makeProbe(kind);
    QVERIFY(QTest::qWaitForWindowExposed(probe->window.get()));

    const QPoint centre = probe->target->mapTo(probe->window.get(), probe->target->rect().center());
    QTest::mouseDClick(probe->window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);

    probe->log.removeAll(QStringLiteral("enter"));
    QCOMPARE(probe->log, (QStringList { "clicked", "double" }));
}

void tst_ViradLabels::enterAndLeave_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("eventType");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Widget, enter") << "Widget" << int(QEvent::Enter) << "enter";
    QTest::newRow("Widget, leave") << "Widget" << int(QEvent::Leave) << "leave";
    QTest::newRow("Label, enter") << "Label" << int(QEvent::Enter) << "enter";
    QTest::newRow("Label, leave") << "Label" << int(QEvent::Leave) << "leave";
}

void tst_ViradLabels::enterAndLeave()
{
    QFETCH(QString, kind);
    QFETCH(int, eventType);
    QFETCH(QString, expected);
    auto probe = makeProbe(kind);
    QVERIFY(QTest::qWaitForWindowExposed(probe->window.get()));
    probe->log.clear();

    QEvent event(static_cast<QEvent::Type>(eventType));
    QCoreApplication::sendEvent(probe->target, &event);
    QCOMPARE(probe->log, QStringList { expected });
}

// Without drawing PE_Widget itself a QWidget subclass shows no style-sheet
// background.
void tst_ViradLabels::widgetPaintsStyleSheet()
{
    QWidget window;
    auto *panel = new virad::Widget(&window);
    panel->setObjectName(QStringLiteral("m_panel"));
    window.setStyleSheet(QStringLiteral("virad--Widget#m_panel { background: rgb(0, 128, 0); }"));
    panel->setGeometry(10, 10, 60, 40);
    window.resize(100, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Grab the window: grabbing the panel alone would fill its palette
    // background whether or not the panel paints.
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(panel->geometry().center()), QColor(0, 128, 0));
}

void tst_ViradLabels::coverFillsItself()
{
    virad::CoverWidget cover(nullptr);
    QVERIFY(cover.testAttribute(Qt::WA_TranslucentBackground));
    auto *inner = cover.findChild<QWidget *>(QStringLiteral("m_cover"));
    QVERIFY(inner);
    QCOMPARE(inner->parentWidget(), &cover);

    cover.resize(300, 200);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QCOMPARE(inner->geometry(), cover.rect());
}

// Shown and raised over its owner, the cover takes the press that would
// otherwise reach the button beneath.
void tst_ViradLabels::coverBlocksClicksBeneath()
{
    QWidget window;
    window.resize(300, 200);
    auto *button = new QPushButton(QStringLiteral("Add"), &window);
    button->setObjectName(QStringLiteral("m_btnBeneath"));
    button->setGeometry(50, 50, 100, 40);
    auto *cover = new virad::CoverWidget(&window);
    cover->resize(window.size());
    cover->hide();
    cover->lower();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy buttonSpy(button, &QPushButton::clicked);
    QSignalSpy coverSpy(cover, &virad::Widget::signalMouseClicked);
    const QPoint onButton = button->geometry().center();

    // The same click reaches the button while the cover is down...
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onButton);
    QCOMPARE(buttonSpy.count(), 1);

    // ...and the cover once it is up.
    cover->show();
    cover->move(0, 0);
    cover->raise();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onButton);
    QCOMPARE(buttonSpy.count(), 1);
    QCOMPARE(coverSpy.count(), 1);
}

QTEST_MAIN(tst_ViradLabels)
#include "tst_viradlabels.moc"
