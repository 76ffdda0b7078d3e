// Feeds arbitrary bytes to the job parser in chunks whose size the first byte picks, and checks
// that the events tell every byte once, whatever the chunks, and that what reaches the
// language-file check is what the events promise.
#include <stdint.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "PanelLanguage.h"
#include "PjlJobParser.h"
#include "ResultCodes.h"

namespace {

std::vector<PjlEvent> Parse(const char* data, size_t size, size_t chunk)
{
    PjlJobParser parser;
    std::vector<PjlEvent> events;
    for (size_t at = 0; at < size; at += chunk)
        parser.Feed(data + at, size - at < chunk ? size - at : chunk, events);
    parser.Finish(events);
    return events;
}

void CheckEvent(const PjlEvent& event)
{
    size_t lineBytes = event.size - event.payload.size() - event.trailing;
    switch (event.kind) {
    case PjlEvent::UEL:
        if (event.size != 9)
            abort();
        break;
    case PjlEvent::COMMAND:
        if (event.text.compare(0, 4, "@PJL") != 0 ||
            event.text.find_first_of("\n\x1b") != event.text.npos ||
            event.size > PjlJobParser::kLongestLine || event.size < event.text.size() + 1)
            abort();
        break;
    case PjlEvent::RESOURCE:
    case PjlEvent::RESOURCE_OVERRUN:
    case PjlEvent::RESOURCE_TRUNCATED: {
        bool whole = event.payload.size() == event.announced;
        if (event.size < event.payload.size() + event.trailing ||
            lineBytes < event.text.size() + 1 ||
            event.announced > PjlJobParser::kLargestResource ||
            whole != (event.kind != PjlEvent::RESOURCE_TRUNCATED) ||
            (event.trailing > 0) != (event.kind == PjlEvent::RESOURCE_OVERRUN))
            abort();
        PanelLanguage panel;
        if (event.kind == PjlEvent::RESOURCE &&
            ReadPanelLanguage(event.payload, panel) == RESULT_OK &&
            (panel.bytes != event.payload.size() || panel.language.empty() ||
             panel.language.find_first_of("\r\n") != panel.language.npos))
            abort();
        break;
    }
    case PjlEvent::RESOURCE_UNUSABLE:
        if (lineBytes < event.text.size() + 1 || lineBytes > PjlJobParser::kLongestLine ||
            !event.payload.empty() || event.announced != 0)
            abort();
        break;
    case PjlEvent::GARBAGE:
        if (event.size == 0 ||
            event.text.size() != std::min(event.size, PjlJobParser::kGarbageSample))
            abort();
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t chunk = 1 + data[0] % 16;
    const char* job = reinterpret_cast<const char*>(data + 1);
    size_t jobSize = size - 1;

    std::vector<PjlEvent> events = Parse(job, jobSize, chunk);
    if (Parse(job, jobSize, jobSize + 1) != events)
        abort();  // the events depend on where the chunks end
    size_t told = 0;
    for (const PjlEvent& event : events) {
        CheckEvent(event);
        told += event.size;
    }
    if (told != jobSize)
        abort();  // a byte was lost or told twice
    return 0;
}
