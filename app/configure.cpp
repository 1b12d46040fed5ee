#include "app/configure.h"

namespace apt {

Configure::Configure(const QString &name, const QString &value)
    : strName(name)
    , strValue(value)
{
}

Configure::~Configure() = default;

} // namespace apt
