#include "WizardPageBase.h"

#include <algorithm>

#include "OptionalText.h"
#include "PrinterList.h"
#include "PropertySheet.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SheetTitle.h"
#include "SmoothBitmap.h"

CWizardPageBase::Libraries::Libraries(const std::string& textLibraryPath)
    : m_texts(textLibraryPath.c_str()), m_images(kImageLibraryPath)
{
}

CWizardPageBase::CWizardPageBase(UINT templateId, const std::string& language,
                                 const char* textLibraryPattern, int wizardButtons)
    : CPropertyPage(templateId), m_strLanguage(language), m_nWizardButtons(wizardButtons),
      m_pszTextLibraryPattern(textLibraryPattern)
{
}

CWizardPageBase::~CWizardPageBase()
{
    if (m_hPicture != nullptr)
        DeleteObject(m_hPicture);
}

std::string CWizardPageBase::TextLibraryPath() const
{
    return PageTextLibraryPath(m_pszTextLibraryPattern, m_strLanguage);
}

std::string CWizardPageBase::LoadText(UINT id) const
{
    return CResourceLibrary(TextLibraryPath().c_str()).LoadText(id);
}

bool CWizardPageBase::DressSheet(const Dressing& dressing)
{
    Libraries libraries(TextLibraryPath());
    if (!libraries.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return false;
    }
    const CResourceLibrary& texts = libraries.Texts();
    HWND sheet = SheetWindow();
    if (dressing.title)
        SetWindowTextA(sheet, LoadSheetTitle(texts).c_str());
    if (dressing.postButtons)
        PostButtons(m_nWizardButtons);

    UINT nextCaption = dressing.nextCaption;
    if (nextCaption == 0)
        nextCaption = (m_nWizardButtons & PSWIZB_FINISH) ? IDS_FINISH_BUTTON : IDS_NEXT_BUTTON;
    std::string next = texts.LoadText(nextCaption);
    SetDlgItemTextA(sheet, ID_WIZNEXT, next.c_str());
    SetDlgItemTextA(sheet, ID_WIZFINISH, next.c_str());
    if (dressing.backAndCancel) {
        SetDlgItemTextA(sheet, ID_WIZBACK, texts.LoadText(IDS_BACK_BUTTON).c_str());
        SetDlgItemTextA(sheet, IDCANCEL, texts.LoadText(IDS_CANCEL_BUTTON).c_str());
    }
    ShowSidePicture(libraries.Images());
    return true;
}

void CWizardPageBase::ShowSidePicture(const CResourceLibrary& images)
{
    HWND picture = GetDlgItem(IDC_SIDE_PICTURE);
    if (m_hPicture == nullptr) {
        SIZE size = FitSidePictureToPage(picture);
        // Drawn for the largest display scale and shrunk smoothly to the control's size; a page
        // that gives the picture a band of another shape shows the picture's middle.
        HBITMAP drawn = images.LoadBitmapImage(IDB_WIZARD_SIDE_PICTURE);
        m_hPicture = ScaleToFill(drawn, size.cx, size.cy);
        if (drawn != nullptr)
            DeleteObject(drawn);
    }
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hPicture));
}

