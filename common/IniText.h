#pragma once
#include <string>
#include <vector>

#include "AnsiCharacters.h"

// One line of a section: the name before the first "=" and the value after it, each without the
// blanks around it, and both cut at a NUL byte as the profile functions see them. A line without
// "=" has a name only.
struct IniLine {
    std::string name;
    std::string value;
    bool hasValue = false;
};

struct IniTextSection {
    std::string name;  // as written between "[" and the last "]", blanks kept
    std::vector<IniLine> lines;
};

// The text of an initialization file (ANSI bytes, read elsewhere) split into its sections and
// lines in file order, as the system's profile functions split it: a CR or an LF ends a line,
// blank lines are dropped, a line with nothing before its "=" is dropped when the line before it
// had no name either, and comment lines stay lines (the questions of ProfileAnswers leave them
// out). The first section holds the lines before any header and has no name.
class IniText {
public:
    IniText() : m_sections(1) {}
    IniText(const std::string& bytes, const AnsiCharacters& characters);

    const std::vector<IniTextSection>& Sections() const { return m_sections; }
    const AnsiCharacters& Characters() const { return m_characters; }

private:
    void AddLine(const std::string& bytes, size_t start, size_t end);

    std::vector<IniTextSection> m_sections;
    AnsiCharacters m_characters;
};
