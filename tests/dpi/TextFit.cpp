#include "TextFit.h"

#include <algorithm>

namespace {

// How the control lays out its text, or nothing to measure.
struct TextRoom {
    bool measured = false;
    bool wraps = false;
    bool widthLimited = true;  // false: the control cuts a long text short with an ellipsis
    UINT prefixFlag = 0;
    RECT room = {};
};

std::string ClassOf(HWND control)
{
    char name[64] = "";
    GetClassNameA(control, name, sizeof name);
    return name;
}

void Inset(RECT& rect, int across, int down)
{
    rect.left += across;
    rect.right -= across;
    rect.top += down;
    rect.bottom -= down;
}

TextRoom StaticRoom(LONG style, RECT client)
{
    TextRoom room;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
        room.wraps = true;
        break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        break;
    default:  // pictures, frames and owner-drawn statics have no text to fit
        return room;
    }
    if (style & SS_ELLIPSISMASK) {
        room.wraps = false;
        room.widthLimited = false;
    }
    room.measured = true;
    room.prefixFlag = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    room.room = client;
    return room;
}

// The text of a button is drawn beside its check mark, inside its frame or in its group box's
// top edge; the margins are those the common controls keep at this DPI.
TextRoom ButtonRoom(LONG style, RECT client, int averageCharWidth)
{
    TextRoom room;
    if (style & (BS_BITMAP | BS_ICON))
        return room;
    int edge = GetSystemMetrics(SM_CXEDGE);
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        Inset(client, 2 * edge, 2 * edge);
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        client.left += GetSystemMetrics(SM_CXMENUCHECK) + averageCharWidth / 2;
        break;
    case BS_GROUPBOX:
        Inset(client, averageCharWidth, 0);
        client.bottom = client.top + 0x7fff;  // its caption is one line along the top
        break;
    default:  // owner-drawn and user buttons
        return room;
    }
    room.measured = true;
    room.wraps = (style & BS_MULTILINE) != 0;
    room.room = client;
    return room;
}

bool Measure(HWND control, TextShortfall& shortfall)
{
    int length = GetWindowTextLengthW(control);
    if (length == 0)
        return false;
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(control, &text[0], length + 1);
    text.resize(wcslen(text.c_str()));
    shortfall.text.resize(GetWindowTextLengthA(control) + 1);
    GetWindowTextA(control, &shortfall.text[0], static_cast<int>(shortfall.text.size()));
    shortfall.text.resize(strlen(shortfall.text.c_str()));

    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);

    RECT client = {};
    GetClientRect(control, &client);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    std::string kind = ClassOf(control);
    TextRoom room;
    if (lstrcmpiA(kind.c_str(), "Static") == 0)
        room = StaticRoom(style, client);
    else if (lstrcmpiA(kind.c_str(), "Button") == 0)
        room = ButtonRoom(style, client, metrics.tmAveCharWidth);

    bool clipped = false;
    if (room.measured) {
        RECT needed = room.room;
        UINT flags = DT_CALCRECT | DT_EXPANDTABS | room.prefixFlag |
                     (room.wraps ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextW(dc, text.c_str(), -1, &needed, flags);
        if (room.widthLimited)
            shortfall.missingWidth =
                std::max(0L, (needed.right - needed.left) - (room.room.right - room.room.left));
        shortfall.missingHeight =
            std::max(0L, (needed.bottom - needed.top) - (room.room.bottom - room.room.top));
        clipped = shortfall.missingWidth > 0 || shortfall.missingHeight > 0;
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return clipped;
}

int DistancePastPage(HWND control, HWND page)
{
    RECT bounds = {};
    RECT pageClient = {};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&bounds), 2);
    GetClientRect(page, &pageClient);
    return std::max(0L, std::max(bounds.right - pageClient.right, bounds.bottom - pageClient.bottom));
}

void CheckChildren(HWND parent, HWND page, std::vector<TextShortfall>& found)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        TextShortfall shortfall;
        shortfall.controlId = GetDlgCtrlID(child);
        bool clipped = Measure(child, shortfall);
        if (page != nullptr)
            shortfall.pastPage = DistancePastPage(child, page);
        if (clipped || shortfall.pastPage > 0)
            found.push_back(shortfall);
    }
}

}  // namespace

std::string TextShortfall::Describe() const
{
    std::string what;
    auto add = [&](int pixels, const char* how) {
        if (pixels > 0)
            what += (what.empty() ? "" : ", ") + std::to_string(pixels) + " px " + how;
    };
    add(missingWidth, "too narrow");
    add(missingHeight, "too low");
    add(pastPage, "past the page");
    return what;
}

std::vector<TextShortfall> FindClippedTexts(HWND sheet, HWND page)
{
    std::vector<TextShortfall> found;
    CheckChildren(page, page, found);
    // The sheet's own buttons, whose captions the pages set; the page itself is one of its
    // children too, and has no text.
    CheckChildren(sheet, nullptr, found);
    return found;
}
