#include "ProfileAnswers.h"

#include <algorithm>
#include <vector>

namespace {

// Text seen as the API's UTF-16 units: one unit per character of the code page. Units are
// appended whole, so that a lone lead byte at the end of a name never pairs with what follows.
class Units {
public:
    Units() = default;
    Units(const std::string& text, const AnsiCharacters& characters) { Append(text, characters); }
    void Append(const std::string& text, const AnsiCharacters& characters)
    {
        for (size_t at = 0; at < text.size(); at += characters.LengthAt(text, at))
            m_ends.push_back(m_text.size() + at + characters.LengthAt(text, at));
        m_text += text;
    }
    size_t Count() const { return m_ends.size(); }
    // The bytes of the first `count` units (all of them when there are fewer).
    std::string Prefix(size_t count) const
    {
        count = std::min(count, m_ends.size());
        return count == 0 ? std::string() : m_text.substr(0, m_ends[count - 1]);
    }
    // The first `count` units.
    Units Head(size_t count) const
    {
        Units head;
        head.m_ends.assign(m_ends.begin(), m_ends.begin() + std::min(count, m_ends.size()));
        head.m_text = Prefix(count);
        return head;
    }
    // The bytes of the longest start of whole units that fits in `bytes`.
    std::string Fitting(size_t bytes) const
    {
        size_t count = 0;
        while (count < m_ends.size() && m_ends[count] <= bytes)
            ++count;
        return Prefix(count);
    }
    size_t Bytes() const { return m_text.size(); }

private:
    std::string m_text;
    std::vector<size_t> m_ends;
};

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal when ASCII letters are compared without case; a double-byte character only equals itself.
bool SameName(const std::string& a, const std::string& b, const AnsiCharacters& characters)
{
    if (a.size() != b.size())
        return false;
    for (size_t at = 0; at < a.size();) {
        size_t length = characters.LengthAt(a, at);
        if (characters.LengthAt(b, at) != length)
            return false;
        if (length == 1 ? FoldAscii(a[at]) != FoldAscii(b[at]) : a.compare(at, 2, b, at, 2) != 0)
            return false;
        at += length;
    }
    return true;
}

std::string WithoutBlanksAround(const std::string& text, const AnsiCharacters& characters)
{
    std::vector<size_t> starts;
    for (size_t at = 0; at < text.size(); at += characters.LengthAt(text, at))
        starts.push_back(at);
    starts.push_back(text.size());
    size_t first = 0;
    size_t last = starts.size() - 1;
    while (first < last && characters.IsBlankAt(text, starts[first]))
        ++first;
    while (last > first && characters.IsBlankAt(text, starts[last - 1]))
        --last;
    return text.substr(starts[first], starts[last] - starts[first]);
}

const IniTextSection* FindSection(const IniText& text, const std::string& name)
{
    for (const IniTextSection& section : text.Sections()) {
        if (!section.name.empty() && SameName(section.name, name, text.Characters()))
            return &section;
    }
    return nullptr;
}

// The conversion of the API's units to ANSI into a buffer of bufferSize bytes (the last kept for
// the terminator): what does not fit is cut at a character and the result is bufferSize - 1.
ProfileAnswer ToAnsi(const Units& units, size_t bufferSize)
{
    ProfileAnswer answer;
    answer.buffer.assign(bufferSize, '\0');
    if (bufferSize == 0)
        return answer;
    size_t room = bufferSize - 1;
    std::string fitting = units.Fitting(room);
    answer.buffer.replace(0, fitting.size(), fitting);
    answer.length = fitting.size() < units.Bytes() ? room : fitting.size();
    return answer;
}

}  // namespace

ProfileAnswer ProfileEntryNames(const IniText& text, const char* section, size_t bufferSize)
{
    const AnsiCharacters& characters = text.Characters();
    const IniTextSection* found = FindSection(text, section);
    if (found == nullptr || bufferSize < 2)
        return ToAnsi(Units(), bufferSize);

    // Units left in the API's buffer; each name takes its units and a terminator, and is cut so
    // that two units stay free.
    size_t left = bufferSize;
    Units names;
    for (const IniLine& line : found->lines) {
        if (left <= 2)
            break;
        if (!line.hasValue || (!line.name.empty() && line.name[0] == ';'))
            continue;
        Units name(line.name, characters);
        size_t taken = std::min(name.Count(), left - 2);
        names.Append(name.Prefix(taken), characters);
        names.Append(std::string(1, '\0'), characters);
        left -= taken + 1;
        if (left < 2)
            break;
    }
    // A list that starts with an empty name reads as no list at all.
    if (names.Bytes() > 0 && names.Prefix(1) == std::string(1, '\0'))
        return ToAnsi(Units(), bufferSize);
    size_t result = left <= 1 ? bufferSize - 2 : bufferSize - left;
    // Only the units the API counts are converted.
    return ToAnsi(names.Head(result), bufferSize);
}

ProfileAnswer ProfileValue(const IniText& text, const char* section, const char* key,
                           size_t bufferSize)
{
    const AnsiCharacters& characters = text.Characters();
    std::string wanted = WithoutBlanksAround(key, characters);
    std::string value;
    if (const IniTextSection* found =
            FindSection(text, WithoutBlanksAround(section, characters))) {
        for (const IniLine& line : found->lines) {
            if (SameName(line.name, wanted, characters)) {
                if (line.hasValue)
                    value = line.value;
                break;
            }
        }
    }

    // The quotes go only when the whole value fits; when it fits all but its closing quote, the
    // API drops its last character in the quote's place.
    Units units(value, characters);
    bool quoted = units.Count() >= 2 && (value[0] == '"' || value[0] == '\'') &&
                  value.back() == value[0] &&
                  units.Prefix(units.Count() - 1).size() == value.size() - 1;
    std::string inner = value.substr(quoted ? 1 : 0);
    Units innerUnits(inner, characters);
    size_t kept = std::min(innerUnits.Count(), bufferSize == 0 ? 0 : bufferSize - 1);
    if (quoted && bufferSize >= innerUnits.Count() && kept > 0)
        --kept;
    return ToAnsi(innerUnits.Head(kept), bufferSize);
}
