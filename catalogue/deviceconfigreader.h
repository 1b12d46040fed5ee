#pragma once

// The catalogue layer: the device records, the reader of the catalogue files
// beside the program (bitrate tables per encoding, frame-rate lists, the scene
// table), the channel group numbers and the per-channel bitrate with the two
// storage formulas. Plain QtCore and QtXml; nothing here knows of widgets.

#include "catalogue/devicerecords.h"
#include "catalogue/xmlelement.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads the catalogue. Bitrate tables and frame lists are read once, in the
// constructor; the scene queries read "Scene.csv" afresh at every call, so an
// imported scene table is seen at once. Missing or damaged files leave the
// affected lists empty, lookups give 0, -1 or an empty text.
//
// Table numbers: 1 selects the IPC tables, any other value the DVR tables.
// Frame standards: 0 selects PAL, any other value NTSC.
class DeviceConfigReader : public XmlElement
{
public:
    DeviceConfigReader();

    // Encoding names in the order their IPC table files were read.
    QStringList getEncodingTypes() const;
    // Appends the resolutions of the current table of that kind ("H.264"
    // unless changed), in row order, duplicates kept.
    void getResolutionNames(QStringList &names, int table) const;
    // Chooses the tables getTableBitrate() looks in.
    void setEncoding(const QString &encoding);
    // Bitrate of the first row of the current encoding's table whose
    // resolution equals the given text exactly; 0 when there is none.
    int getTableBitrate(const QString &resolution, int table);
    void getFrameRates(QStringList &frameRates, int standard) const;

    // Appends each distinct scene name, in order of first appearance. False
    // only when the scene table cannot be opened.
    bool readScenceNames(QVector<QString> &names) const;
    // Appends the distinct resolutions listed for the scene. False when the
    // table cannot be opened or a short row stops the scan (what was found
    // before it stays in the output).
    bool getScenceResolutions(const QString &scence, QStringList &resolutions) const;
    // Appends the distinct encodings listed for the scene and resolution; same results.
    bool getScenceEncodings(const QString &scence, const QString &resolution, QStringList &encodings) const;
    // Full path of the row's picture inside "ScenePicture". Without an exact
    // row, the picture of the scene's last row; empty when there is none or a
    // short row comes first.
    QString getScencePicture(const QString &scence, const QString &encoding, const QString &resolution) const;
    // Recommended bitrate of the exact row; -1 when there is none.
    int getScenceRecommandRate(
        const QString &scence, const QString &encoding, const QString &resolution) const;

    // Rewrites the IPC (table 1) or DVR XML bitrate file from a CSV table of
    // "resolution,kbps" lines. The XML file must already exist and be
    // readable; nothing is written when the CSV is missing or has no rows.
    bool convertCsvToXml(const QString &csvPath, int table);

    // The file name a scene table's picture path stands for: the text after
    // the last '/' or '\', with a drive prefix such as "D:" dropped.
    static QString scencePictureName(const QString &picturePath);

private:
    void readXmlFiles();
    void readBitrateFolder(const QString &folderName, QMap<QString, QVector<StructBitrateItem>> &tables,
        QStringList *encodingNames);
    QMap<QString, QVector<StructBitrateItem>> &tablesOf(int table);

    QVector<StructBitrateItem> m_vecIpcBitrateItems;
    QVector<StructBitrateItem> m_vecDvrBitrateItems;
    QStringList m_lstNtscFrameRates;
    QStringList m_lstPalFrameRates;
    QString m_strIpcXmlPath;
    QString m_strDvrXmlPath;
    QString m_strFramePath;
    QString m_strScenceFilePath;
    QMap<QString, QVector<StructBitrateItem>> m_mapIpcTables;
    QMap<QString, QVector<StructBitrateItem>> m_mapDvrTables;
    QStringList m_lstEncodingTypes;
    QString m_strCurrentEncoding;
};
