#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QResizeEvent;

namespace virad {

// Two adjacent checkable buttons, ON and OFF, exactly one of them checked.
// The position is also the string property "checked" ("ON" or "OFF"), so the
// style sheet can select on it; every change re-polishes the switch and its
// buttons for those rules to apply.
class Switch : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString checked READ checked WRITE setChecked NOTIFY checkedChanged
            DESIGNABLE true SCRIPTABLE true STORED true)
public:
    explicit Switch(bool on = true, QWidget *parent = nullptr);
    ~Switch() override;

    QString checked() const;
    void setChecked(const QString &value);

    void setOnText(const QString &text);
    void setOffText(const QString &text);
    void setOnIcon(const QIcon &icon, int size);
    void setOffIcon(const QIcon &icon, int size);

public slots:
    void setSwitch(bool on);
    void switchOn();
    void switchOff();

signals:
    void signalSwitch(bool on);
    void checkedChanged(const QString &_state);
    void signalON();
    void signalOFF();

protected:
    void resizeEvent(QResizeEvent *e) override;

private slots:
    void onBtnsToggled(bool check);

private:
    void setupUi();

    QHBoxLayout *layout = nullptr;
    QPushButton *m_btnON = nullptr;
    QPushButton *m_btnOFF = nullptr;
    bool on;
};

} // namespace virad
