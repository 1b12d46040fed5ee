#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QSlider>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CSlider : public QSlider
{
    Q_OBJECT
public:
    explicit CSlider(QWidget *parent = nullptr);
};

} // namespace MovraGUIToolkit
