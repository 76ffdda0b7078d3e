#pragma once

// Installed printers whose driver the message download supports (a "Drivers" key);
// 0 when the configuration or the printer list cannot be read.
int CountSupportedPrinters();
