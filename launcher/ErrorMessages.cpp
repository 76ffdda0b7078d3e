#include "ErrorMessages.h"

const char kMissingParameterText[] = "Cannot run Lomarel - required parameter(s) is/are missing.";
const char kIncorrectParameterText[] = "Cannot run Lomarel - specified parameter(s) is/are incorrect.";
const char kRegistryWriteText[] = "Failed to write to the registry.";
