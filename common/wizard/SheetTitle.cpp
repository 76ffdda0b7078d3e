#include "SheetTitle.h"

#include "MainVersion.h"
#include "TextSlot.h"

namespace {

const UINT kTitleFormat = 101;
const UINT kMessageCaptionFormat = 102;

}  // namespace

std::string LoadSheetTitle(const CResourceLibrary& texts)
{
    return FillTextSlot(texts.LoadText(kTitleFormat), GetMainVersion());
}

std::string LoadMessageCaption(const CResourceLibrary& texts)
{
    return FillTextSlot(texts.LoadText(kMessageCaptionFormat), GetMainVersion());
}

int ShowWizardMessage(HWND owner, const CResourceLibrary& texts, UINT textId, UINT style)
{
    return MessageBoxExA(owner, texts.LoadText(textId).c_str(), LoadMessageCaption(texts).c_str(),
                         style, 0);
}
