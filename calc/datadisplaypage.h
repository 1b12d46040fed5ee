#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DataDisplayPage;
}

// Shows how long video can be kept, by day, week and month. It computes
// nothing: the calculator page hands it finished figures.
class DataDisplayPage : public QWidget
{
    Q_OBJECT
public:
    explicit DataDisplayPage(QWidget *parent = nullptr);
    ~DataDisplayPage() override;

public slots:
    void displayTime(const QString &day, const QString &week, const QString &month);

private:
    std::unique_ptr<Ui::DataDisplayPage> ui;
    QString m_strDayTemplate;
    QString m_strWeekMonthTemplate;
};
