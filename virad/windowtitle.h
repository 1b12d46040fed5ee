#pragma once

#include "toolkit/cfancytitle.h"

#include <QIcon>
#include <QString>

class QLabel;
class QMouseEvent;
class QToolButton;

namespace virad {

// Title bar of the main window. Unlike BaseTitle its buttons act on the
// window directly; the maximise button swaps its object name between
// "m_btnMaximize" and "m_btnResore" so the style sheet can draw the state.
class WindowTitle : public MovraGUIToolkit::CFancyTitle
{
    Q_OBJECT
public:
    explicit WindowTitle(QWidget *parent = nullptr);
    ~WindowTitle() override;

    void setTitle(QString title);
    void setTitleIcon(QIcon icon);

signals:
    void signalCloseApp();
    void signalSystemMenu();

protected:
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private slots:
    void minimizeWindow();
    void maxOrRestoreWindow();
    void closeWindow();
    void displaySyetemMenu();

private:
    QLabel *m_labelTitle = nullptr;
    QToolButton *m_btnIcon = nullptr;
    QToolButton *m_btnMinimize = nullptr;
    QToolButton *m_btnMaximize = nullptr;
    QToolButton *m_btnClose = nullptr;
    QToolButton *m_btnSystemMenu = nullptr;
};

} // namespace virad
