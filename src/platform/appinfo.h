#pragma once

#include <QString>

// The title every window and message box carries; the settings store is
// filed under the same name.
inline const QString kAppTitle = QStringLiteral("Varnholt");
