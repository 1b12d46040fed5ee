#include "dialogs/updatedialog.h"

#include "tests/modaldialogs.h"
#include "toolkit/targetpath.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(Files)

class tst_UpdateDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void construction();
    void exportTemplate_data();
    void exportTemplate();
    void exportProposesDocumentsFolder();
    void cancel_data();
    void cancel();
    void importHeaderOnly();
    void importUnreadableSourceKeepsTable();
    void importPictures_data();
    void importPictures();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void write(const QString &relative, const QByteArray &data) const;
    Files snapshot() const;
    QString resultText(const UpdateDialog &dialog) const;

    // root/app is the program folder, root/work the current folder.
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
};

namespace {

const QByteArray oldTable = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\r\n"
                            "Old,H.264,720P,512,D:\\old\\old.png\r\n";
const QByteArray header = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";

// Answers the next file dialog with `file`, or cancels it for an empty name.
// `afterAccept` runs once the dialog has taken the answer, before the caller
// gets it back.
void answerFileDialog(const QString &file, std::function<void()> afterAccept = {})
{
    onModal<QFileDialog>([file, afterAccept](QFileDialog *dialog) {
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        // selectFile leaves the name field alone while it has the focus.
        if (QWidget *focus = dialog->focusWidget())
            focus->clearFocus();
        dialog->selectFile(file);
        // QFileDialog's own accept() (protected there) checks the answer.
        static_cast<QDialog *>(dialog)->accept();
        if (afterAccept)
            afterAccept();
    });
}

void click(const UpdateDialog &dialog, const char *button)
{
    auto *b = dialog.findChild<QPushButton *>(QLatin1String(button));
    QVERIFY(b);
    b->click();
}

} // namespace

void tst_UpdateDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("app/ScenePicture")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("work")));
    write(QStringLiteral("app/Scene.csv"), oldTable);
    MovraGUIToolkit::SetTargetPathOverride(path(QStringLiteral("app")));
    m_oldCurrent = QDir::currentPath();
    // Picture paths in a scene table are relative to the current folder.
    QVERIFY(QDir::setCurrent(path(QStringLiteral("work"))));
}

void tst_UpdateDialog::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    MovraGUIToolkit::SetTargetPathOverride(QString());
    m_dir.reset();
}

void tst_UpdateDialog::write(const QString &relative, const QByteArray &data) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), qint64(data.size()));
}

Files tst_UpdateDialog::snapshot() const
{
    Files files;
    QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(m_dir->path()).relativeFilePath(file), f.readAll());
    }
    return files;
}

QString tst_UpdateDialog::resultText(const UpdateDialog &dialog) const
{
    return dialog.findChild<QLabel *>(QStringLiteral("m_tipText"))->text();
}

void tst_UpdateDialog::construction()
{
    UpdateDialog dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update Data"));
    QCOMPARE(dialog.minimumSize(), QSize(400, 300));
    QCOMPARE(dialog.maximumSize(), QSize(400, 300));
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("UpdateDialog_m_borderWidget")));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("m_btnExport"))->text(),
        QStringLiteral("Export Data"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("m_btnImport"))->text(),
        QStringLiteral("Import Templete"));
    QCOMPARE(resultText(dialog), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"))->isVisible());
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnConfirm"))->isVisible());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->isVisible());
}

void tst_UpdateDialog::exportTemplate_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("over a longer file") << QByteArray(4096, 'x');
}

void tst_UpdateDialog::exportTemplate()
{
    QFETCH(QByteArray, existing);

    const QString target = path(QStringLiteral("out/Template.csv"));
    QDir().mkpath(QFileInfo(target).path());
    if (!existing.isEmpty())
        write(QStringLiteral("out/Template.csv"), existing);

    UpdateDialog dialog(nullptr);
    answerFileDialog(target);
    // Qt's dialog asks before it lets an existing file be replaced; the
    // question comes up inside its accept(), so the watcher starts now.
    if (!existing.isEmpty())
        onModal<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
    click(dialog, "m_btnExport");

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
        QByteArray("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                   "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
                   "Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png\n"
                   "\n"));
    QCOMPARE(resultText(dialog), QStringLiteral("Export Success."));
}

