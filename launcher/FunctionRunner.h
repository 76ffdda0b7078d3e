#pragma once
#include "LaunchOptions.h"

class CIniConfig;

// Chooses the functions the options ask for and runs the function libraries in order.
// Returns the launcher's exit code.
int RunFunctions(const LaunchOptions& options, CIniConfig& config);
