#pragma once

#include <QString>
#include <QWidgetAction>

#include <memory>

class QObject;

namespace virad {

class Widget;

namespace Ui {
class AboutClass;
}

// The kit's about panel, made to sit inside a pop-up menu: an icon, a name
// line, a version line, a corner button and two buttons side by side. The
// panel performs no action itself; its buttons only emit signals.
class CDlgAbout : public QWidgetAction
{
    Q_OBJECT
public:
    explicit CDlgAbout(QObject *parent = nullptr);
    ~CDlgAbout() override;

    void setName(QString name);
    void setVersion(QString version);
    void setBtn1Text(QString text);
    void setBtn2Text(QString text);
    void setConerBtnVisible(bool visible);

    // The build date as the number yyyymmdd.
    static uint buildNumber();
    // `date` as the compiler writes __DATE__ ("Jun 21 2016", "Jun  1 2016");
    // an unknown month name gives 0.
    static uint buildNumber(const char *date);

signals:
    void siganlBtn1Clicked();
    void siganlBtn2Clicked();
    void signalConerBtnClicked();

private:
    Widget *m_panel = nullptr;
    std::unique_ptr<Ui::AboutClass> ui;
};

} // namespace virad
