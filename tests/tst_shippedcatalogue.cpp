// The catalogue that ships beside the program must hang together: every scene
// row must point at an encoding the editor can list, a resolution that table
// knows and a picture that exists, and the editor's lists must be complete.

#include "catalogue/deviceconfigreader.h"
#include "toolkit/targetpath.h"

#include <QFileInfo>
#include <QtTest>

using MovraGUIToolkit::SetTargetPathOverride;

class tst_ShippedCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void h264TablesHavePositiveBitrates_data();
    void h264TablesHavePositiveBitrates();
    void frameListsAreComplete_data();
    void frameListsAreComplete();
    void scenceRowsAreCoherent();
};

void tst_ShippedCatalogue::initTestCase()
{
    QVERIFY2(QFileInfo::exists(QStringLiteral(ORVANE_STAGE_DIR "/Scene.csv")), "catalogue not staged");
    SetTargetPathOverride(QStringLiteral(ORVANE_STAGE_DIR));
}

void tst_ShippedCatalogue::cleanupTestCase()
{
    SetTargetPathOverride(QString());
}

void tst_ShippedCatalogue::h264TablesHavePositiveBitrates_data()
{
    QTest::addColumn<int>("table");
    QTest::newRow("IPC") << 1;
    QTest::newRow("DVR") << 2;
}

void tst_ShippedCatalogue::h264TablesHavePositiveBitrates()
{
    QFETCH(int, table);

    DeviceConfigReader reader;
    QVERIFY(reader.getEncodingTypes().contains(QStringLiteral("H.264")));
    QStringList resolutions;
    reader.getResolutionNames(resolutions, table);
    QVERIFY(!resolutions.isEmpty());
    for (const QString &resolution : qAsConst(resolutions))
        QVERIFY2(reader.getTableBitrate(resolution, table) > 0, qPrintable(resolution));
}

void tst_ShippedCatalogue::frameListsAreComplete_data()
{
    QTest::addColumn<int>("standard");
    QTest::newRow("PAL") << 0;
    QTest::newRow("NTSC") << 1;
}

void tst_ShippedCatalogue::frameListsAreComplete()
{
    QFETCH(int, standard);

    const DeviceConfigReader reader;
    QStringList frames;
    reader.getFrameRates(frames, standard);
    QCOMPARE(frames.size(), 22);
    // The editor parses the first 18 entries as numbers; 18 to 21 are fixed fractions.
    for (int i = 0; i < 18; ++i) {
        bool ok = false;
        QVERIFY2(frames.at(i).toDouble(&ok) > 0 && ok, qPrintable(frames.at(i)));
    }
}

void tst_ShippedCatalogue::scenceRowsAreCoherent()
{
    DeviceConfigReader reader;
    const QStringList encodings = reader.getEncodingTypes();
    QVector<QString> scences;
    QVERIFY(reader.readScenceNames(scences));
    QVERIFY(!scences.isEmpty());

    int rows = 0;
    for (const QString &scence : qAsConst(scences)) {
        QStringList resolutions;
        QVERIFY2(reader.getScenceResolutions(scence, resolutions), "short row in Scene.csv");
        QVERIFY2(!resolutions.isEmpty(), qPrintable(scence));
        for (const QString &resolution : qAsConst(resolutions)) {
            QStringList scenceEncodings;
            QVERIFY(reader.getScenceEncodings(scence, resolution, scenceEncodings));
            for (const QString &encoding : qAsConst(scenceEncodings)) {
                const QString row = scence + QLatin1Char(',') + encoding + QLatin1Char(',') + resolution;
                ++rows;
                QVERIFY2(encodings.contains(encoding), qPrintable(row));
                reader.setEncoding(encoding);
                QVERIFY2(reader.getTableBitrate(resolution, 1) > 0, qPrintable(row));
                QVERIFY2(reader.getScenceRecommandRate(scence, encoding, resolution) > 0, qPrintable(row));
                const QString picture = reader.getScencePicture(scence, encoding, resolution);
                QVERIFY2(QFileInfo(picture).isFile(), qPrintable(row + QLatin1String(": ") + picture));
            }
        }
    }
    QVERIFY(rows > 0);
}

QTEST_GUILESS_MAIN(tst_ShippedCatalogue)
#include "tst_shippedcatalogue.moc"
