#include "FunctionRunner.h"

// Not built yet: the choice of functions, the printer-presence check, the single-instance
// mutex and the calls into the chooser, fax-setup and message-download libraries.
int RunFunctions(const LaunchOptions&, CIniConfig&)
{
    return 0;
}
