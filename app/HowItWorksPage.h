#pragma once
#include <QString>

// The URL of the program's how-it-works page, written from the program's resources into its data folder so a
// browser can open it; "" when it cannot be written.
QString HowItWorksPageUrl();
