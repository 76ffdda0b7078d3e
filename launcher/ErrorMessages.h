#pragma once
#include "MissingFileMessage.h"

// The launcher's other fixed English texts, shown when no resource library is available.
extern const char kMissingParameterText[];
extern const char kIncorrectParameterText[];
extern const char kRegistryWriteText[];
