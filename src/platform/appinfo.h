#pragma once

#include <QString>

// The title every window and message box carries; the settings store is
// filed under the same name.
inline const QString kAppTitle = QStringLiteral("Varnholt");
// The project's version, major.minor; it, the id and the contact are set by
// the build system.
inline const QString kAppVersion = QStringLiteral(VARNHOLT_VERSION);
// The reverse-DNS name of the desktop entry, icon and metadata.
inline const QString kAppId = QStringLiteral(VARNHOLT_APP_ID);
// Where users write to.
inline const QString kAppContact = QStringLiteral(VARNHOLT_CONTACT);
