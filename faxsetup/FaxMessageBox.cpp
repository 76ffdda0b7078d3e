#include "FaxMessageBox.h"

namespace {

const char kCaption[] = "Dravelle";
const UINT kStyle = MB_ICONEXCLAMATION | MB_TOPMOST;

}  // namespace

void FaxMessageBox::Show(UINT textId) const
{
    MessageBoxA(m_hOwner, m_texts.LoadText(textId).c_str(), kCaption, kStyle);
}