void tst_UpdateDialog::exportProposesDocumentsFolder()
{
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QString home = path(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/Documents")));
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");

    UpdateDialog dialog(nullptr);
    QString proposed;
    onModal<QFileDialog>([&proposed](QFileDialog *fileDialog) {
        proposed = fileDialog->selectedFiles().value(0);
        fileDialog->reject();
    });
    click(dialog, "m_btnExport");

    qputenv("HOME", oldHome);
    if (!oldConfig.isNull())
        qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(proposed, home + QStringLiteral("/Documents/Template.csv"));
}

void tst_UpdateDialog::cancel_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("export cancelled") << QByteArray("m_btnExport");
    QTest::newRow("import cancelled") << QByteArray("m_btnImport");
}

void tst_UpdateDialog::cancel()
{
    QFETCH(QByteArray, button);

    write(QStringLiteral("work/source.csv"), header + "A,H.264,720P,1,pic.png\n");
    write(QStringLiteral("work/pic.png"), "picture");
    const Files before = snapshot();

    UpdateDialog dialog(nullptr);
    dialog.showResult(2, false);
    answerFileDialog(QString());
    click(dialog, button.constData());

    QCOMPARE(resultText(dialog), QString());
    QCOMPARE(snapshot(), before);
}

void tst_UpdateDialog::importHeaderOnly()
{
    write(QStringLiteral("work/source.csv"), header);
    Files expected = snapshot();
    expected.insert(QStringLiteral("app/Scene.csv"), header);

    UpdateDialog dialog(nullptr);
    answerFileDialog(path(QStringLiteral("work/source.csv")));
    click(dialog, "m_btnImport");

    QCOMPARE(resultText(dialog), QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(snapshot(), expected);
}

void tst_UpdateDialog::importUnreadableSourceKeepsTable()
{
    const QString source = path(QStringLiteral("work/source.csv"));
    write(QStringLiteral("work/source.csv"), header + "A,H.264,720P,1,pic.png\n");
    write(QStringLiteral("work/pic.png"), "picture");
    Files expected = snapshot();
    expected.remove(QStringLiteral("work/source.csv"));

    UpdateDialog dialog(nullptr);
    // The chosen file is gone by the time the dialog reads it.
    answerFileDialog(source, [source] { QFile::remove(source); });
    click(dialog, "m_btnImport");

    QCOMPARE(resultText(dialog), QStringLiteral("Import Failure."));
    QCOMPARE(snapshot(), expected);
    QCOMPARE(snapshot().value(QStringLiteral("app/Scene.csv")), oldTable);
}

void tst_UpdateDialog::importPictures_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<Files>("given");
    QTest::addColumn<Files>("copied");

    const QByteArray a = "picture a";
    const QByteArray b = "picture b";

    QTest::newRow("five fields copy the picture")
        << QByteArray("A,H.264,720P,512,pics/a.png\n") << Files { { "work/pics/a.png", a } }
        << Files { { "a.png", a } };
    QTest::newRow("four fields copy nothing")
        << QByteArray("A,H.264,720P,pics/a.png\n") << Files { { "work/pics/a.png", a } } << Files {};
    QTest::newRow("six fields use the fifth")
        << QByteArray("A,H.264,720P,512,pics/a.png,pics/b.png\n")
        << Files { { "work/pics/a.png", a }, { "work/pics/b.png", b } } << Files { { "a.png", a } };
    QTest::newRow("same file name twice, the later stays")
        << QByteArray("A,H.264,720P,512,one/p.png\nA,H.265,1080P,1024,two/p.png\n")
        << Files { { "work/one/p.png", a }, { "work/two/p.png", b } } << Files { { "p.png", b } };
    QTest::newRow("absolute path") << QByteArray("A,H.264,720P,512,@/elsewhere/a.png\n")
                                   << Files { { "elsewhere/a.png", a } } << Files { { "a.png", a } };
    QTest::newRow("template path with a drive and backslashes")
        << QByteArray("Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n")
        << Files { { "work/D:\\secne\\hospital1.png", a } } << Files { { "hospital1.png", a } };
    QTest::newRow("backslash climbing stays in the picture folder")
        << QByteArray("A,H.264,720P,512,..\\..\\evil.png\n") << Files { { "work/..\\..\\evil.png", a } }
        << Files { { "evil.png", a } };
    QTest::newRow("slash climbing stays in the picture folder")
        << QByteArray("A,H.264,720P,512,sub/../../x.png\n")
        << Files { { "x.png", a }, { "work/sub/keep", "k" } } << Files { { "x.png", a } };
    QTest::newRow("path ending in .. copies nothing")
        << QByteArray("A,H.264,720P,512,pics/..\n") << Files { { "work/pics/a.png", a } } << Files {};
    QTest::newRow("path ending in . copies nothing")
        << QByteArray("A,H.264,720P,512,.\n") << Files { { "work/a.png", a } } << Files {};
    QTest::newRow("folder path copies nothing")
        << QByteArray("A,H.264,720P,512,pics/\n") << Files { { "work/pics/a.png", a } } << Files {};
    QTest::newRow("empty path copies nothing")
        << QByteArray("A,H.264,720P,512,\n") << Files { { "work/a.png", a } } << Files {};
    QTest::newRow("CRLF line ends and empty lines")
        << QByteArray("\r\nA,H.264,720P,512,pics/a.png\r\n\r\nB,H.264,720P,512,pics/b.png\r\n")
        << Files { { "work/pics/a.png", a }, { "work/pics/b.png", b } }
        << Files { { "a.png", a }, { "b.png", b } };
    QTest::newRow("an old picture is replaced")
        << QByteArray("A,H.264,720P,512,pics/a.png\n")
        << Files { { "work/pics/a.png", a }, { "app/ScenePicture/a.png", "old" } }
        << Files { { "a.png", a } };
    QTest::newRow("a missing picture keeps the old one")
        << QByteArray("A,H.264,720P,512,pics/a.png\n") << Files { { "app/ScenePicture/a.png", "old" } }
        << Files { { "a.png", "old" } };
    QTest::newRow("a picture already in the folder survives")
        << QByteArray("A,H.264,720P,512,../app/ScenePicture/a.png\n")
        << Files { { "app/ScenePicture/a.png", a } } << Files { { "a.png", a } };
}

void tst_UpdateDialog::importPictures()
{
    QFETCH(QByteArray, rows);
    QFETCH(Files, given);
    QFETCH(Files, copied);

    // "@" stands for the fixture's root folder, for rows with absolute paths.
    rows.replace('@', QFile::encodeName(m_dir->path()));
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        write(it.key(), it.value());
    const QByteArray table = header + rows;
    write(QStringLiteral("work/source.csv"), table);

    Files expected = snapshot();
    expected.insert(QStringLiteral("app/Scene.csv"), table);
    for (auto it = copied.cbegin(); it != copied.cend(); ++it)
        expected.insert(QStringLiteral("app/ScenePicture/") + it.key(), it.value());

    UpdateDialog dialog(nullptr);
    answerFileDialog(path(QStringLiteral("work/source.csv")));
    click(dialog, "m_btnImport");

    QCOMPARE(resultText(dialog), QStringLiteral("Import Success, Restart Software to Work."));
    // Nothing else anywhere in the fixture has changed or appeared.
    QCOMPARE(snapshot(), expected);
}

QTEST_MAIN(tst_UpdateDialog)
#include "tst_updatedialog.moc"
