#include "PjlJobParser.h"

#include <algorithm>
#include <string_view>

#include "PrinterText.h"

namespace {

const std::string_view kUel("\x1b%-12345X");
const std::string_view kPjlPrefix("@PJL");

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Too short to tell yet: what has come so far could still grow into `whole`.
bool CouldBecome(std::string_view text, std::string_view whole)
{
    return text.size() < whole.size() && StartsWith(whole, text);
}

bool IsResourceWrite(const std::string& line)
{
    return StartsWith(Upper(line), "@PJL KYVRESOURCEWRITE ");
}

// The SIZE of a resource-write line, when it is usable.
bool ResourceSize(const std::string& line, std::size_t& size)
{
    std::string upper = Upper(line);
    std::size_t at = upper.find(" SIZE=");
    if (at == std::string::npos)
        return false;
    std::string_view digits = std::string_view(upper).substr(at + 6);
    digits = digits.substr(0, digits.find_first_of(" \t"));
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != digits.npos)
        return false;
    size = std::stoul(std::string(digits));
    return size <= PjlJobParser::kLargestResource;
}

}  // namespace

bool PjlEvent::operator==(const PjlEvent& other) const
{
    return kind == other.kind && size == other.size && text == other.text &&
           payload == other.payload && announced == other.announced && trailing == other.trailing;
}

void PjlJobParser::Feed(const char* data, std::size_t size, std::vector<PjlEvent>& events)
{
    m_pending.append(data, size);
    while (Step(events)) {
    }
    m_pending.erase(0, m_consumed);
    m_consumed = 0;
}

void PjlJobParser::Finish(std::vector<PjlEvent>& events)
{
    std::size_t rest = m_pending.size() - m_consumed;
    switch (m_mode) {
    case LINES:
        if (rest > 0) {
            StartSkipping(PjlEvent::GARBAGE);
            Skip(rest);
            Emit(events);
        }
        break;
    case RESOURCE_DATA:
        m_open.kind = PjlEvent::RESOURCE_TRUNCATED;
        Emit(events);
        break;
    case AFTER_RESOURCE:
        if (rest > 0) {
            StartSkipping(PjlEvent::RESOURCE_OVERRUN);
            Skip(rest);
        }
        Emit(events);
        break;
    case SKIPPING:
        Skip(rest);
        Emit(events);
        break;
    }
    m_mode = LINES;
    m_pending.clear();
    m_consumed = 0;
}

bool PjlJobParser::Step(std::vector<PjlEvent>& events)
{
    std::string_view rest = std::string_view(m_pending).substr(m_consumed);
    switch (m_mode) {
    case LINES:
        return StepLine(events);
    case RESOURCE_DATA: {
        std::size_t count = std::min(rest.size(), m_open.announced - m_open.payload.size());
        m_open.payload.append(rest.data(), count);
        m_open.size += count;
        m_consumed += count;
        if (m_open.payload.size() < m_open.announced)
            return false;
        m_mode = AFTER_RESOURCE;
        return true;
    }
    case AFTER_RESOURCE:
        if (StartsWith(rest, kUel)) {
            Emit(events);
            return true;
        }
        if (CouldBecome(rest, kUel))
            return false;
        StartSkipping(PjlEvent::RESOURCE_OVERRUN);
        return true;
    case SKIPPING: {
        std::size_t uel = rest.find(kUel);
        if (uel != rest.npos) {
            Skip(uel);
            Emit(events);
            return true;
        }
        // The last bytes may be the start of a UEL.
        Skip(rest.size() > kUel.size() - 1 ? rest.size() - (kUel.size() - 1) : 0);
        return false;
    }
    }
    return false;
}

bool PjlJobParser::StepLine(std::vector<PjlEvent>& events)
{
    std::string_view rest = std::string_view(m_pending).substr(m_consumed);
    if (rest.empty() || CouldBecome(rest, kUel))
        return false;
    if (StartsWith(rest, kUel)) {
        m_open = PjlEvent();
        m_open.size = kUel.size();
        m_consumed += kUel.size();
        Emit(events);
        return true;
    }
    if (StartsWith(rest, kPjlPrefix) || CouldBecome(rest, kPjlPrefix)) {
        // An escape inside a line starts something other than PJL.
        std::size_t end = rest.substr(0, kLongestLine).find_first_of("\n\x1b");
        if (end == rest.npos && rest.size() < kLongestLine)
            return false;
        if (end != rest.npos && rest[end] == '\n') {
            std::string_view line = rest.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            m_open = PjlEvent();
            m_open.kind = PjlEvent::COMMAND;
            m_open.text = std::string(line);
            m_open.size = end + 1;
            m_consumed += end + 1;
            if (!IsResourceWrite(m_open.text)) {
                Emit(events);
            } else if (ResourceSize(m_open.text, m_open.announced)) {
                m_open.kind = PjlEvent::RESOURCE;
                m_mode = RESOURCE_DATA;
            } else {
                // Its data follows, of a length nobody knows: it all belongs to the write.
                m_open.announced = 0;
                StartSkipping(PjlEvent::RESOURCE_UNUSABLE);
            }
            return true;
        }
    }
    StartSkipping(PjlEvent::GARBAGE);
    return true;
}

void PjlJobParser::StartSkipping(PjlEvent::Kind kind)
{
    if (kind == PjlEvent::GARBAGE)
        m_open = PjlEvent();
    m_open.kind = kind;
    m_mode = SKIPPING;
}

void PjlJobParser::Skip(std::size_t count)
{
    if (m_open.kind == PjlEvent::GARBAGE) {
        std::size_t sample = std::min(count, kGarbageSample - m_open.text.size());
        m_open.text.append(m_pending, m_consumed, sample);
    } else {
        m_open.trailing += count;
    }
    m_open.size += count;
    m_consumed += count;
}

void PjlJobParser::Emit(std::vector<PjlEvent>& events)
{
    events.push_back(std::move(m_open));
    m_open = PjlEvent();
    m_mode = LINES;
}
