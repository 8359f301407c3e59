#pragma once

// The program's one setting, "ApplicationLook": the visual style id (210 to 218).
constexpr int kDefaultApplicationLook = 215;
constexpr int kFirstApplicationLook = 210;
constexpr int kLastApplicationLook = 218;

// An unreadable or out-of-range stored value gives the default.
int ReadApplicationLook();
void WriteApplicationLook(int look);
