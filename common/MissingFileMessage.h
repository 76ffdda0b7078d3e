#pragma once

// The fixed English box every deliverable shows when one of its files is missing; it needs no
// resource library, as that may be the missing file.
extern const char kMissingFileText[];

// A message box with no owner and the product's caption.
void ShowError(const char* text);
void ShowMissingFile();
