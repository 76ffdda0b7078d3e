#include "MessageVersionPage.h"

#include <mbstring.h>
#include <shellapi.h>
#include <string.h>

#include <algorithm>

#include "ChosenLanguageFile.h"
#include "FindExport.h"
#include "IniConfig.h"
#include "LanguageFileHeader.h"
#include "MultibyteText.h"
#include "PositionalText.h"
#include "ResourceIds.h"
#include "ResultCodes.h"
#include "SmoothBitmap.h"

namespace {

// The shell is loaded only when a link is opened: importing it would load it, and the libraries
// it brings, before every download wizard's first page. It stays loaded, pinned, since what it
// starts may still run after the call.
void OpenWithShell(const std::string& link)
{
    HMODULE shell = LoadPinnedLibrary("shell32.dll");
    if (shell == nullptr)
        return;
    auto shellExecute = FindExport<decltype(&::ShellExecuteA)>(shell, "ShellExecuteA");
    if (shellExecute != nullptr)
        shellExecute(nullptr, nullptr, link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Only a web address goes to the shell: any other value would start a program or open a file.
bool IsWebAddress(const std::string& link)
{
    for (const char* scheme : {"http://", "https://"}) {
        size_t length = strlen(scheme);
        if (link.size() > length && _strnicmp(link.c_str(), scheme, length) == 0)
            return true;
    }
    return false;
}

// Whether the static control shows all of `text`, word-wrapped as it draws it.
bool FitsControl(HWND control, const std::string& text)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    if (dc == nullptr)
        return true;
    HGDIOBJ previousFont = nullptr;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font != nullptr)
        previousFont = SelectObject(dc, font);
    RECT needed = {0, 0, client.right, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
    ReleaseDC(control, dc);
    // A word wider than the control widens the rectangle instead of wrapping.
    return needed.right <= client.right && needed.bottom <= client.bottom;
}

std::string Shortened(const std::string& value, size_t maxBytes)
{
    if (value.size() <= maxBytes)
        return value;
    return CutAtCharacter(value, maxBytes) + "...";
}

// The format filled with both versions, each cut (at whole characters, marked with "...") to the
// longest length that lets the text fit its control, so that the format's words and the start of
// both versions stay in view however long a header's versions are.
std::string FitVersionText(HWND control, const std::string& format, const std::string& lowest,
                           const std::string& highest)
{
    auto filled = [&](size_t maxBytes) {
        return FillPositionalText(format, Shortened(lowest, maxBytes),
                                  Shortened(highest, maxBytes));
    };
    size_t tooLong = std::max(lowest.size(), highest.size());
    if (FitsControl(control, filled(tooLong)))
        return filled(tooLong);
    size_t fitting = 0;
    while (tooLong - fitting > 1) {
        size_t middle = fitting + (tooLong - fitting) / 2;
        if (FitsControl(control, filled(middle)))
            fitting = middle;
        else
            tooLong = middle;
    }
    return filled(fitting);
}

std::string VersionText(HWND control, const CResourceLibrary& texts, const std::string& lowest,
                        const std::string& highest)
{
    if (lowest.empty() || highest.empty())
        return std::string();
    std::string format =
        texts.LoadText(lowest != highest ? IDS_VERSION_RANGE_FORMAT : IDS_VERSION_SINGLE_FORMAT);
    if (!HasPlaceholder(format, kFirstPlaceholder))
        return std::string();
    return FitVersionText(control, format, lowest, highest);
}

// The first bitmap file in the language file's folder; null when there is none to load.
HBITMAP LoadFolderBitmap(const std::string& languageFile)
{
    // A double-byte character's second byte may look like a backslash.
    const auto* path = reinterpret_cast<const unsigned char*>(languageFile.c_str());
    const unsigned char* separator = _mbsrchr(path, '\\');
    if (separator == nullptr)
        return nullptr;
    std::string folder = languageFile.substr(0, separator - path);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return nullptr;
    bool isFile = false;
    do {
        isFile = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } while (!isFile && FindNextFileA(search, &found));
    FindClose(search);
    if (!isFile)
        return nullptr;
    return static_cast<HBITMAP>(LoadImageA(nullptr, (folder + "\\" + found.cFileName).c_str(),
                                           IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

}  // namespace

CMessageVersionPage::CMessageVersionPage(const std::string& language)
    : CDownloadPage(IDD_MESSAGE_VERSION_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

CMessageVersionPage::~CMessageVersionPage()
{
    if (m_hVersionImage != nullptr)
        DeleteObject(m_hVersionImage);
}

BOOL CMessageVersionPage::OnSetActive()
{
    Dressing dressing;
    dressing.postButtons = true;
    if (DressSheet(dressing))
        ShowLanguageFile();
    FocusNextButton();
    return CDownloadPage::OnSetActive();
}

void CMessageVersionPage::ShowLanguageFile()
{
    Libraries libraries(TextLibraryPath());
    if (!libraries.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return;
    }
    // A file that can't be read is not reported here: the download reports it.
    std::string path = FindChosenLanguageFile(Manager()).path;
    CLanguageFileHeader header;
    std::string lowest, highest;
    if (header.Read(path.c_str())) {
        lowest = header.GetVersion1Min();
        highest = header.GetVersion1Max();
    }
    HWND versionText = GetDlgItem(IDC_VERSION_TEXT);
    SetWindowTextA(versionText,
                   VersionText(versionText, libraries.Texts(), lowest, highest).c_str());
    ShowVersionImage(path, libraries.Images());

    int show = WebLink().empty() ? SW_HIDE : SW_SHOWNA;
    ShowWindow(GetDlgItem(IDC_LINK_TEXT), show);
    ShowWindow(GetDlgItem(IDC_LINK_BUTTON), show);
}

void CMessageVersionPage::ShowVersionImage(const std::string& languageFile,
                                           const CResourceLibrary& images)
{
    HWND control = GetDlgItem(IDC_VERSION_IMAGE);
    RECT before = {0, 0, 0, 0};
    GetClientRect(control, &before);

    // A language file's picture is made for 100 % display scale, the library's for 200 %; either
    // is shown at the display's scale.
    HBITMAP image = ToDisplayScale(LoadFolderBitmap(languageFile), 96);
    if (image == nullptr)
        image = ToDisplayScale(images.LoadBitmapImage(IDB_DEFAULT_VERSION_IMAGE),
                               kLargestPictureDpi);
    auto shown = reinterpret_cast<HBITMAP>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image)));
    // A control that keeps its own copy of a bitmap with alpha hands that copy back here.
    if (shown != nullptr && shown != m_hVersionImage)
        DeleteObject(shown);
    if (m_hVersionImage != nullptr)
        DeleteObject(m_hVersionImage);
    m_hVersionImage = image;

    // The control took the image's size; keep its centre where it was.
    RECT after = {0, 0, 0, 0};
    GetClientRect(control, &after);
    RECT placement = {0, 0, 0, 0};
    GetWindowRect(control, &placement);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&placement), 2);
    SetWindowPos(control, nullptr, placement.left + (before.right - after.right) / 2,
                 placement.top + (before.bottom - after.bottom) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string CMessageVersionPage::WebLink() const
{
    std::string language, languageName;
    Manager().GetMessageLanguage(language, languageName);
    CIniConfig config;
    std::string link;
    if (!config.GetLink(language.c_str(), link) || !IsWebAddress(link))
        return std::string();
    return link;
}

void CMessageVersionPage::OnClicked(int controlId)
{
    if (controlId != IDC_LINK_BUTTON)
        return;
    std::string link = WebLink();
    if (!link.empty())
        OpenWithShell(link);
}
