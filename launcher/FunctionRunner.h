#pragma once
#include "LaunchOptions.h"

class CIniConfig;

// Chooses the functions the options ask for and runs the function libraries in order: the
// chooser, the fax setup, the message download. Returns the launcher's exit code: 0, or the
// printer list's status when no printer is installed.
int RunFunctions(const LaunchOptions& options, CIniConfig& config);
