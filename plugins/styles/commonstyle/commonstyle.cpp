#include "plugins/styles/commonstyle/commonstyle.h"

#include <QStyleFactory>

namespace {

QPalette calmPalette()
{
    const QColor window(0xf4, 0xf6, 0xf9);
    const QColor text(0x3a, 0x42, 0x50);
    const QColor muted(0xb3, 0xba, 0xc5);
    const QColor accent(0x46, 0x7d, 0xd3);

    QPalette palette(text, window);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf9, 0xfc));
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xe4, 0xe9, 0xf0));
    palette.setColor(QPalette::Mid, QColor(0xcf, 0xd6, 0xe0));
    palette.setColor(QPalette::Dark, QColor(0xb8, 0xc1, 0xcd));
    palette.setColor(QPalette::Shadow, QColor(0x7a, 0x84, 0x94));
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::LinkVisited, QColor(0x35, 0x66, 0xb8));
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, muted);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, muted);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xf1, 0xf3, 0xf6));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0xf1, 0xf3, 0xf6));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xb8, 0xc1, 0xcd));
    return palette;
}

} // namespace

CommonStyle::CommonStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("CommonStyle"));
}

QPalette CommonStyle::standardPalette() const
{
    return calmPalette();
}

void CommonStyle::polish(QPalette &palette)
{
    palette = calmPalette();
}
