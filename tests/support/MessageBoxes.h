#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What a message box showed: caption, text, button captions, and whether it had an icon.
struct MessageBoxSeen {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    bool hasIcon = false;
};

// A dialog with a message box's text static; property sheets and other dialogs do not count.
bool IsMessageBox(HWND window);
// The first visible message box of a process, or null.
HWND FindMessageBox(DWORD processId);
// Waits at most timeoutMs for a message box of the process; null when none came.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = 5000);
MessageBoxSeen ReadMessageBox(HWND box);
// Presses the button whose caption is given ("OK" when empty: the first button). A box of this
// process has been answered, and what the answer set off handled, when this returns.
bool PressMessageBoxButton(HWND box, const std::string& caption = std::string());
