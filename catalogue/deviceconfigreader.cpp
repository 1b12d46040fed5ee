#include "catalogue/deviceconfigreader.h"

#include "toolkit/targetpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using MovraGUIToolkit::GetTargetPathFile;

namespace {

// Columns of a scene table row.
enum ScenceColumn { ScenceName = 0, ScenceEncoding, ScenceResolution, ScenceRate, ScencePicture };
constexpr int ScenceColumnCount = 5;

// A comma-separated text table read the way every catalogue table is read:
// the locale's codec, line ends removed, empty lines skipped, no quoting and
// no trimming, empty fields kept.
class TextTable
{
public:
    explicit TextTable(const QString &path)
        : m_file(path)
    {
    }

    bool open()
    {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        m_stream.setDevice(&m_file);
        return true;
    }

    void skipLine() { m_stream.readLine(); }

    bool nextRow(QStringList &fields)
    {
        QString line;
        while (m_stream.readLineInto(&line)) {
            if (line.isEmpty())
                continue;
            fields = line.split(QLatin1Char(','));
            return true;
        }
        return false;
    }

private:
    QFile m_file;
    QTextStream m_stream;
};

bool openScenceTable(TextTable &table)
{
    if (!table.open())
        return false;
    // The first line is a header, whatever it holds.
    table.skipLine();
    return true;
}

// Scene tables name pictures by the path they were imported from; only the
// file name counts, and the picture lives in "ScenePicture".
QString scencePicturePath(const QString &picture)
{
    return GetTargetPathFile(QStringLiteral("ScenePicture")) + QLatin1Char('/')
        + DeviceConfigReader::scencePictureName(picture);
}

} // namespace

DeviceConfigReader::DeviceConfigReader()
    : m_strIpcXmlPath(GetTargetPathFile(QStringLiteral("IPCBitrateConfig.xml")))
    , m_strDvrXmlPath(GetTargetPathFile(QStringLiteral("DVRBitrateConfig.xml")))
    , m_strFramePath(GetTargetPathFile(QStringLiteral("Frame.xml")))
    , m_strScenceFilePath(GetTargetPathFile(QStringLiteral("Scene.csv")))
    , m_strCurrentEncoding(QStringLiteral("H.264"))
{
    readXmlFiles();
    readBitrateFolder(QStringLiteral("IPCBitrate"), m_mapIpcTables, &m_lstEncodingTypes);
    readBitrateFolder(QStringLiteral("DVRBitrate"), m_mapDvrTables, nullptr);
    // The tables in use come from the folders; the XML rows read above are
    // replaced here.
    m_vecIpcBitrateItems = m_mapIpcTables[m_strCurrentEncoding];
    m_vecDvrBitrateItems = m_mapDvrTables[m_strCurrentEncoding];
}

void DeviceConfigReader::readXmlFiles()
{
    // The XML files are read in a fixed order and the first one that cannot
    // be opened ends the reading, so "Frame.xml" is read only after both
    // bitrate files.
    if (!load(m_strIpcXmlPath))
        return;
    for (XmlElement row = childElement(0); !row.isNull(); row = row.nextSiblingElement()) {
        StructBitrateItem item;
        item.strResolution = row.firstDescendant(QStringLiteral("Resolution")).text();
        if (item.strResolution.isEmpty())
            continue;
        item.iBitrate = row.firstDescendant(QStringLiteral("Bitrate")).text().toInt();
        m_vecIpcBitrateItems.append(item);
    }

    if (!load(m_strDvrXmlPath))
        return;
    for (XmlElement row = childElement(0); !row.isNull(); row = row.nextSiblingElement()) {
        StructBitrateItem item;
        item.strResolution = row.firstDescendant(QStringLiteral("Resolution")).text();
        item.iBitrate = row.firstDescendant(QStringLiteral("Bitrate")).text().toInt();
        m_vecDvrBitrateItems.append(item);
    }

    if (!load(m_strFramePath))
        return;
    const XmlElement ntsc = firstDescendant(QStringLiteral("NTSC"));
    for (XmlElement entry = ntsc.childElement(0); !entry.isNull(); entry = entry.nextSiblingElement())
        m_lstNtscFrameRates.append(entry.text());
    const XmlElement pal = firstDescendant(QStringLiteral("PAL"));
    for (XmlElement entry = pal.childElement(0); !entry.isNull(); entry = entry.nextSiblingElement())
        m_lstPalFrameRates.append(entry.text());
}

void DeviceConfigReader::readBitrateFolder(
    const QString &folderName, QMap<QString, QVector<StructBitrateItem>> &tables, QStringList *encodingNames)
{
    const QDir folder(GetTargetPathFile(folderName));
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : files) {
        TextTable file(info.filePath());
        if (!file.open())
            continue;
        QVector<StructBitrateItem> rows;
        QStringList fields;
        while (file.nextRow(fields)) {
            if (fields.size() < 2)
                continue;
            StructBitrateItem item;
            item.strResolution = fields.at(0);
            item.iBitrate = fields.at(1).toInt();
            rows.append(item);
        }
        // The name is everything before the last dot: "H.264.csv" is "H.264".
        const QString encoding = info.completeBaseName();
        tables.insert(encoding, rows);
        if (encodingNames)
            encodingNames->append(encoding);
    }
}

QMap<QString, QVector<StructBitrateItem>> &DeviceConfigReader::tablesOf(int table)
{
    return table == 1 ? m_mapIpcTables : m_mapDvrTables;
}

