#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QLocale>

class QTextCodec;

namespace MovraGUIToolkit {

// The text codec and user-interface locale the program runs with; set once at start.
MOVRAGUITOOLKIT_EXPORT void InitGuiTextCodec(QTextCodec *codec);
MOVRAGUITOOLKIT_EXPORT void InitGuiLocale(const QLocale &locale);
MOVRAGUITOOLKIT_EXPORT QTextCodec *GuiTextCodec();
MOVRAGUITOOLKIT_EXPORT QLocale GuiLocale();

} // namespace MovraGUIToolkit
