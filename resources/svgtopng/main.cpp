// svgtopng --out DIR [--qrc FILE --prefix PREFIX] [--scales 1,2] SRCROOT FILE...
//
// Every FILE below SRCROOT keeps its relative path under DIR. An .svg file is
// rendered to .png at its own size for scale 1 and to name@Nx.png for scale N;
// any other file is copied unchanged. With --qrc, a resource collection listing
// every output under PREFIX is written, so rcc can compile it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

bool renderSvg(const QString &source, const QString &target, int scale)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgtopng: cannot read %s\n", qPrintable(source));
        return false;
    }
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "svgtopng: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

bool copyFile(const QString &source, const QString &target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        std::fprintf(stderr, "svgtopng: cannot copy %s\n", qPrintable(source));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QString outDir, qrcPath, prefix = QStringLiteral("/");
    QList<int> scales { 1 };
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            break;
        const QString value = args.takeFirst();
        if (option == QLatin1String("--out")) {
            outDir = value;
        } else if (option == QLatin1String("--qrc")) {
            qrcPath = value;
        } else if (option == QLatin1String("--prefix")) {
            prefix = value;
        } else if (option == QLatin1String("--scales")) {
            scales.clear();
            for (const QString &s : value.split(QLatin1Char(',')))
                scales.append(s.toInt());
        }
    }
    if (outDir.isEmpty() || args.isEmpty()) {
        std::fprintf(
            stderr, "usage: svgtopng --out DIR [--qrc FILE --prefix P] [--scales 1,2] SRCROOT FILE...\n");
        return 2;
    }
    const QDir root(args.takeFirst());
    const QDir out(outDir);

    QStringList aliases;
    QStringList targets;
    bool ok = true;
    for (const QString &file : qAsConst(args)) {
        const QString relative = root.relativeFilePath(QFileInfo(file).absoluteFilePath());
        if (relative.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            const QString base = relative.left(relative.size() - 4);
            for (int scale : qAsConst(scales)) {
                const QString name = scale == 1 ? base + QStringLiteral(".png")
                                                : base + QStringLiteral("@%1x.png").arg(scale);
                ok = renderSvg(file, out.filePath(name), scale) && ok;
                aliases << name;
                targets << out.filePath(name);
            }
        } else {
            ok = copyFile(file, out.filePath(relative)) && ok;
            aliases << relative;
            targets << out.filePath(relative);
        }
    }

    if (!qrcPath.isEmpty()) {
        QSaveFile qrc(qrcPath);
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
            return 1;
        QTextStream stream(&qrc);
        stream << "<RCC>\n  <qresource prefix=\"" << prefix << "\">\n";
        for (int i = 0; i < aliases.size(); ++i)
            stream << "    <file alias=\"" << aliases.at(i) << "\">" << targets.at(i) << "</file>\n";
        stream << "  </qresource>\n</RCC>\n";
        stream.flush();
        if (!qrc.commit())
            return 1;
    }
    return ok ? 0 : 1;
}
