// Screenshot driver for the user manual and the look review.
//
// It starts Orvane the way app/main.cpp does, from a staged program folder,
// then works the real widgets by their object names, one step at a time on
// timers, and saves the screen after each step. Modal dialogs are handled by a
// timer armed before the click that opens them: it takes the picture inside
// the dialog's own event loop and then closes the dialog.
//
//   orvane_shots --stage <program folder> --out <folder> --prefix <en|zh>
//
// Pictures are named "<prefix>-<state>.png". The exit code is 0 when every
// step found its widgets and every checked figure was right.

#include "app/startgeometry.h"
#include "app/toolsapplication.h"
#include "toolkit/targetpath.h"
#include "ui/orvanemainpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QCursor>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPair>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVector>

#include <functional>
#include <memory>

namespace {

// Pause after each step, long enough for layouts and repaints to settle.
constexpr int kSettleMs = 700;
// Whole run; a dialog that never closes must not keep the display busy.
constexpr int kWatchdogMs = 180000;

struct Options
{
    QString stage;
    QString out;
    QString prefix;
    bool highDpiPixmaps = false;
};

class ShotDriver
{
public:
    ShotDriver(OrvaneMainPage *window, const Options &options)
        : m_window(window)
        , m_options(options)
    {
    }

    int failures() const { return m_failures; }

    void start()
    {
        buildScript();
        QTimer::singleShot(1500, m_window, [this] { runNext(); });
        QTimer::singleShot(kWatchdogMs, m_window, [this] {
            fail(QStringLiteral("watchdog: the run took too long"));
            QCoreApplication::exit(2);
        });
    }

private:
    using Step = std::function<void()>;

    void add(const QString &name, Step step) { m_steps.append({ name, std::move(step) }); }

    void runNext()
    {
        if (m_next >= m_steps.size())
            return;
        const auto &step = m_steps.at(m_next++);
        qInfo().noquote() << "step:" << step.first;
        step.second();
        QTimer::singleShot(kSettleMs, m_window, [this] { runNext(); });
    }

    void fail(const QString &what)
    {
        ++m_failures;
        qWarning().noquote() << "FAILED:" << what;
    }

    template <typename T> T *find(const QString &name, QObject *root = nullptr)
    {
        T *widget = (root ? root : m_window)->findChild<T *>(name);
        if (!widget)
            fail(QStringLiteral("no widget \"%1\"").arg(name));
        return widget;
    }

    static QRect globalRect(const QWidget *widget)
    {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }

    QRect windowRect() const { return m_window->frameGeometry(); }

    // The root window, so dialogs and menus over the main window are in it.
    static QPixmap grabScreen()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        return QGuiApplication::primaryScreen()->grabWindow(0);
    }

    void save(const QString &state, const QRect &logical)
    {
        const QPixmap screen = grabScreen();
        const qreal ratio = screen.devicePixelRatio();
        const QRect screenRect(QPoint(0, 0), screen.size() / ratio);
        const QRect area = logical.intersected(screenRect);
        const QRect device(QPoint(qRound(area.x() * ratio), qRound(area.y() * ratio)),
            QSize(qRound(area.width() * ratio), qRound(area.height() * ratio)));
        QPixmap picture = screen.copy(device);
        picture.setDevicePixelRatio(1.0);
        const QString path
            = QDir(m_options.out)
                  .filePath(m_options.prefix + QLatin1Char('-') + state + QStringLiteral(".png"));
        if (picture.isNull() || !picture.save(path))
            fail(QStringLiteral("could not save %1").arg(path));
        else
            qInfo().noquote() << "saved" << path << picture.width() << "x" << picture.height();
    }

    void saveWindow(const QString &state) { save(state, windowRect()); }

    // A part of the window with a little of its surroundings.
    void saveWidget(const QString &state, const QWidget *widget, int margin = 8)
    {
        save(state, globalRect(widget).adjusted(-margin, -margin, margin, margin).intersected(windowRect()));
    }

    // A dialog with a margin of the dimmed window around it.
    void saveDialog(const QString &state, QWidget *dialog, int margin = 16)
    {
        save(state, globalRect(dialog).adjusted(-margin, -margin, margin, margin));
    }

