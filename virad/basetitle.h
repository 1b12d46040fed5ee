#pragma once

#include "toolkit/cfancytitle.h"

#include <QIcon>
#include <QString>

#include <memory>

class QAbstractButton;

namespace virad {

namespace Ui {
class BaseTitle;
}

// Title bar of the kit's frameless dialogs. Every button only reports its
// click; the dialog that owns the bar decides what happens. Dragging and
// double-click come from the toolkit title base.
class BaseTitle : public MovraGUIToolkit::CFancyTitle
{
    Q_OBJECT
public:
    BaseTitle(bool appButton, bool optionButton, bool minButton, bool maxButton, bool closeButton,
        QWidget *parent = nullptr);
    ~BaseTitle() override;

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();

public slots:
    void setAppButtonShow(bool showIt);
    void setOptionButtonShow(bool showIt);
    void setMinButtonShow(bool showIt);
    void setMaxButtonShow(bool showIt);
    void setCloseButtonShow(bool showIt);
    void addCustomButton(QAbstractButton *btn);
    void setTitle(QString title);
    void setTitleIcon(QIcon icon);

private:
    std::unique_ptr<Ui::BaseTitle> ui;
};

} // namespace virad
