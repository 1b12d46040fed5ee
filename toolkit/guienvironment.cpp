#include "toolkit/guienvironment.h"

#include <QTextCodec>

namespace MovraGUIToolkit {

namespace {
QTextCodec *g_codec = nullptr;
}

void InitGuiTextCodec(QTextCodec *codec)
{
    g_codec = codec;
}

void InitGuiLocale(const QLocale &locale)
{
    // Widgets created from here on format numbers and dates in this locale.
    QLocale::setDefault(locale);
}

QTextCodec *GuiTextCodec()
{
    return g_codec ? g_codec : QTextCodec::codecForLocale();
}

QLocale GuiLocale()
{
    return QLocale();
}

} // namespace MovraGUIToolkit
