#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QComboBox>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CComboBox(QWidget *parent = nullptr);
};

} // namespace MovraGUIToolkit
