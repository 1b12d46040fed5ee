#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QResizeEvent;

namespace NM_Orvane {

namespace Ui {
class DeviceItemWidget;
}

// One row of the device list: a card showing one device group. The figures
// sit in one row on wide cards and in two rows on narrow ones. The delete
// button only asks the list, by signal, to remove the group; the card never
// removes itself.
class DeviceItemWidget : public QWidget
{
    Q_OBJECT
public:
    DeviceItemWidget(QWidget *parent, QString deviceType, QString channelName);
    ~DeviceItemWidget() override;

    // An empty sceneType marks a fixed-rate group.
    void setItemData(int count, QString resolution, QString frameRate, double bitrate, int itemId,
        int channelGroupNumber, QString encodeType, QString sceneType);
    void updateFrameRate(QString frameRate, double bitrate);
    int getItemId();
    void adjustLayout(int width);

signals:
    void signalDeleteClicked(long long itemId, int channelGroupNumber);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void OnDeleteButtonClicked();

private:
    std::unique_ptr<Ui::DeviceItemWidget> ui;
    QString m_strDeviceType;
    QString m_strChannelName;
    int m_iItemId = 0;
    int m_iChannelGroupNumber = 0;
};

} // namespace NM_Orvane
