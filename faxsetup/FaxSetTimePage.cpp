#include "FaxSetTimePage.h"

#include <algorithm>

#include <sys/timeb.h>
#include <time.h>

#include "DisplayDpi.h"
#include "FaxShownTime.h"
#include "ResourceIds.h"

namespace {

const UINT_PTR PAGE_TIMER_ID = 1;
// Just under a second, so that no second of the clock is skipped.
const UINT kTickMs = 999;

// Below the page's explanation, whose two lines end above 70 pixels in either language.
const int kCalendarTop = 76;
const int kRowGap = 8;
const int kLabelGap = 6;
// The calendar's label stands level with the calendar's month title.
const int kCalendarLabelDrop = 5;
const SIZE kTimeFieldSize = {113, 19};

const SYSTEMTIME kEarliestDate = {1992, 1, 0, 1, 0, 0, 0, 0};
const SYSTEMTIME kLatestDate = {2037, 12, 0, 31, 23, 59, 59, 0};

RECT BoundsOnPage(HWND control, HWND page)
{
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

SIZE CalendarMinimum(HWND calendar)
{
    RECT minimum = {0, 0, 0, 0};
    SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
    return {minimum.right - minimum.left, minimum.bottom - minimum.top};
}

void Resize(HWND window, SIZE size)
{
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void MoveTo(HWND window, int left, int top)
{
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool IsDaylightSavingNow()
{
    _timeb now;
    _ftime(&now);
    return now.dstflag != 0;
}

}  // namespace

FaxSetTimePage::FaxSetTimePage(const std::string& language)
    : FaxPage(IDD_FAX_SET_TIME_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

void FaxSetTimePage::DoDataExchange(CDataExchange& exchange)
{
    DDX_Check(exchange, IDC_DAYLIGHT_SAVING_BOX, m_bDstChecked);
}

BOOL FaxSetTimePage::OnSetActive()
{
    HWND calendar = GetDlgItem(IDC_FAX_CALENDAR);
    SYSTEMTIME range[2] = {kEarliestDate, kLatestDate};
    SendMessageA(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    Resize(calendar, CalendarMinimum(calendar));
    PlaceControls();
    PostButtons(m_nWizardButtons);
    m_nTimeOffset = Manager().GetTimeOffset();
    ShowTime();
    Dressing dressing;
    dressing.title = true;
    dressing.postButtons = true;
    dressing.backAndCancel = true;
    DressSheet(dressing);
    SetTimer(GetSafeHwnd(), PAGE_TIMER_ID, kTickMs, nullptr);
    // The PC's own setting only until the user had the page once; then the user's choice.
    if (m_bTimeInitialized) {
        m_bDstChecked = Manager().GetDaylightSaving();
    } else {
        m_bDstChecked = IsDaylightSavingNow();
        Manager().SetDaylightSaving(m_bDstChecked);
        m_bTimeInitialized = true;
    }
    UpdateData(false);
    return FaxPage::OnSetActive();
}

// The calendar and the time field stand centred in the part of the page beside the side
// picture, but never over their labels, which keep the template's left edge; the line keeps the
// template's margins. The places are pixels of a 96 DPI display, scaled to the display's so that
// they keep their distance from the texts, which scale with the template's font.
void FaxSetTimePage::PlaceControls() const
{
    HWND page = GetSafeHwnd();
    int picture = 0;
    RECT pictureBounds = {0, 0, 0, 0};
    if (GetClientRect(GetDlgItem(IDC_SIDE_PICTURE), &pictureBounds))
        picture = pictureBounds.right - pictureBounds.left;
    RECT pageBounds = {0, 0, 0, 0};
    GetClientRect(page, &pageBounds);
    int pageWidth = pageBounds.right - pageBounds.left;
    auto besideLabel = [&](HWND label, int width) {
        return std::max<int>(CentredControlLeft(picture, pageWidth, width),
                             BoundsOnPage(label, page).right + ScaleToDisplay(kLabelGap));
    };

    HWND calendar = GetDlgItem(IDC_FAX_CALENDAR);
    HWND dateLabel = GetDlgItem(IDC_FAX_DATE_LABEL);
    SIZE calendarSize = CalendarMinimum(calendar);
    int calendarTop = ScaleToDisplay(kCalendarTop);
    MoveTo(calendar, besideLabel(dateLabel, calendarSize.cx), calendarTop);
    Resize(calendar, CalendarMinimum(calendar));
    MoveTo(dateLabel, BoundsOnPage(dateLabel, page).left,
           calendarTop + ScaleToDisplay(kCalendarLabelDrop));

    HWND separator = GetDlgItem(IDC_TIME_SEPARATOR);
    int separatorTop = BoundsOnPage(calendar, page).bottom + ScaleToDisplay(kRowGap);
    MoveTo(separator, BoundsOnPage(separator, page).left, separatorTop);

    HWND timeLabel = GetDlgItem(IDC_FAX_TIME_LABEL);
    SIZE timeField = {ScaleToDisplay(kTimeFieldSize.cx), ScaleToDisplay(kTimeFieldSize.cy)};
    int timeFieldLeft = besideLabel(timeLabel, timeField.cx);
    int timeFieldTop = separatorTop + ScaleToDisplay(kRowGap);
    SetWindowPos(GetDlgItem(IDC_FAX_TIME), nullptr, timeFieldLeft, timeFieldTop, timeField.cx,
                 timeField.cy, SWP_NOZORDER);
    RECT label = BoundsOnPage(timeLabel, page);
    MoveTo(timeLabel, label.left,
           timeFieldTop + (timeField.cy - (label.bottom - label.top)) / 2);
    MoveTo(GetDlgItem(IDC_DAYLIGHT_SAVING_BOX), timeFieldLeft,
           timeFieldTop + timeField.cy + ScaleToDisplay(kRowGap));
}

void FaxSetTimePage::ShowTime() const
{
    SYSTEMTIME value;
    if (!FaxShownTime(m_nTimeOffset, value))
        return;
    SendMessageA(GetDlgItem(IDC_FAX_CALENDAR), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&value));
    SendMessageA(GetDlgItem(IDC_FAX_TIME), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&value));
}

LocalDateTime FaxSetTimePage::ReadChosenTime(int hourShift) const
{
    SYSTEMTIME date = {};
    SYSTEMTIME timeOfDay = {};
    SendMessageA(GetDlgItem(IDC_FAX_CALENDAR), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
    SendMessageA(GetDlgItem(IDC_FAX_TIME), DTM_GETSYSTEMTIME, 0,
                 reinterpret_cast<LPARAM>(&timeOfDay));
    return {date.wYear, date.wMonth, date.wDay, timeOfDay.wHour + hourShift, timeOfDay.wMinute,
            timeOfDay.wSecond};
}

void FaxSetTimePage::ReadOffset(int hourShift)
{
    int64_t chosen = LocalMoment(ReadChosenTime(hourShift));
    if (chosen != -1)
        m_nTimeOffset = static_cast<int>(chosen - static_cast<int64_t>(time(nullptr)));
}

void FaxSetTimePage::OnTimer(UINT_PTR timerId)
{
    if (timerId == PAGE_TIMER_ID)
        ShowTime();
}

void FaxSetTimePage::OnDateTimeChange(int controlId)
{
    if (controlId == IDC_FAX_TIME)
        ReadOffset();
}

// The clock's own move to another day is no choice of the user's.
void FaxSetTimePage::OnCalendarSelChange(int controlId)
{
    if (controlId != IDC_FAX_CALENDAR)
        return;
    SYSTEMTIME shown;
    LocalDateTime chosen = ReadChosenTime(0);
    if (FaxShownTime(m_nTimeOffset, shown) && shown.wYear == chosen.year &&
        shown.wMonth == chosen.month && shown.wDay == chosen.day)
        return;
    ReadOffset();
}

// The printer's clock keeps the same moment: with daylight saving it shows an hour more.
void FaxSetTimePage::OnClicked(int controlId)
{
    if (controlId != IDC_DAYLIGHT_SAVING_BOX)
        return;
    HWND box = GetDlgItem(IDC_DAYLIGHT_SAVING_BOX);
    UpdateData(true);
    EnableWindow(box, FALSE);
    ReadOffset(m_bDstChecked ? 1 : -1);
    Manager().SetDaylightSaving(m_bDstChecked);
    ShowTime();
    EnableWindow(box, TRUE);
}

LRESULT FaxSetTimePage::OnNext() { return Leave(); }

LRESULT FaxSetTimePage::OnBack() { return Leave(); }

LRESULT FaxSetTimePage::Leave()
{
    ReadOffset();
    Manager().SetTimeOffset(m_nTimeOffset);
    Manager().SetDaylightSaving(m_bDstChecked);
    KillTimer(GetSafeHwnd(), PAGE_TIMER_ID);
    return 0;
}
