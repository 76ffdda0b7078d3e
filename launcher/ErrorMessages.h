#pragma once

// The launcher's fixed English texts, shown when no resource library is available.
extern const char kMissingParameterText[];
extern const char kMissingFileText[];
extern const char kIncorrectParameterText[];
extern const char kRegistryWriteText[];

// A message box with no owner and the product's caption.
void ShowError(const char* text);
void ShowMissingFile();
