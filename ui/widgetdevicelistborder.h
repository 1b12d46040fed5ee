#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class WidgetDeviceListBorder;
}

// The placeholder the capacity panel shows until the first device group is
// added: a picture (from the style sheet) and the "no device" message.
class WidgetDeviceListBorder : public QWidget
{
    Q_OBJECT
public:
    explicit WidgetDeviceListBorder(QWidget *parent = nullptr);
    ~WidgetDeviceListBorder() override;

private:
    std::unique_ptr<Ui::WidgetDeviceListBorder> ui;
};
