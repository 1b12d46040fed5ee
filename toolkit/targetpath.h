#pragma once

// The toolkit: everything the program needs from the platform below its own
// widgets. It knows nothing of the program; the program's layers sit on it.

#include "toolkit/movraguitoolkit_global.h"

#include <QString>

namespace MovraGUIToolkit {

// The program's own folder, always ending with '/'.
MOVRAGUITOOLKIT_EXPORT QString GetTargetPath();
// Full path of a file name or relative sub-path inside the program's folder.
MOVRAGUITOOLKIT_EXPORT QString GetTargetPathFile(const QString &name);
// Tests point the program folder elsewhere; an empty path restores the default.
MOVRAGUITOOLKIT_EXPORT void SetTargetPathOverride(const QString &path);

} // namespace MovraGUIToolkit
