#pragma once
#include <ctime>
#include <string>

#include "PrinterState.h"

// The page a menu-print command prints: the panel's menus with their current settings.
std::string MenuMapText(const PrinterState& state, std::time_t now);
