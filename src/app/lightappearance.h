#pragma once

class QPalette;

// The installer always looks the same, light, whatever the desktop's theme:
// the Fusion style with a palette set explicitly rather than taken from the
// platform.
QPalette lightPalette();
void applyLightAppearance();
