#include "PageCapture.h"

#include "MessageBoxes.h"
#include "WaitFor.h"
#include "WindowImage.h"

namespace {

const DWORD kSettleTimeoutMs = 5000;
// Long enough for a page whose Next does the work, as the fax confirmation's Send does.
const DWORD kPageChangeTimeoutMs = 20000;

}  // namespace

bool CPageCapture::Save(const char* page) const
{
    CWindowImage image;
    std::string path = m_strPrefix + "-" + page + ".bmp";
    return CaptureSettled(m_wizard.Sheet(), image, kSettleTimeoutMs) && image.SaveBmp(path.c_str());
}

bool CPageCapture::Press(int button) const
{
    int page = m_wizard.ActiveIndex();
    if (!m_wizard.PressWhenEnabled(button, kSettleTimeoutMs))
        return false;
    if (HWND box = FindMessageBox(GetCurrentProcessId()))
        PressMessageBoxButton(box, ReadMessageBox(box).buttons.at(0));
    return button != kNextButton ||
           WaitFor([&] { return m_wizard.ActiveIndex() != page; }, kPageChangeTimeoutMs);
}
