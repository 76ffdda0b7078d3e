#pragma once
#include <string>
#include <vector>

// Whether the resource-only library at `path` holds a dialog template for every identifier. A
// library of the right version can still be the wrong one, whose wizard would have no page.
bool HoldsDialogTemplates(const std::string& path, const std::vector<unsigned>& templateIds);
