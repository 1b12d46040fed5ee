#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QValidator>

namespace MovraGUIToolkit {

// Lets a field hold only an empty text or a whole decimal number from the
// minimum to the maximum. Anything else is refused as it is typed, never
// corrected later: a digit beyond the maximum's length or a value above the
// maximum does not enter the field.
class MOVRAGUITOOLKIT_EXPORT CIntValidator : public QValidator
{
    Q_OBJECT
public:
    CIntValidator(int minimum, int maximum, QObject *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    State validate(QString &input, int &pos) const override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace MovraGUIToolkit
