#include "toolkit/chboxlayout.h"

#include <QWidget>

namespace MovraGUIToolkit {

CHBoxLayout::CHBoxLayout(QWidget *parent)
    : QHBoxLayout(parent)
{
}

void CHBoxLayout::AddWidget(QWidget *widget, int stretch, Qt::Alignment alignment)
{
    addWidget(widget, stretch, alignment);
}

void CHBoxLayout::AddItem(QLayoutItem *item, int stretch)
{
    if (!item)
        return;
    if (QWidget *widget = item->widget())
        addChildWidget(widget);
    addItem(item);
    setStretch(count() - 1, stretch);
}

void CHBoxLayout::SetLayoutContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(left, top, right, bottom);
}

void CHBoxLayout::SetLayoutSpacing(int spacing)
{
    setSpacing(spacing);
}

} // namespace MovraGUIToolkit
