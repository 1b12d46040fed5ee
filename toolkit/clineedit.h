#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QLineEdit>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CLineEdit(QWidget *parent = nullptr);
};

} // namespace MovraGUIToolkit
