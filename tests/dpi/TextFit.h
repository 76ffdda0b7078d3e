#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A text that its control shows only in part, or a control that its page cuts off.
struct TextShortfall {
    int controlId = 0;
    std::string text;
    int missingWidth = 0;   // pixels the text lacks across
    int missingHeight = 0;  // pixels the wrapped text lacks downwards
    int pastPage = 0;       // pixels the control reaches past the page's right or bottom edge

    std::string Describe() const;
};

// Every visible static text, button, check box, radio button and group box of the page, and the
// sheet's own buttons, measured with the control's own font against its client area; a static
// that cuts a long value short with an ellipsis is measured for its height only.
std::vector<TextShortfall> FindClippedTexts(HWND sheet, HWND page);