QStringList DeviceConfigReader::getEncodingTypes() const
{
    return m_lstEncodingTypes;
}

void DeviceConfigReader::getResolutionNames(QStringList &names, int table) const
{
    const QVector<StructBitrateItem> &rows = table == 1 ? m_vecIpcBitrateItems : m_vecDvrBitrateItems;
    for (const StructBitrateItem &row : rows)
        names.append(row.strResolution);
}

void DeviceConfigReader::setEncoding(const QString &encoding)
{
    m_strCurrentEncoding = encoding;
}

int DeviceConfigReader::getTableBitrate(const QString &resolution, int table)
{
    const QVector<StructBitrateItem> &rows = tablesOf(table)[m_strCurrentEncoding];
    for (const StructBitrateItem &row : rows) {
        if (row.strResolution == resolution)
            return row.iBitrate;
    }
    return 0;
}

void DeviceConfigReader::getFrameRates(QStringList &frameRates, int standard) const
{
    frameRates = standard == 0 ? m_lstPalFrameRates : m_lstNtscFrameRates;
}

bool DeviceConfigReader::readScenceNames(QVector<QString> &names) const
{
    TextTable file(m_strScenceFilePath);
    if (!openScenceTable(file))
        return false;
    QStringList fields;
    while (file.nextRow(fields)) {
        // A short row still names its scene.
        if (!names.contains(fields.at(ScenceName)))
            names.append(fields.at(ScenceName));
    }
    return true;
}

bool DeviceConfigReader::getScenceResolutions(const QString &scence, QStringList &resolutions) const
{
    TextTable file(m_strScenceFilePath);
    if (!openScenceTable(file))
        return false;
    QStringList fields;
    while (file.nextRow(fields)) {
        if (fields.size() < ScenceColumnCount)
            return false;
        if (fields.at(ScenceName) == scence && !resolutions.contains(fields.at(ScenceResolution)))
            resolutions.append(fields.at(ScenceResolution));
    }
    return true;
}

bool DeviceConfigReader::getScenceEncodings(
    const QString &scence, const QString &resolution, QStringList &encodings) const
{
    TextTable file(m_strScenceFilePath);
    if (!openScenceTable(file))
        return false;
    QStringList fields;
    while (file.nextRow(fields)) {
        if (fields.size() < ScenceColumnCount)
            return false;
        if (fields.at(ScenceName) == scence && fields.at(ScenceResolution) == resolution
            && !encodings.contains(fields.at(ScenceEncoding)))
            encodings.append(fields.at(ScenceEncoding));
    }
    return true;
}

QString DeviceConfigReader::getScencePicture(
    const QString &scence, const QString &encoding, const QString &resolution) const
{
    TextTable file(m_strScenceFilePath);
    if (!openScenceTable(file))
        return QString();
    QString lastScenceMatch;
    bool scenceMatched = false;
    QStringList fields;
    while (file.nextRow(fields)) {
        if (fields.size() < ScenceColumnCount)
            return QString();
        if (fields.at(ScenceName) != scence)
            continue;
        if (fields.at(ScenceEncoding) == encoding && fields.at(ScenceResolution) == resolution)
            return scencePicturePath(fields.at(ScencePicture));
        lastScenceMatch = fields.at(ScencePicture);
        scenceMatched = true;
    }
    // A combination the scene does not list still shows the scene's picture.
    return scenceMatched ? scencePicturePath(lastScenceMatch) : QString();
}

int DeviceConfigReader::getScenceRecommandRate(
    const QString &scence, const QString &encoding, const QString &resolution) const
{
    TextTable file(m_strScenceFilePath);
    if (!openScenceTable(file))
        return -1;
    QStringList fields;
    while (file.nextRow(fields)) {
        if (fields.size() < ScenceColumnCount)
            return -1;
        if (fields.at(ScenceName) == scence && fields.at(ScenceEncoding) == encoding
            && fields.at(ScenceResolution) == resolution)
            return fields.at(ScenceRate).toInt();
    }
    return -1;
}

QString DeviceConfigReader::scencePictureName(const QString &picturePath)
{
    QString name = picturePath.mid(
        qMax(picturePath.lastIndexOf(QLatin1Char('/')), picturePath.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter())
        name.remove(0, 2);
    return name;
}

bool DeviceConfigReader::convertCsvToXml(const QString &csvPath, int table)
{
    TextTable csv(csvPath);
    if (!csv.open())
        return false;
    QStringList resolutions;
    QStringList bitrates;
    QStringList fields;
    while (csv.nextRow(fields)) {
        if (fields.size() < 2)
            continue;
        resolutions.append(fields.at(0));
        bitrates.append(fields.at(1));
    }
    if (resolutions.isEmpty() || bitrates.isEmpty())
        return false;

    // Only an existing, readable file is replaced: the conversion updates a
    // catalogue, it does not create one.
    const QString target = table == 1 ? m_strIpcXmlPath : m_strDvrXmlPath;
    if (!load(target))
        return false;

    newDocument(QStringLiteral("ConfigList"));
    for (int i = 0, count = qMin(resolutions.size(), bitrates.size()); i < count; ++i) {
        if (resolutions.at(i).isEmpty())
            continue;
        XmlElement item = appendChildElement(QStringLiteral("ConfigItem"));
        item.appendChildElement(QStringLiteral("Resolution")).setText(resolutions.at(i));
        // Copied as written, not converted: the file keeps the table's own text.
        item.appendChildElement(QStringLiteral("Bitrate")).setText(bitrates.at(i));
    }
    return save(target);
}
