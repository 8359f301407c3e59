#pragma once
#include <QString>

// The user's desktop folder, created when missing; "" when it cannot be determined or made.
QString GetDesktopFolder();
