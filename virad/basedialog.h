#pragma once

#include <QDialog>
#include <QMetaObject>
#include <QSize>
#include <QString>

#include <memory>

class QAbstractButton;

namespace virad {

class BaseTitle;

namespace Ui {
class BaseDialog;
}

// The kit's frameless dialog: a BaseTitle on top, a content area that shows a
// centred text until a caller installs its own widget, and a bottom bar with
// "Confirm" and "Cancel". The look comes from the application style sheet.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    BaseDialog(bool appButton, bool optionButton, bool minButton, bool maxButton, bool closeButton,
        bool confirmButton, bool cancelButton, QWidget *parent = nullptr);
    ~BaseDialog() override;

    // Replaces the content area; the default text label is deleted.
    void setContentWidget(QWidget *widget);
    // Adds a widget to the bottom bar, left of "Confirm" and "Cancel".
    void addBottomWidget(QWidget *widget);
    // Places the dialog centred over window; nothing happens without one.
    void centreOver(const QWidget *window);
    void addCustomButton(QAbstractButton *button);

    // Also fixes the content area, so the title and bottom bar keep the
    // heights they have now. These hide QWidget's non-virtual overloads; a
    // caller that wants only the window fixed calls QWidget::setFixedSize.
    void setFixedSize(int w, int h);
    void setFixedSize(const QSize &size);

    void setEnableMin(bool enable);
    void setEnableMax(bool enable);
    void setEnableClose(bool enable);
    void setEnableConfirm(bool enable);
    void setEnableCancel(bool enable);

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();
    void signalConfirmButtonClicked();
    void signalCancelButtonClicked();

public slots:
    void setEnableDefaultConnections(
        bool enableMin, bool enableMax, bool enableClose, bool enableConfirm, bool enableCancel);
    void setTitle(QString title);
    void setDefaultText(QString text, int fontSize, bool blod);
    void setDefaultText(QString text, int fontSize);
    void setDefaultText(QString text);
    void setConfirmButtonText(QString text);
    void setCancelButtonText(QString text);
    void setBottomBarHeight(int height);
    void setBottomVisible(bool value);
    void onConfirmBtnClicked();
    void onCancelBtnClicked();

private slots:
    void restoreWindow();

private:
    std::unique_ptr<Ui::BaseDialog> ui;
    BaseTitle *m_title = nullptr;
    // A live connection means the title button's default action is wired.
    QMetaObject::Connection m_enableMin;
    QMetaObject::Connection m_enableMax;
    QMetaObject::Connection m_enableClose;
    bool m_enableConfirm = true;
    bool m_enableCancel = true;
};

} // namespace virad
