#pragma once

#include <QString>

// The title every window and message box carries; the settings store is
// filed under the same name.
inline const QString kAppTitle = QStringLiteral("Varnholt");
// The project's version, major.minor, as the build system sets it.
inline const QString kAppVersion = QStringLiteral(VARNHOLT_VERSION);
// The reverse-DNS name of the desktop entry, icon and metadata.
inline const QString kAppId = QStringLiteral("org.varnholt.Varnholt");
