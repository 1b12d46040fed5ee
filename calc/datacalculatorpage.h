#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class QObject;
class QResizeEvent;

namespace Ui {
class DataCalculatorPage;
}

// The storage calculator: a switch chooses between "Calculate Time" (disk
// size to days, weeks and months) and "Calculate Size" (retention time to
// disk capacity). The page keeps the last total bitrate of all device groups
// and recomputes only the visible page whenever that bitrate or one of its
// inputs changes; results leave as text through setTime and setDiskSize.
// Every out-of-range or degenerate case is shown as zeros.
class DataCalculatorPage : public QWidget
{
    Q_OBJECT
public:
    explicit DataCalculatorPage(QWidget *parent = nullptr);
    ~DataCalculatorPage() override;

signals:
    void setDiskSize(const QString &size, const QString &unit);
    void setTime(const QString &day, const QString &week, const QString &month);

public slots:
    QObject *getDataDisplayPageSize();
    QObject *getDataDisplayPageTime();
    void OnSwitchBarChanged(bool state);
    void OnDeviceChanged(double dTotalBitrate);

protected:
    void resizeEvent(QResizeEvent *e) override;

private slots:
    void OnCalculateTypeSelectedChanged(int index);
    void OnCalculateTimeDataChanged();
    void OnCalculateDiskSizeDataChanged();

private:
    void setSwitchIcons(const QString &onIcon, const QString &offIcon);

    std::unique_ptr<Ui::DataCalculatorPage> ui;
    std::unique_ptr<BitrateCalculator> m_pCalculator;
    double m_dTotalBitrate = 0.0;
};
