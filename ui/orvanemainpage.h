#pragma once

#include <QMainWindow>

#include <memory>

class AboutDialog;
class CapacityCalculation;
class DeviceEditor;
class QCloseEvent;
class QHBoxLayout;
class QKeyEvent;
class QResizeEvent;

namespace Ui {
class OrvaneMainPage;
}

namespace virad {
class CoverWidget;
class Menu;
class WindowTitle;
} // namespace virad

// The program's only window: frameless, with its own title bar over a content
// row that holds the device editor and the capacity panel. While a modal
// dialog of the window or its pages runs, a translucent cover lies over it.
class OrvaneMainPage : public QMainWindow
{
    Q_OBJECT
public:
    explicit OrvaneMainPage(QWidget *parent = nullptr);
    ~OrvaneMainPage() override;

    // Wires the pages to each other; called once after construction.
    void initConnections();

signals:
    void signalGetHelp();

public slots:
    void resizeAddBoarder();
    const QObject *getDeviceEditor();
    const QObject *getScenceSelector();
    const QObject *getCapacityCalculation();
    const QObject *getDeviceAddPage();
    const QObject *getDataCalculatorPage();
    const QObject *getDataDisplayPageSize();
    const QObject *getDataDisplayPageTime();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private slots:
    void setCover(bool coverIt);
    void enableCover();
    void disableCover();
    void OnBtnSystemMenu();
    void OnMenuHelpClicked();
    void OnMenuUpdateClicked();

private:
    void initWidgets();

    std::unique_ptr<Ui::OrvaneMainPage> ui;
    QHBoxLayout *m_contentLayout = nullptr;
    virad::WindowTitle *m_windowTitle = nullptr;
    DeviceEditor *m_pDeviceEditor = nullptr;
    CapacityCalculation *m_pCapacityCalculation = nullptr;
    // The about panel is a menu action without a parent; it goes before the
    // menu that shows it, which Qt allows.
    std::unique_ptr<AboutDialog> m_aboutDialog;
    virad::Menu *m_menu = nullptr;
    virad::CoverWidget *m_cover = nullptr;
    bool m_covered = false;
};
