#pragma once

#include <QIcon>

// The program's own icon, used by every window.
QIcon applicationIcon();
