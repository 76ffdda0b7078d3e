#include "WizardButtonWidth.h"

#include <algorithm>

#include "PropertySheet.h"

namespace {

// Back, Next, the caption of a Next that sends or downloads, Finish.
const UINT kMeasuredCaptions[] = {106, 105, 103, 104};

int WidestCaption(HWND cancel, const CResourceLibrary& texts)
{
    HDC dc = GetDC(cancel);
    int widest = 0;
    for (UINT id : kMeasuredCaptions) {
        std::string caption = texts.LoadText(id);
        RECT bounds = {0, 0, 0, 0};
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &bounds, DT_CALCRECT);
        widest = std::max(widest, static_cast<int>(bounds.right - bounds.left));
    }
    ReleaseDC(cancel, dc);
    return widest;
}

RECT ClientRect(HWND sheet, HWND button)
{
    RECT bounds;
    GetWindowRect(button, &bounds);
    MapWindowPoints(HWND_DESKTOP, sheet, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void Place(HWND button, const RECT& bounds)
{
    MoveWindow(button, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, TRUE);
}

}  // namespace

void WidenWizardButtons(HWND sheet, const CResourceLibrary& texts)
{
    HWND cancel = GetDlgItem(sheet, IDCANCEL);
    HWND next = GetDlgItem(sheet, ID_WIZNEXT);
    HWND back = GetDlgItem(sheet, ID_WIZBACK);
    HWND finish = GetDlgItem(sheet, ID_WIZFINISH);
    if (cancel == nullptr || next == nullptr || back == nullptr || finish == nullptr)
        return;

    RECT cancelBounds = ClientRect(sheet, cancel);
    int d = WidestCaption(cancel, texts) - (cancelBounds.right - cancelBounds.left);
    if (d <= 0)
        return;

    RECT nextBounds = ClientRect(sheet, next);
    RECT backBounds = ClientRect(sheet, back);
    cancelBounds.left -= d;
    nextBounds.left -= 2 * d;
    nextBounds.right -= d;
    backBounds.left -= 3 * d;
    backBounds.right -= 2 * d;
    Place(cancel, cancelBounds);
    Place(next, nextBounds);
    Place(back, backBounds);
    Place(finish, nextBounds);
}
