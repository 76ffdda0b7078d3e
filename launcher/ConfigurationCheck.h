#pragma once

// Checks "Zembrak.ini" for consistency and its machines' language files. With a report, the
// findings go to "error.log" beside the program and the result is always true; without one,
// the result says whether everything passed.
bool RunConfigurationCheck(bool withReport);
