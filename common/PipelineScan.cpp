#include "PipelineScan.h"

namespace {
const char kLower[] = "pipelineconfig.xml";
const char kUpper[] = "PIPELINECONFIG.XML";
const size_t kNameLength = sizeof(kLower) - 1;

bool MatchesAt(const char* text, size_t available)
{
    if (available < kNameLength)
        return false;
    for (size_t i = 0; i < kNameLength; ++i) {
        if (text[i] != kLower[i] && text[i] != kUpper[i])
            return false;
    }
    return true;
}
}  // namespace

bool ListsPipelineConfig(const char* dependentFiles, size_t size)
{
    if (dependentFiles == nullptr)
        return false;
    // Every position is a candidate: resuming after a partial match would miss names such as
    // "ppipelineconfig.xml". A zero never matches, so no match spans two names.
    for (size_t pos = 0; pos < size; ++pos) {
        bool endOfList = dependentFiles[pos] == '\0' &&
                         (pos + 1 == size || dependentFiles[pos + 1] == '\0');
        if (endOfList)
            return false;
        if (MatchesAt(dependentFiles + pos, size - pos))
            return true;
    }
    return false;
}
