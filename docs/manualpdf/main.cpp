// Renders one HTML page of the user manual into a paginated A4 PDF.
//
// QTextDocument::print() would need QPrinter, which lives in QtPrintSupport;
// this tool gets by with QtGui alone: the document is laid out at the page
// size of a QPdfWriter and painted one page at a time. It also adds what a
// printed manual needs and the HTML cannot say: chapters (h1) start on a new
// page, a heading is not left alone at the foot of a page nor a short table
// cut in two, the contents list gets page numbers, and every page a footer.
//
// Pictures that are not there yet (the screenshots are taken after the text
// is written) are left out instead of showing Qt's "broken picture" icon.
//
// Usage: orvane_manualpdf [--font FAMILY]... [--footer FORMAT] INPUT.html OUTPUT.pdf
// FORMAT gets the page number for %1 and the page count for %2.

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVector>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kResolution = 300;
constexpr qreal kBodyPointSize = 10.5;
constexpr qreal kFooterPointSize = 8.5;
// Written into the HTML where the contents list goes.
const char kContentsMarker[] = "<!--contents-->";

struct Options
{
    QStringList fontFamilies;
    QString footerFormat = QStringLiteral("%1 / %2");
    QString input;
    QString output;
};

void printUsage()
{
    std::fputs(
        "usage: orvane_manualpdf [--font FAMILY]... [--footer FORMAT] INPUT.html OUTPUT.pdf\n", stderr);
}

bool parseArguments(const QStringList &arguments, Options &options)
{
    QStringList positional;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--font") || argument == QLatin1String("--footer")) {
            if (i + 1 >= arguments.size())
                return false;
            const QString value = arguments.at(++i);
            if (argument == QLatin1String("--font"))
                options.fontFamilies.append(value);
            else
                options.footerFormat = value;
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 2)
        return false;
    options.input = positional.at(0);
    options.output = positional.at(1);
    return true;
}

QString readUtf8(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(file.readAll()) : QString();
}

QString imageSource(const QString &imgTag)
{
    static const QRegularExpression source(
        QStringLiteral("\\bsrc\\s*=\\s*[\"']([^\"']*)[\"']"), QRegularExpression::CaseInsensitiveOption);
    return source.match(imgTag).captured(1);
}

