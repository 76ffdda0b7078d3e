#pragma once
#include <cstddef>
#include <string>
#include <vector>

// What one span of a job's bytes turned out to be. Every byte fed to the parser belongs to
// exactly one event, so a job can be told in full from its events.
struct PjlEvent {
    enum Kind {
        UEL,                 // the universal exit language sequence
        COMMAND,             // one PJL line
        RESOURCE,            // a resource write and its SIZE bytes, then a UEL or the job's end
        RESOURCE_OVERRUN,    // the same, then other bytes up to the next UEL: SIZE said too little
        RESOURCE_TRUNCATED,  // the job ended before SIZE bytes came
        RESOURCE_UNUSABLE,   // a resource write without a usable SIZE, and its data up to the
                             // next UEL
        GARBAGE,             // bytes that are not PJL lines, up to the next UEL
    };
    Kind kind = UEL;
    std::size_t size = 0;       // the job's bytes this event covers
    std::string text;           // the PJL line without its end; GARBAGE: its first bytes
    std::string payload;        // RESOURCE*: the bytes after the line, at most `announced`
    std::size_t announced = 0;  // RESOURCE*: the SIZE of the line
    std::size_t trailing = 0;   // RESOURCE_OVERRUN, _UNUSABLE: the bytes after the payload or line

    bool operator==(const PjlEvent& other) const;
};

// Splits a job into events, fed in chunks of any size: the events do not depend on where the
// chunks end. No sockets and no files, so it can be fuzzed.
class PjlJobParser {
public:
    // A resource announcing more than this is not taken as one (the printer could not hold it).
    static constexpr std::size_t kLargestResource = 64u << 20;
    // A PJL line that runs longer without ending is not one.
    static constexpr std::size_t kLongestLine = 4096;
    // GARBAGE keeps this many of its first bytes as its text.
    static constexpr std::size_t kGarbageSample = 32;

    // Appends the events the bytes complete.
    void Feed(const char* data, std::size_t size, std::vector<PjlEvent>& events);
    // The job has ended: what is still open becomes an event, and the parser is ready for the
    // next job.
    void Finish(std::vector<PjlEvent>& events);

private:
    enum Mode { LINES, RESOURCE_DATA, AFTER_RESOURCE, SKIPPING };

    // Consumes the next event's bytes or some of them; false when it needs more bytes.
    bool Step(std::vector<PjlEvent>& events);
    bool StepLine(std::vector<PjlEvent>& events);
    void StartSkipping(PjlEvent::Kind kind);
    void Skip(std::size_t count);
    void Emit(std::vector<PjlEvent>& events);

    Mode m_mode = LINES;
    std::string m_pending;     // fed bytes not yet consumed: m_pending[m_consumed...]
    std::size_t m_consumed = 0;
    PjlEvent m_open;           // the resource or skipped span being collected
};
