#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QString>
#include <QStringList>

namespace MovraGUIToolkit {

// Whole-file reading of text files and ":/" resources, as UTF-8.
class MOVRAGUITOOLKIT_EXPORT CFile
{
public:
    // The whole text of the file, or an empty text when it cannot be read.
    static QString ReadAll(const QString &path);
    // The texts of the named files inside folder, one after another in list order.
    static QString ReadAll(const QStringList &names, const QString &folder);
};

} // namespace MovraGUIToolkit