// Registers every picture the page names with the document, and takes out the
// ones that cannot be loaded: a paragraph that holds nothing but a missing
// picture goes as a whole, so no empty gap is left in the text.
QString attachImages(QString html, const QUrl &baseUrl, QTextDocument &document, QStringList &missing)
{
    static const QRegularExpression pictureParagraph(
        QStringLiteral("<p\\b[^>]*>\\s*(<img\\b[^>]*>)\\s*</p>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression picture(
        QStringLiteral("<img\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);

    auto available = [&](const QString &tag) {
        const QString source = imageSource(tag);
        const QUrl url = baseUrl.resolved(QUrl(source));
        const QImage image(url.isLocalFile() ? url.toLocalFile() : source);
        if (image.isNull()) {
            if (!missing.contains(source))
                missing.append(source);
            return false;
        }
        document.addResource(QTextDocument::ImageResource, url, image);
        document.addResource(QTextDocument::ImageResource, QUrl(source), image);
        return true;
    };

    for (const QRegularExpression *pattern : { &pictureParagraph, &picture }) {
        QString kept;
        int from = 0;
        auto it = pattern->globalMatch(html);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QString tag = match.lastCapturedIndex() >= 1 ? match.captured(1) : match.captured(0);
            kept += html.midRef(from, match.capturedStart() - from);
            if (available(tag))
                kept += match.capturedRef(0);
            from = match.capturedEnd();
        }
        kept += html.midRef(from);
        html = kept;
    }
    return html;
}

struct Heading
{
    int level;
    QString text;
};

QString plainText(QString html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    QTextDocument decoder;
    decoder.setHtml(html);
    return decoder.toPlainText().simplified();
}

// The h1 and h2 headings that follow the contents marker, in order.
QVector<Heading> headingsAfterMarker(const QString &html)
{
    QVector<Heading> headings;
    const int marker = html.indexOf(QLatin1String(kContentsMarker));
    if (marker < 0)
        return headings;
    static const QRegularExpression heading(QStringLiteral("<h([12])\\b[^>]*>(.*?)</h\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    auto it = heading.globalMatch(html, marker);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        headings.append({ match.captured(1).toInt(), plainText(match.captured(2)) });
    }
    return headings;
}

QString contentsTable(const QVector<Heading> &headings, const QVector<int> &pages)
{
    QString rows;
    for (int i = 0; i < headings.size(); ++i) {
        const Heading &heading = headings.at(i);
        const QString page = i < pages.size() ? QString::number(pages.at(i)) : QStringLiteral("00");
        const QString text = heading.text.toHtmlEscaped();
        if (heading.level == 1)
            rows += QStringLiteral("<tr><td><b>") + text + QStringLiteral("</b></td><td align=\"right\"><b>")
                + page + QStringLiteral("</b></td></tr>");
        else
            rows += QStringLiteral("<tr><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;") + text
                + QStringLiteral("</td><td align=\"right\">") + page + QStringLiteral("</td></tr>");
    }
    return QStringLiteral("<table class=\"contents\" width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">")
        + rows + QStringLiteral("</table>");
}

class ManualRenderer
{
public:
    ManualRenderer(QPdfWriter &writer, const Options &options)
        : m_writer(writer)
        , m_options(options)
    {
    }

    bool render(const QString &html);

private:
    QFont font(qreal pointSize) const;
    void layOut(const QString &html);
    void startChaptersOnNewPages();
    void keepTogether();
    void relayOut();
    QVector<int> headingPages(int count) const;
    int pageOf(qreal y) const { return int(std::floor(y / m_pageHeight)) + 1; }
    void paintFooter(QPainter &painter, int page, int pageCount, const QString &title) const;

    QPdfWriter &m_writer;
    const Options &m_options;
    QTextDocument m_document;
    QStringList m_missingImages;
    QRectF m_paintRect;
    qreal m_pageHeight = 0;
    qreal m_footerHeight = 0;
};

QFont ManualRenderer::font(qreal pointSize) const
{
    QFont font;
    if (!m_options.fontFamilies.isEmpty())
        font.setFamilies(m_options.fontFamilies);
    font.setPointSizeF(pointSize);
    return font;
}

void ManualRenderer::layOut(const QString &html)
{
    m_document.clear();
    m_document.documentLayout()->setPaintDevice(&m_writer);
    m_document.setDefaultFont(font(kBodyPointSize));
    m_document.setDocumentMargin(0);

    const QUrl baseUrl = QUrl::fromLocalFile(QFileInfo(m_options.input).absolutePath() + QLatin1Char('/'));
    m_document.setBaseUrl(baseUrl);
    m_missingImages.clear();
    m_document.setHtml(attachImages(html, baseUrl, m_document, m_missingImages));
    m_document.setPageSize(QSizeF(m_paintRect.width(), m_pageHeight));

    startChaptersOnNewPages();
    keepTogether();
}

void ManualRenderer::startChaptersOnNewPages()
{
    bool first = true;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (!first) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).mergeBlockFormat(format);
        }
        first = false;
    }
}

// QTextDocument has no "keep with next". Three things are moved to the top of
// the next page: a heading with less than a few lines left below it on its
// page; a table or a preformatted example that would be cut in two although
// it is short; and a table that the layout itself moved to the next page (its
// top border would be left behind). A short block is moved together with the
// sentence that introduces it and the heading above that. A move shifts only
// what follows it, so one pass in document order settles every page.
void ManualRenderer::keepTogether()
{
    const qreal minimumSpace = 4 * QFontMetricsF(m_document.defaultFont(), &m_writer).lineSpacing();
    const qreal shortBlock = m_pageHeight / 3;
    QAbstractTextDocumentLayout *layout = m_document.documentLayout();

    auto splits = [this](const QRectF &rect) { return pageOf(rect.top()) != pageOf(rect.bottom() - 1); };
    auto isTopLevel = [](const QTextBlock &block) {
        return QTextCursor(block).currentFrame() == block.document()->rootFrame();
    };
    // Starts a new page at this block, or at the headings right above it,
    // unless it already stands at the top of one.
    auto moveToNextPage = [&](QTextBlock block) {
        while (block.previous().isValid() && block.previous().blockFormat().headingLevel() >= 2)
            block = block.previous();
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.top() - (pageOf(rect.top()) - 1) * m_pageHeight < minimumSpace)
            return;
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(format);
        relayOut();
    };

    // Each table, by the block that introduces it.
    QHash<int, QTextTable *> tableAfter;
    for (QTextFrame *frame : m_document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        const QTextBlock before = m_document.findBlock(frame->firstPosition() - 1);
        if (table && table->rows() > 0 && before.isValid() && isTopLevel(before))
            tableAfter.insert(before.blockNumber(), table);
    }

    relayOut();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (!isTopLevel(block))
            continue;
        const QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() >= 2) {
            const QRectF rect = layout->blockBoundingRect(block);
            if (pageOf(rect.top()) * m_pageHeight - rect.bottom() < minimumSpace)
                moveToNextPage(block);
        } else if (format.nonBreakableLines() && !block.previous().blockFormat().nonBreakableLines()) {
            QTextBlock last = block;
            while (last.next().isValid() && last.next().blockFormat().nonBreakableLines())
                last = last.next();
            const QRectF rect = layout->blockBoundingRect(block).united(layout->blockBoundingRect(last));
            if (splits(rect) && rect.height() < shortBlock)
                moveToNextPage(block.previous().isValid() ? block.previous() : block);
        }
        if (QTextTable *table = tableAfter.value(block.blockNumber())) {
            const QRectF rect = layout->frameBoundingRect(table);
            const bool pushedByLayout
                = pageOf(rect.top()) != pageOf(layout->blockBoundingRect(block).bottom());
            if (pushedByLayout || (splits(rect) && rect.height() < shortBlock))
                moveToNextPage(block);
        }
    }
}

