#include "FaxWizard.h"

// The wizard's pages join here as they are built; until then a run shows none of them.
std::unique_ptr<FaxPage> CreateFaxPage(const FaxPageStep&, const FaxRun&, int)
{
    return nullptr;
}
