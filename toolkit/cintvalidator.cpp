#include "toolkit/cintvalidator.h"

namespace MovraGUIToolkit {

CIntValidator::CIntValidator(int minimum, int maximum, QObject *parent)
    : QValidator(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    Q_ASSERT(minimum >= 0 && minimum <= maximum);
}

QValidator::State CIntValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Acceptable;
    const int maxDigits = QString::number(m_maximum).size();
    if (input.size() > maxDigits)
        return Invalid;
    for (const QChar c : qAsConst(input)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    bool ok = false;
    const int value = input.toInt(&ok, 10);
    if (!ok || value > m_maximum)
        return Invalid;
    // A number below the minimum may still grow into a valid one.
    return value < m_minimum ? Intermediate : Acceptable;
}

} // namespace MovraGUIToolkit
