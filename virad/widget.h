#pragma once

#include <QWidget>

class QEvent;
class QPaintEvent;

namespace virad {

// A plain panel that reports mouse presses, double clicks, enter and leave,
// and paints through the style so style-sheet backgrounds apply to it.
class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

signals:
    void signalDoubleClicked();
    void signalMouseClicked();
    void signalMouseEnter();
    void signalMouseLeave();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
};

} // namespace virad
