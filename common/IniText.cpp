#include "IniText.h"

namespace {

std::string UpToNul(const std::string& bytes, size_t start, size_t end)
{
    std::string text = bytes.substr(start, end - start);
    return text.substr(0, text.find('\0'));
}

}  // namespace

IniText::IniText(const std::string& bytes, const AnsiCharacters& characters)
    : m_sections(1), m_characters(characters)
{
    size_t start = 0;
    for (size_t at = 0; at < bytes.size(); at += m_characters.LengthAt(bytes, at)) {
        if (m_characters.IsLineEndAt(bytes, at)) {
            AddLine(bytes, start, at);
            start = at + 1;
        }
    }
    if (start < bytes.size())
        AddLine(bytes, start, bytes.size());
}

// The line is [start, end) of `bytes`, at a character boundary.
void IniText::AddLine(const std::string& bytes, size_t start, size_t end)
{
    // Character starts of the line, to trim and search it without splitting a double-byte
    // character (whose second byte may look like "=", "]" or a letter).
    std::vector<size_t> starts;
    for (size_t at = start; at < end; at += m_characters.LengthAt(bytes, at))
        starts.push_back(at);
    starts.push_back(end);

    size_t first = 0;
    size_t last = starts.size() - 1;  // one past the last character kept
    while (first < last && m_characters.IsBlankAt(bytes, starts[first]))
        ++first;
    while (last > first && m_characters.IsBlankAt(bytes, starts[last - 1]))
        --last;
    if (first == last)
        return;

    auto isChar = [&](size_t index, char c) {
        return starts[index + 1] - starts[index] == 1 && bytes[starts[index]] == c;
    };
    if (isChar(first, '[')) {
        for (size_t close = last - 1; close > first; --close) {
            if (isChar(close, ']')) {
                size_t nameStart = first + 1;
                while (nameStart < close && m_characters.IsBlankAt(bytes, starts[nameStart]))
                    ++nameStart;
                while (close > nameStart && m_characters.IsBlankAt(bytes, starts[close - 1]))
                    --close;
                m_sections.push_back({UpToNul(bytes, starts[nameStart], starts[close]), {}});
                return;
            }
        }
    }

    IniLine line;
    size_t equals = first;
    while (equals < last && !isChar(equals, '='))
        ++equals;
    size_t nameEnd = equals;
    if (equals < last) {
        while (nameEnd > first && m_characters.IsBlankAt(bytes, starts[nameEnd - 1]))
            --nameEnd;
        size_t valueStart = equals + 1;
        while (valueStart < last && m_characters.IsBlankAt(bytes, starts[valueStart]))
            ++valueStart;
        line.value = UpToNul(bytes, starts[valueStart], starts[last]);
        line.hasValue = true;
    }
    line.name = UpToNul(bytes, starts[first], starts[nameEnd]);
    // Of lines in a row with nothing before their "=", the profile functions keep the first.
    std::vector<IniLine>& lines = m_sections.back().lines;
    if (nameEnd == first && !lines.empty() && lines.back().name.empty())
        return;
    lines.push_back(line);
}
