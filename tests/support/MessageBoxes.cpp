#include "MessageBoxes.h"

namespace {

const int kTextControlId = 0xFFFF;  // the static that holds a message box's text

std::string WindowText(HWND window)
{
    char text[1024];
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

std::string ClassName(HWND window)
{
    char name[64];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassName(window) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindMessageBox(DWORD processId)
{
    Search search = {processId, nullptr};
    EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    MessageBoxSeen seen;
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, kTextControlId));
    for (HWND child : Children(box)) {
        std::string kind = ClassName(child);
        if (kind == "Button" && IsWindowVisible(child))
            seen.buttons.push_back(WindowText(child));
        else if (kind == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_ICON) == SS_ICON &&
                 SendMessageA(child, STM_GETICON, 0, 0) != 0)
            seen.hasIcon = true;
    }
    return seen;
}

bool PressMessageBoxButton(HWND box, const std::string& caption)
{
    for (HWND child : Children(box)) {
        if (ClassName(child) != "Button" || !IsWindowVisible(child))
            continue;
        std::string text = WindowText(child);
        if (caption.empty() || text == caption) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            return true;
        }
    }
    return false;
}
