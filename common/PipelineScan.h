#pragma once
#include <stddef.h>

// Whether a driver's dependent-files list (zero-terminated names, ended by an empty name) names
// the XPS filter pipeline's configuration: some name contains "pipelineconfig.xml" in any
// letter case, so a directory in front of it does not matter. Reads at most `size` bytes, also
// when the list lacks its closing empty name.
bool ListsPipelineConfig(const char* dependentFiles, size_t size);
