#pragma once

// The display's DPI, at which the DPI-aware wizards lay out their pages; the pixel figures of
// their pictures and placed controls are those of a 96 DPI display, scaled by this.
int DisplayDpi();
int ScaleToDisplay(int pixelsAt96Dpi);
