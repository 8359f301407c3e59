#pragma once
#include <string>

// Process-wide settings of the MIME library, set (if ever) at start-up only.
extern std::string g_strDefaultCharset;
extern bool g_bAutoFolding;