// The sheet may make the page a pixel shorter than its template at some scales: the picture
// then ends with the page instead of reaching past it.
SIZE CWizardPageBase::FitSidePictureToPage(HWND picture) const
{
    RECT bounds = {0, 0, 0, 0};
    RECT page = {0, 0, 0, 0};
    GetWindowRect(picture, &bounds);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&bounds), 2);
    GetClientRect(GetSafeHwnd(), &page);
    if (bounds.bottom > page.bottom || bounds.right > page.right) {
        bounds.bottom = std::min(bounds.bottom, page.bottom);
        bounds.right = std::min(bounds.right, page.right);
        SetWindowPos(picture, nullptr, 0, 0, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER);
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(picture, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void CWizardPageBase::PostButtons(int state) const
{
    PostMessageA(SheetWindow(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(static_cast<DWORD>(state)));
}

void CWizardPageBase::PostButtonsForChoice(bool chosen) const
{
    PostButtons(m_nWizardButtons);
    PostButtons(chosen ? m_nWizardButtons : WithoutNextAndFinish(m_nWizardButtons));
}

int CWizardPageBase::WithoutNextAndFinish(int state)
{
    return state & ~(PSWIZB_NEXT | PSWIZB_FINISH);
}

// Posted: the sheet gives the page's first control the focus after the activation.
void CWizardPageBase::FocusNextButton() const
{
    HWND next = ::GetDlgItem(SheetWindow(), ID_WIZNEXT);
    PostMessageA(SheetWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

void CWizardPageBase::ShowFinishOnly() const
{
    std::string finish = LoadText(IDS_FINISH_BUTTON);
    SendMessageA(SheetWindow(), PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>(finish.c_str()));
    PostButtons(m_nWizardButtons);
    ShowWindow(::GetDlgItem(SheetWindow(), IDCANCEL), SW_HIDE);
}

void CWizardPageBase::ActivateChoiceList(bool chosen, const std::function<bool()>& fill)
{
    PostButtonsForChoice(chosen);
    Dressing dressing;
    dressing.title = true;
    dressing.backAndCancel = true;
    DressSheet(dressing);
    if (!fill())
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
}

void CWizardPageBase::SelectChoice(HWND list, int row) const
{
    if (row < 0) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
        return;
    }
    CSortableList::SelectAndFocus(list, row);
    PostButtons(m_nWizardButtons);
}

bool CWizardPageBase::FindCurrentDriver(const std::string& printerName, std::string& driver) const
{
    CPrinterList printers;
    PrinterInfo printer = printers.FindByName(printerName.c_str());
    if (printers.GetStatus() != RESULT_OK) {
        Sheet().SetResult(printers.GetStatus());
        return false;
    }
    driver = TextOrEmpty(printer.GetDriverName());
    return true;
}

void CWizardPageBase::ShowChoiceNote(int controlId, UINT prefixId, UINT noneId,
                                     const std::string& choice) const
{
    std::string note = choice.empty() ? LoadText(noneId) : LoadText(prefixId) + choice;
    SetDlgItemTextA(GetSafeHwnd(), controlId, note.c_str());
}

void CWizardPageBase::SkipToNeighbour() const
{
    CWizardSheet& sheet = Sheet();
    int active = sheet.GetActiveIndex();
    int count = sheet.GetPageCount();
    if (sheet.IsForward()) {
        if (active == count - 1) {
            sheet.SetActivePage(active == 0 ? 0 : active - 1);
            sheet.SetForward(false);
        } else {
            sheet.SetActivePage(active + 1);
        }
    } else if (active == 0) {
        sheet.SetActivePage(count == 1 ? 0 : 1);
        sheet.SetForward(true);
    } else {
        sheet.SetActivePage(active - 1);
    }
}

LRESULT CWizardPageBase::OnWizardNext()
{
    Sheet().SetForward(true);
    return OnNext();
}

LRESULT CWizardPageBase::OnWizardBack()
{
    Sheet().SetForward(false);
    return OnBack();
}

void CWizardPageBase::OnColumnClick(int controlId, const NMLISTVIEW& click)
{
    if (m_pSortableList == nullptr || controlId != m_pSortableList->GetControlId())
        return;
    CResourceLibrary images(kImageLibraryPath);
    if (!m_pSortableList->OnColumnClick(GetDlgItem(controlId), click.iSubItem, images))
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
}

void CWizardPageBase::OnItemChanged(int controlId, const NMLISTVIEW& change)
{
    if (change.uChanged & LVIF_STATE)
        OnSelectionChange(controlId);
}

void CWizardPageBase::OnDoubleClick(int controlId)
{
    if (m_pSortableList == nullptr || controlId != m_pSortableList->GetControlId())
        return;
    if (ListView_GetSelectedCount(GetDlgItem(controlId)) > 0 &&
        (m_nWizardButtons & PSWIZB_FINISH) == 0)
        SendMessageA(SheetWindow(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
}
