#pragma once
#include <string>

#include "FaxPage.h"
#include "FaxPagePlan.h"
#include "FaxRun.h"

// What the stand-in pages saw of the sheet at their latest activation.
struct SheetSeen {
    std::string printer, port, driver, countryCode;
    int timeOffset = 0;
    int supportedPrinters = -1;
};
inline SheetSeen g_seen;

// Stands in for a page of the fax wizard: shows the stand-in library's template for its kind and
// the buttons it was given; the confirmation's Next counts as the settings sent, with a model
// chosen.
class StandInPage : public FaxPage {
public:
    StandInPage(const FaxPageStep& step, const FaxRun& run, int supportedPrinters)
        : FaxPage(TemplateOf(step.kind), run.language, step.wizardButtons),
          m_kind(step.kind), m_nSupportedPrinters(supportedPrinters)
    {
    }

protected:
    BOOL OnSetActive() override
    {
        Dressing dressing;
        dressing.title = true;
        dressing.postButtons = true;
        DressSheet(dressing);
        Manager().GetPrinter(g_seen.printer, g_seen.port, g_seen.driver);
        std::string countryName;
        Manager().GetCountry(g_seen.countryCode, countryName);
        g_seen.timeOffset = Manager().GetTimeOffset();
        g_seen.supportedPrinters = m_nSupportedPrinters;
        return TRUE;
    }

    LRESULT OnNext() override
    {
        if (m_kind == FaxPageKind::CONFIRM) {
            Manager().SetModel("LT-200");
            Manager().SetCompleted(true);
        }
        return 0;
    }

private:
    static UINT TemplateOf(FaxPageKind kind)
    {
        static const UINT templates[] = {108, 5000, 5007, 5001, 5008, 5005, 5009};
        return templates[static_cast<int>(kind)];
    }

    FaxPageKind m_kind;
    int m_nSupportedPrinters;
};
