#pragma once

#include <QPalette>
#include <QProxyStyle>

// The program's widget style: Fusion with a light, calm palette. Most of the
// look comes from the application style sheet; the palette covers whatever the
// sheet leaves alone (item views, pop-ups, disabled text) in the same colours.
class CommonStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CommonStyle();

    QPalette standardPalette() const override;
    void polish(QPalette &palette) override;

    using QProxyStyle::polish;
};
