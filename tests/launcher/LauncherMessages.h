#pragma once

// The launcher's fixed English message boxes, as the user reads them.
const char kMissingParameter[] = "Cannot run Lomarel - required parameter(s) is/are missing.";
const char kMissingFile[] = "Cannot run Lomarel - a required file is missing.";
const char kIncorrectParameter[] = "Cannot run Lomarel - specified parameter(s) is/are incorrect.";
const char kRegistryWrite[] = "Failed to write to the registry.";