    // Arms the handler of a modal dialog that `open` is about to start; the
    // handler runs inside the dialog's event loop.
    void whileModal(
        int delay, const std::function<void(QDialog *)> &handler, const std::function<void()> &open)
    {
        QTimer::singleShot(delay, m_window, [this, handler] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                fail(QStringLiteral("the expected dialog did not open"));
                return;
            }
            handler(dialog);
        });
        open();
    }

    void setText(const QString &name, const QString &text)
    {
        if (auto *edit = find<QLineEdit>(name)) {
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    }

    void pick(const QString &comboName, const QString &text)
    {
        auto *combo = find<QComboBox>(comboName);
        if (!combo)
            return;
        const int index = combo->findText(text);
        if (index < 0) {
            fail(QStringLiteral("\"%1\" has no entry \"%2\"").arg(comboName, text));
            return;
        }
        combo->setCurrentIndex(index);
    }

    void pickIndex(const QString &comboName, int index)
    {
        auto *combo = find<QComboBox>(comboName);
        if (!combo)
            return;
        if (index >= combo->count()) {
            fail(QStringLiteral("\"%1\" has no entry %2").arg(comboName).arg(index));
            return;
        }
        combo->setCurrentIndex(index);
    }

    void click(const QString &name, QObject *root = nullptr)
    {
        if (auto *button = find<QAbstractButton>(name, root))
            button->click();
    }

    void clickScene(int position)
    {
        auto *list = find<QListWidget>(QStringLiteral("m_listWidgetScences"));
        if (!list)
            return;
        if (position >= list->count()) {
            fail(QStringLiteral("no scene %1").arg(position));
            return;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(list->itemWidget(list->item(position))))
            button->click();
    }

    // Fills the editor and adds one group, the way a user does.
    void addGroup(const QString &channelName, const QString &counts, int deviceType,
        const QString &resolution, const QString &frameRate, const QString &encoding)
    {
        click(QStringLiteral("m_radioButtonFixedRate"));
        pickIndex(QStringLiteral("m_comboBoxDeviceType"), deviceType);
        pick(QStringLiteral("m_comboBoxResolution"), resolution);
        pick(QStringLiteral("m_comboxFrameRate"), frameRate);
        pick(QStringLiteral("m_comboxEncodingType"), encoding);
        setText(QStringLiteral("m_lineEditChannelName"), channelName);
        setText(QStringLiteral("m_lineEditChannelCounts"), counts);
        click(QStringLiteral("m_btnAddDevice"));
    }

    void addVarGroup(const QString &channelName, const QString &counts, int scene, int resolutionIndex)
    {
        click(QStringLiteral("m_radioButtonVarRate"));
        clickScene(scene);
        pickIndex(QStringLiteral("m_comboBoxResolution"), resolutionIndex);
        setText(QStringLiteral("m_lineEditChannelName"), channelName);
        setText(QStringLiteral("m_lineEditChannelCounts"), counts);
        click(QStringLiteral("m_btnAddDevice"));
    }

    // The figure a result label shows, without its markup.
    QString figure(const QString &labelName)
    {
        QLabel *label = find<QLabel>(labelName);
        if (!label)
            return QString();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText().simplified();
    }

    void expect(const QString &labelName, const QString &wanted)
    {
        const QString shown = figure(labelName);
        if (shown != wanted)
            fail(QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(labelName, shown, wanted));
    }

    void expectText(const QString &editName, const QString &wanted)
    {
        if (auto *edit = find<QLineEdit>(editName)) {
            if (edit->text() != wanted)
                fail(QStringLiteral("%1 is \"%2\", expected \"%3\"").arg(editName, edit->text(), wanted));
        }
    }

    void pressKey(int key)
    {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = m_window;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }

    void focus(const QString &name)
    {
        if (auto *widget = find<QWidget>(name))
            widget->setFocus(Qt::TabFocusReason);
    }

    QWidget *editor() { return find<QWidget>(QStringLiteral("DeviceEditor")); }

    void buildScript()
    {
        const bool zh = m_options.prefix == QLatin1String("zh");

        add(QStringLiteral("start"), [this] { saveWindow(QStringLiteral("start")); });

        // Keyboard focus, for the look review.
        add(QStringLiteral("focus on a field"), [this] { focus(QStringLiteral("m_lineEditChannelCounts")); });
        add(QStringLiteral("focus-field"), [this] {
            if (QWidget *w = editor())
                saveWidget(QStringLiteral("focus-field"), w);
        });
        add(QStringLiteral("focus on a radio button"),
            [this] { focus(QStringLiteral("m_radioButtonVarRate")); });
        add(QStringLiteral("focus-radio"), [this] {
            if (QWidget *w = editor())
                saveWidget(QStringLiteral("focus-radio"), w);
        });
        add(QStringLiteral("focus on the add button"), [this] { focus(QStringLiteral("m_btnAddDevice")); });
        add(QStringLiteral("focus-add"), [this] {
            if (QWidget *w = editor())
                saveWidget(QStringLiteral("focus-add"), w);
        });
        add(QStringLiteral("drop focus"), [this] { m_window->setFocus(Qt::OtherFocusReason); });

        // Variable rate with the scene picture.
        add(QStringLiteral("variable rate"), [this] {
            click(QStringLiteral("m_radioButtonVarRate"));
            clickScene(1);
        });
        add(QStringLiteral("varrate"), [this] {
            if (QWidget *w = editor())
                saveWidget(QStringLiteral("varrate"), w);
        });

        // An open drop-down list, for the look review.
        add(QStringLiteral("open the resolution list"), [this] {
            if (auto *combo = find<QComboBox>(QStringLiteral("m_comboBoxResolution")))
                combo->showPopup();
        });
        add(QStringLiteral("combo"), [this] {
            saveWindow(QStringLiteral("combo"));
            if (auto *combo = find<QComboBox>(QStringLiteral("m_comboBoxResolution")))
                combo->hidePopup();
        });

        // The worked example of the manual: one IPC and one DVR channel, both
        // CIF, 25 fps, H.265 (256 kbps each).
        add(QStringLiteral("add the IPC group"), [this, zh] {
            addGroup(zh ? QStringLiteral("入口") : QStringLiteral("Entrance"), QStringLiteral("1"), 0,
                QStringLiteral("CIF"), QStringLiteral("25"), QStringLiteral("H.265"));
        });
        add(QStringLiteral("add the DVR group"), [this, zh] {
            expectText(QStringLiteral("m_lineEditScenceRecommandRate"), QStringLiteral("256"));
            addGroup(zh ? QStringLiteral("录像机") : QStringLiteral("Recorder"), QStringLiteral("1"), 1,
                QStringLiteral("CIF"), QStringLiteral("25"), QStringLiteral("H.265"));
        });
        add(QStringLiteral("cards"), [this] {
            expectText(QStringLiteral("m_lineEditScenceRecommandRate"), QStringLiteral("256"));
            expect(QStringLiteral("m_labelByDay"), QStringLiteral("704"));
            expect(QStringLiteral("m_labelByWeek"), QStringLiteral("100"));
            expect(QStringLiteral("m_labelByMonth"), QStringLiteral("23"));
            saveWindow(QStringLiteral("cards"));
        });

        // Calculate Size at its defaults, 1 WEEK and 24 h.
        add(QStringLiteral("calculate size"), [this] {
            if (QWidget *bar = find<QWidget>(QStringLiteral("m_topTabBar")))
                click(QStringLiteral("m_btnOFF"), bar);
        });
        add(QStringLiteral("size"), [this] {
            expect(QStringLiteral("m_labelDisplaySize"), QStringLiteral("40 GB"));
            if (QWidget *page = find<QWidget>(QStringLiteral("m_dataCalculatorPage")))
                saveWidget(QStringLiteral("size"), page);
        });
        add(QStringLiteral("calculate time"), [this] {
            if (QWidget *bar = find<QWidget>(QStringLiteral("m_topTabBar")))
                click(QStringLiteral("m_btnON"), bar);
        });

        // A longer list with both kinds of group.
        add(QStringLiteral("add more groups"), [this, zh] {
            addVarGroup(zh ? QStringLiteral("停车场") : QStringLiteral("Parking"), QStringLiteral("4"), 2, 1);
            addVarGroup(zh ? QStringLiteral("走廊") : QStringLiteral("Corridor"), QStringLiteral("8"), 6, 0);
            addGroup(zh ? QStringLiteral("仓库") : QStringLiteral("Warehouse"), QStringLiteral("4"), 0,
                QStringLiteral("1080P"), QStringLiteral("15"), QStringLiteral("H.264"));
            addGroup(zh ? QStringLiteral("前台") : QStringLiteral("Front Desk"), QStringLiteral("4"), 1,
                QStringLiteral("960H"), QStringLiteral("25"), QStringLiteral("H.264"));
            // A disk that holds this installation for about a month.
            setText(QStringLiteral("m_lineEditGT"), QStringLiteral("16"));
        });
        add(QStringLiteral("list"), [this] { saveWindow(QStringLiteral("list")); });

        // The editor folded away.
        add(QStringLiteral("fold the editor"), [this] { click(QStringLiteral("m_checkBoxSpread")); });
        add(QStringLiteral("collapsed"), [this] {
            saveWindow(QStringLiteral("collapsed"));
            click(QStringLiteral("m_checkBoxSpread"));
        });

        // The whole screen, as a maximised window would be.
        add(QStringLiteral("widen the window"), [this] {
            m_normalGeometry = m_window->geometry();
            m_window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        });
        add(QStringLiteral("wide"), [this] {
            saveWindow(QStringLiteral("wide"));
            m_window->setGeometry(m_normalGeometry);
        });

        // The clear question, answered with Cancel.
        add(QStringLiteral("clear"), [this] {
            whileModal(
                1000,
                [this](QDialog *dialog) {
                    saveWindow(QStringLiteral("clear"));
                    saveDialog(QStringLiteral("clear-dialog"), dialog);
                    click(QStringLiteral("btnCancel"), dialog);
                },
                [this] { click(QStringLiteral("m_btnClear")); });
        });

        // F1 with no manual in the current folder gives the hint.
        add(QStringLiteral("hint"), [this] {
            QDir::setCurrent(m_emptyFolder.path());
            whileModal(
                1000,
                [this](QDialog *dialog) {
                    saveWindow(QStringLiteral("hint"));
                    dialog->reject();
                },
                [this] { pressKey(Qt::Key_F1); });
            QDir::setCurrent(m_options.stage);
        });

        // The system menu, opened with the pointer on its button.
        add(QStringLiteral("open the system menu"), [this] {
            auto *button = find<QToolButton>(QStringLiteral("m_btnSystemMenu"));
            if (!button)
                return;
            QCursor::setPos(button->mapToGlobal(button->rect().center()));
            button->click();
        });
        add(QStringLiteral("menu"), [this] {
            auto *menu = find<QMenu>(QStringLiteral("aboutMenu"));
            auto *button = find<QToolButton>(QStringLiteral("m_btnSystemMenu"));
            if (!menu || !button)
                return;
            if (!menu->isVisible())
                fail(QStringLiteral("the system menu is not open"));
            // From the window's top edge, so the title bar and its button show.
            const QRect area = menu->geometry().united(globalRect(button)).adjusted(-16, 0, 16, 16);
            save(QStringLiteral("menu"),
                QRect(QPoint(area.left(), windowRect().top()), area.bottomRight()).intersected(windowRect()));
        });

        // Update Data through the about panel's second button, then a template
        // export to a temporary file so the result line shows.
        add(QStringLiteral("update"), [this] {
            auto *menu = find<QMenu>(QStringLiteral("aboutMenu"));
            if (!menu)
                return;
            QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
            whileModal(
                1000,
                [this](QDialog *dialog) {
                    saveDialog(QStringLiteral("update-empty"), dialog);
                    const QString target
                        = QDir(m_emptyFolder.path()).filePath(QStringLiteral("Template.csv"));
                    whileModal(
                        1000,
                        [this, target](QDialog *fileDialog) {
                            saveWindow(QStringLiteral("filedialog"));
                            auto *files = qobject_cast<QFileDialog *>(fileDialog);
                            if (!files) {
                                fail(QStringLiteral("the save dialog is not a file dialog"));
                                fileDialog->reject();
                                return;
                            }
                            files->selectFile(target);
                            // Through QDialog: the file dialog's own accept() is protected.
                            fileDialog->accept();
                        },
                        [this, dialog] { click(QStringLiteral("m_btnExport"), dialog); });
                    if (!QFileInfo::exists(target))
                        fail(QStringLiteral("the template was not written"));
                    QTimer::singleShot(kSettleMs, dialog, [this, dialog] {
                        saveDialog(QStringLiteral("update"), dialog);
                        dialog->reject();
                    });
                },
                [this, menu] { click(QStringLiteral("aboutbtn2"), menu); });
        });

        // Last: the exit question, answered with Confirm, which ends the run.
        add(QStringLiteral("exit"), [this] {
            whileModal(
                1000,
                [this](QDialog *dialog) {
                    saveWindow(QStringLiteral("exit"));
                    saveDialog(QStringLiteral("exit-dialog"), dialog);
                    click(QStringLiteral("btnConfirm"), dialog);
                },
                [this] { click(QStringLiteral("m_btnClose")); });
        });
    }

    OrvaneMainPage *m_window;
    Options m_options;
    QVector<QPair<QString, Step>> m_steps;
    int m_next = 0;
    int m_failures = 0;
    QRect m_normalGeometry;
    QTemporaryDir m_emptyFolder;
};

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOption(
        { QStringLiteral("stage"), QStringLiteral("Staged program folder."), QStringLiteral("dir") });
    parser.addOption(
        { QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("dir") });
    parser.addOption({ QStringLiteral("prefix"), QStringLiteral("Picture name prefix (en, zh)."),
        QStringLiteral("name") });
    parser.addOption({ QStringLiteral("hidpi-pixmaps"),
        QStringLiteral("Draw pictures from their @2x files on scaled screens.") });
    parser.process(arguments);
    Options options;
    options.stage = QDir(parser.value(QStringLiteral("stage"))).absolutePath();
    options.out = QDir(parser.value(QStringLiteral("out"))).absolutePath();
    options.prefix = parser.value(QStringLiteral("prefix"));
    options.highDpiPixmaps = parser.isSet(QStringLiteral("hidpi-pixmaps"));
    if (options.prefix.isEmpty())
        options.prefix = QStringLiteral("en");
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    auto app = std::make_unique<apt::ToolsApplication>(QObject::tr("Orvane"), argc, argv);
    QCoreApplication::setApplicationName(QObject::tr("Orvane"));

    const Options options = parseOptions(QCoreApplication::arguments());
    if (!QFileInfo(options.stage).isDir() || !QDir().mkpath(options.out)) {
        qCritical().noquote()
            << "usage: orvane_shots --stage <program folder> --out <folder> --prefix <en|zh>";
        return 1;
    }

    if (options.highDpiPixmaps)
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);

    // The driver lives outside the program folder, so the folder is named
    // explicitly where the program would use its own location.
    QDir::setCurrent(options.stage);
    MovraGUIToolkit::SetTargetPathOverride(options.stage);
    QCoreApplication::addLibraryPath(
        QDir::toNativeSeparators(options.stage) + QDir::separator() + QStringLiteral("plugins"));

    if (!app->startCheck()) {
        qCritical() << "the start steps refused to start (another instance running?)";
        app.reset();
        return -1;
    }

    auto window = std::make_unique<OrvaneMainPage>(nullptr);
    window->initConnections();

    apt::placeAtStart(window.get());

    // Keep the pointer off the window so nothing shows a hover state.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());

    window->show();
    // A desktop's window manager activates a newly shown window; the bare
    // virtual display has none.
    window->activateWindow();

    ShotDriver driver(window.get(), options);
    driver.start();

    const int result = QApplication::exec();
    window.reset();
    app.reset();
    if (result != 0)
        return result;
    return driver.failures() == 0 ? 0 : 3;
}
