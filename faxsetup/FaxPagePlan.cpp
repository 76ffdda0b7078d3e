#include "FaxPagePlan.h"

#include <windows.h>
#include <prsht.h>

namespace {

const int kFirstPage = PSWIZB_NEXT;
const int kMiddlePage = PSWIZB_BACK | PSWIZB_NEXT;

}  // namespace

std::vector<FaxPageStep> PlanFaxPages(const FaxRun& run)
{
    std::vector<FaxPageStep> pages;
    const bool printerGiven = !run.printerName.empty();
    if (!run.skipIntroduction)
        pages.push_back({FaxPageKind::INTRODUCTION, kFirstPage});
    if (!printerGiven) {
        pages.push_back({FaxPageKind::SELECT_PRINTER,
                         run.skipIntroduction ? kFirstPage : kMiddlePage});
        pages.push_back({FaxPageKind::SELECT_MODEL, kMiddlePage});
    }
    if (!run.skipCountryCode) {
        bool first = run.skipIntroduction && printerGiven;
        pages.push_back({FaxPageKind::SELECT_COUNTRY_CODE, first ? kFirstPage : kMiddlePage});
    }
    if (!run.skipTime) {
        bool first = run.skipIntroduction && printerGiven && run.skipCountryCode;
        pages.push_back({FaxPageKind::SET_TIME, first ? kFirstPage : kMiddlePage});
    }
    // Even as the first page the confirmation keeps Back, as it always has.
    pages.push_back({FaxPageKind::CONFIRM, kMiddlePage});
    pages.push_back({FaxPageKind::COMPLETE, PSWIZB_FINISH});
    return pages;
}
