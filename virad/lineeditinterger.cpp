#include "virad/lineeditinterger.h"

namespace virad {

LineEditInterger::LineEditInterger(QWidget *parent)
    : QSpinBox(parent)
{
}

LineEditInterger::~LineEditInterger() = default;

} // namespace virad
