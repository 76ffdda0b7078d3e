#include "MessageBoxes.h"

#include "PostedMessages.h"
#include "WaitFor.h"
#include "WindowQueries.h"

namespace {

const int kTextControlId = 0xFFFF;  // the static that holds a message box's text

}  // namespace

bool IsMessageBox(HWND window)
{
    HWND text = GetDlgItem(window, kTextControlId);
    return ClassName(window) == "#32770" && text != nullptr && ClassName(text) == "Static" &&
           FindWindowExA(window, nullptr, "SysTabControl32", nullptr) == nullptr;
}

HWND FindMessageBox(DWORD processId)
{
    for (HWND dialog : VisibleDialogs(processId))
        if (IsMessageBox(dialog))
            return dialog;
    return nullptr;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    HWND box = nullptr;
    WaitFor([&] { return (box = FindMessageBox(processId)) != nullptr; }, timeoutMs);
    return box;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    MessageBoxSeen seen;
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, kTextControlId));
    for (HWND child : ChildWindows(box)) {
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
    for (HWND child : ChildWindows(box)) {
        if (ClassName(child) != "Button" || !IsWindowVisible(child))
            continue;
        std::string text = WindowText(child);
        if (caption.empty() || text == caption) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            WaitForPostedMessagesHandled(GetWindowThreadProcessId(box, nullptr));
            return true;
        }
    }
    return false;
}
