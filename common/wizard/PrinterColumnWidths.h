#pragma once

// Widths of the printer lists' name, port, comment and location columns for a list whose client
// area is `clientWidth` pixels wide: the name gets 35 % and at least 150 pixels, the port a
// fifth and at least 90, comment and location share the rest; narrow lists drop the later
// columns (width 0) first. Products are truncated toward zero.
struct PrinterColumnWidths {
    int name;
    int port;
    int comment;
    int location;
};

PrinterColumnWidths ComputePrinterColumnWidths(int clientWidth);
