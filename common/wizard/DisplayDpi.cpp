#include "DisplayDpi.h"

#include <windows.h>

int DisplayDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ScaleToDisplay(int pixelsAt96Dpi)
{
    return MulDiv(pixelsAt96Dpi, DisplayDpi(), 96);
}
