#pragma once
#include <vector>

#include "FaxRun.h"

enum class FaxPageKind {
    INTRODUCTION,
    SELECT_PRINTER,
    SELECT_MODEL,
    SELECT_COUNTRY_CODE,
    SET_TIME,
    CONFIRM,
    COMPLETE,
};

// One page of a run and the wizard buttons it starts with.
struct FaxPageStep {
    FaxPageKind kind;
    int wizardButtons;
};

// The pages a run shows, in order. The page a run starts on offers Next only, except the
// confirmation page, which keeps Back; the confirmation and completion pages are always there.
std::vector<FaxPageStep> PlanFaxPages(const FaxRun& run);
