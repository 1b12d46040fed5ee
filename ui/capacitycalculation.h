#pragma once

#include <QWidget>

#include <memory>

class DataCalculatorPage;
class DeviceAddPage;
class QObject;
class WidgetDeviceListBorder;

namespace Ui {
class CapacityCalculation;
}

// The right-hand panel of the main window: the device list and the
// calculator page side by side under a title with a "Clear" button, or a
// placeholder until the first device group is added.
class CapacityCalculation : public QWidget
{
    Q_OBJECT
public:
    explicit CapacityCalculation(QWidget *parent = nullptr);
    ~CapacityCalculation() override;

    DeviceAddPage *getDeviceAddPage();
    DataCalculatorPage *getDataCalculatorPage();
    QObject *getDataDisplayPageSize();
    QObject *getDataDisplayPageTime();

signals:
    void signalClear();

public slots:
    void showNullPage();
    void showNormalPage();

private:
    void clearBorder();

    std::unique_ptr<Ui::CapacityCalculation> ui;
    QWidget *m_pNormalPage = nullptr;
    WidgetDeviceListBorder *m_pNullPage = nullptr;
};
