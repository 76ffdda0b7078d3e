#pragma once
#include <string>

#include "FaxPage.h"
#include "FaxTimeChoice.h"

// Shows a calendar and a time field running with the PC clock and lets the user set the date
// and time the printer's clock is to show, kept as an offset from the PC clock, and whether the
// printer keeps daylight saving.
class FaxSetTimePage : public FaxPage {
public:
    FaxSetTimePage(const std::string& language);

protected:
    void DoDataExchange(CDataExchange& exchange) override;
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnTimer(UINT_PTR timerId) override;
    void OnDateTimeChange(int controlId) override;
    void OnCalendarSelChange(int controlId) override;
    void OnClicked(int controlId) override;

private:
    void PlaceControls() const;
    void ShowTime() const;
    // The date of the calendar and the time of day of the time field, `hourShift` hours later.
    LocalDateTime ReadChosenTime(int hourShift) const;
    void ReadOffset(int hourShift = 0);
    LRESULT Leave();

    bool m_bDstChecked = false;
    bool m_bTimeInitialized = false;
    int m_nTimeOffset = 0;
};
