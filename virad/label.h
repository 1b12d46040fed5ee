#pragma once

#include <QLabel>
#include <QString>

class QEvent;

namespace virad {

// A label with mouse signals whose text is made of two parts, a text and a
// punctuation mark shown right after it.
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString strText READ getStrText WRITE setStrText DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QString strPunctuation READ getStrPunctuation WRITE setStrPunctuation
            DESIGNABLE true SCRIPTABLE true STORED true)
public:
    explicit Label(QWidget *parent = nullptr);
    explicit Label(const QString &text, QWidget *parent = nullptr);
    ~Label() override;

    QString getStrText() const;
    void setStrText(const QString &text);
    QString getStrPunctuation() const;
    void setStrPunctuation(const QString &punctuation);

signals:
    void SignalDoubleClicked();
    void SignalMouseClicked();
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    bool event(QEvent *e) override;

private:
    QString strText;
    QString strPunctuation;
};

} // namespace virad