// The layout is built lazily and in pieces; after a format change some blocks
// below it can be left without lines. Laying out the whole document again
// avoids reading or painting such a block.
void ManualRenderer::relayOut()
{
    m_document.markContentsDirty(0, m_document.characterCount());
    m_document.pageCount();
}

// Pages of the h1 and h2 headings; the contents list names the last ones
// (those after the marker), so the title's heading in front of it is dropped.
QVector<int> ManualRenderer::headingPages(int count) const
{
    QVector<int> pages;
    QAbstractTextDocumentLayout *layout = m_document.documentLayout();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 1 || level == 2)
            pages.append(pageOf(layout->blockBoundingRect(block).top() + 1));
    }
    return pages.mid(qMax(0, pages.size() - count));
}

void ManualRenderer::paintFooter(QPainter &painter, int page, int pageCount, const QString &title) const
{
    const QFont footerFont = font(kFooterPointSize);
    painter.setFont(footerFont);
    const QFontMetricsF metrics(footerFont, &m_writer);
    const qreal lineY = m_pageHeight + m_footerHeight - 2.2 * metrics.height();
    const QRectF textRect(0, lineY + 0.6 * metrics.height(), m_paintRect.width(), metrics.height() * 1.2);

    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), kResolution / 150.0));
    painter.drawLine(QPointF(0, lineY), QPointF(m_paintRect.width(), lineY));
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawText(
        textRect, Qt::AlignRight | Qt::AlignVCenter, m_options.footerFormat.arg(page).arg(pageCount));
}

bool ManualRenderer::render(const QString &sourceHtml)
{
    m_paintRect = m_writer.pageLayout().paintRectPixels(kResolution);
    m_footerHeight = 3.0 * QFontMetricsF(font(kFooterPointSize), &m_writer).height();
    m_pageHeight = m_paintRect.height() - m_footerHeight;

    // The contents list is laid out with dummy page numbers first; the real
    // numbers do not change its height, so a second pass settles it. Further
    // passes are a guard only.
    const QVector<Heading> headings = headingsAfterMarker(sourceHtml);
    QVector<int> pages;
    for (int pass = 0; pass < 4; ++pass) {
        QString html = sourceHtml;
        if (!headings.isEmpty())
            html.replace(QLatin1String(kContentsMarker), contentsTable(headings, pages));
        layOut(html);
        if (headings.isEmpty())
            break;
        const QVector<int> laidOut = headingPages(headings.size());
        if (laidOut == pages)
            break;
        pages = laidOut;
    }

    const QString title = m_document.metaInformation(QTextDocument::DocumentTitle);
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("Orvane"));

    QPainter painter;
    if (!painter.begin(&m_writer))
        return false;
    const int pageCount = m_document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            m_writer.newPage();
        // One device pixel short: whatever the layout put at the very top of
        // the next page must not show as a hairline at the foot of this one.
        const QRectF clip(0, page * m_pageHeight, m_paintRect.width(), m_pageHeight - 1);
        painter.save();
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_document.documentLayout()->draw(&painter, context);
        painter.restore();
        paintFooter(painter, page + 1, pageCount, title);
    }
    painter.end();

    if (!m_missingImages.isEmpty())
        std::fprintf(stderr, "orvane_manualpdf: %s: rendered without the missing pictures %s\n",
            qPrintable(QDir::toNativeSeparators(m_options.input)),
            qPrintable(m_missingImages.join(QLatin1String(", "))));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering needs fonts, hence a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    Options options;
    if (!parseArguments(QCoreApplication::arguments(), options)) {
        printUsage();
        return 2;
    }

    bool ok = false;
    const QString html = readUtf8(options.input, &ok);
    if (!ok) {
        std::fprintf(stderr, "orvane_manualpdf: cannot read %s\n", qPrintable(options.input));
        return 1;
    }

    // Written under a temporary name so that a failed run never leaves half a
    // manual where the program looks for it.
    const QString partial = options.output + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 16, 20, 12), QPageLayout::Millimeter);
        ManualRenderer renderer(writer, options);
        if (!renderer.render(html)) {
            std::fprintf(stderr, "orvane_manualpdf: cannot write %s\n", qPrintable(partial));
            QFile::remove(partial);
            return 1;
        }
    }
    QFile::remove(options.output);
    if (!QFile::rename(partial, options.output)) {
        std::fprintf(stderr, "orvane_manualpdf: cannot write %s\n", qPrintable(options.output));
        QFile::remove(partial);
        return 1;
    }
    return 0;
}
