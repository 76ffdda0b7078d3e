#pragma once

// Counts the installed printers whose driver the fax setup knows (a "Driver and Model" key) into
// `count`. Returns 0, or the code that explains a count of 0: the configuration's or the printer
// list's error, or ERR_PRINTER_NONE when no printer is installed at all.
int CountSupportedPrinters(int& count);
