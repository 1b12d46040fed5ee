#include "app/startgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace apt {

namespace {
constexpr int kMinimumWidth = 1024;
constexpr int kMinimumHeight = 768;
constexpr int kStartHeight = 768;
} // namespace

StartGeometry startGeometry(const QSize &available)
{
    StartGeometry start;
    if (available.height() >= kStartHeight) {
        // Product first, then a truncating division: 1920 x 1040 gives 1417.
        start.size = QSize(available.width() * kStartHeight / available.height(), kStartHeight);
    } else {
        start.size = available;
        start.atOrigin = true;
    }
    return start;
}

bool screensLargeEnough(const QVector<QRect> &screenGeometries)
{
    bool wideEnough = false;
    bool highEnough = false;
    for (const QRect &geometry : screenGeometries) {
        if (geometry.right() + 1 >= kMinimumWidth)
            wideEnough = true;
        if (geometry.bottom() + 1 >= kMinimumHeight)
            highEnough = true;
    }
    return wideEnough && highEnough;
}

void placeAtStart(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!window || !screen)
        return;
    const StartGeometry start = startGeometry(screen->availableGeometry().size());
    window->resize(start.size);
    if (start.atOrigin)
        window->move(0, 0);
}

} // namespace apt
