#pragma once

#include "virad/widget.h"

class QHBoxLayout;

namespace virad {

// Translucent overlay laid over a window while one of its dialogs or menus is
// open. The owner sizes, raises and lowers it; its look is the style sheet's
// rule for "m_cover".
class CoverWidget : public Widget
{
    Q_OBJECT
public:
    explicit CoverWidget(QWidget *parent = nullptr);
    ~CoverWidget() override;

private:
    QHBoxLayout *m_layout = nullptr;
    QWidget *m_cover = nullptr;
};

} // namespace virad
