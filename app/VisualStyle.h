#pragma once
#include <QPalette>

// The palette of visual style id (210 to 218); other ids give the default style 215's.
QPalette VisualStylePalette(int id);

// Makes id the application's look: the Fusion style with the style's palette.
void ApplyVisualStyle(int id);
