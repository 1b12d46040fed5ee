#pragma once

#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

namespace apt {

// Start size of the main window for the available area of the default screen:
// 768 high with the width scaled alike, or the whole area at the top-left
// corner on screens lower than that.
struct StartGeometry
{
    QSize size;
    bool atOrigin = false;
};

StartGeometry startGeometry(const QSize &available);
// Gives window its start geometry on the default screen's available area.
void placeAtStart(QWidget *window);

// True when the screens reach 1024 in width and 768 in height; the two may
// come from different screens, and a screen counts with its position on the
// virtual desktop.
bool screensLargeEnough(const QVector<QRect> &screenGeometries);

} // namespace apt
