#include "catalogue/deviceinfomanager.h"

#include "catalogue/deviceconfigreader.h"

DeviceInfoManager::DeviceInfoManager(QObject *parent)
    : QObject(parent)
    , m_iNextChannelGroupNumber(1)
{
    m_pDeviceConfigReader = std::make_unique<DeviceConfigReader>();

    m_lstDeviceTypeNames << tr("IPC") << tr("DVR");

    // The reader's current tables are the "H.264" ones; the lists stay so
    // whatever encoding the editor picks later.
    QStringList ipcResolutions;
    m_pDeviceConfigReader->getResolutionNames(ipcResolutions, 1);
    QStringList dvrResolutions;
    m_pDeviceConfigReader->getResolutionNames(dvrResolutions, 2);
    m_lstResolutionNames << ipcResolutions << dvrResolutions;

    m_pDeviceConfigReader->readScenceNames(m_vecScenceNames);
}

DeviceInfoManager::~DeviceInfoManager() = default;

QStringList DeviceInfoManager::getDeviceTypeNames() const
{
    return m_lstDeviceTypeNames;
}

QStringList DeviceInfoManager::getResolutionNames(int table) const
{
    Q_ASSERT(table == 1 || table == 2);
    if (table != 1 && table != 2)
        return QStringList();
    return m_lstResolutionNames.at(table - 1);
}

QVector<QString> DeviceInfoManager::getScenceNames() const
{
    return m_vecScenceNames;
}

QString DeviceInfoManager::getScenceName(int index) const
{
    Q_ASSERT(index >= 0 && index < m_vecScenceNames.size());
    return m_vecScenceNames.value(index);
}

QString DeviceInfoManager::getScencePicture(
    const QString &scence, const QString &encoding, const QString &resolution) const
{
    return m_pDeviceConfigReader->getScencePicture(scence, encoding, resolution);
}

int DeviceInfoManager::getScenceRecommandRate(
    const QString &scence, const QString &encoding, const QString &resolution) const
{
    return m_pDeviceConfigReader->getScenceRecommandRate(scence, encoding, resolution);
}

QStringList DeviceInfoManager::getFrameRates(int standard) const
{
    QStringList frameRates;
    m_pDeviceConfigReader->getFrameRates(frameRates, standard);
    return frameRates;
}

int DeviceInfoManager::allocateChannelGroupNumber()
{
    int number = m_iNextChannelGroupNumber;
    while (m_vecUsedChannelGroupNumbers.contains(number))
        ++number;
    m_vecUsedChannelGroupNumbers.append(number);
    m_iNextChannelGroupNumber = number + 1;
    return number;
}

void DeviceInfoManager::releaseChannelGroupNumber(int number)
{
    if (number == 0) {
        m_vecUsedChannelGroupNumbers.clear();
        m_iNextChannelGroupNumber = 1;
        return;
    }
    // Numbers are positive; taking a negative one as the next start would
    // hand it out.
    Q_ASSERT(number > 0);
    if (number < 0)
        return;
    m_vecUsedChannelGroupNumbers.removeOne(number);
    // Lowering the start keeps the numbers handed out the smallest free ones.
    if (number <= m_iNextChannelGroupNumber)
        m_iNextChannelGroupNumber = number;
}
