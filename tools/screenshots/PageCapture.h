#pragma once
#include <windows.h>

#include <string>

#include "WizardDriver.h"

// Walks a wizard that this process shows, as the capture tools do: saves the pages it passes as
// <prefix>-<page>.bmp and presses the wizard's buttons as a user would.
class CPageCapture {
public:
    CPageCapture(HWND sheet, std::string prefix) : m_wizard(sheet), m_strPrefix(std::move(prefix))
    {
    }

    // Saves the page once it shows what it was asked to paint.
    bool Save(const char* page) const;

    // Presses a button once it is offered; a question on the way is answered with its first
    // button. Next returns once another page shows.
    bool Press(int button) const;

    const WizardDriver& Wizard() const { return m_wizard; }

private:
    WizardDriver m_wizard;
    std::string m_strPrefix;
};
