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

// The first visible message box (dialog class "#32770") of a process, or null.
HWND FindMessageBox(DWORD processId);
MessageBoxSeen ReadMessageBox(HWND box);
// Presses the button whose caption is given ("OK" when empty: the first button).
bool PressMessageBoxButton(HWND box, const std::string& caption = std::string());
