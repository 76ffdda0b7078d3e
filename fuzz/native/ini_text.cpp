// Splits arbitrary bytes as a configuration file, in a single-byte code page or in code page 932
// (the first input byte chooses), and asks the model's questions of every section and entry with
// buffers large and small: no name or value may keep a line end or a NUL, or start with a blank
// (it may end with one that stood before a NUL), and
// no answer may overrun its buffer or disagree with its own length.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "IniText.h"
#include "ProfileAnswers.h"

namespace {

void CheckTrimmed(const std::string& text, const AnsiCharacters& characters)
{
    for (size_t at = 0; at < text.size(); at += characters.LengthAt(text, at)) {
        if (text[at] == '\0' || characters.IsLineEndAt(text, at))
            abort();
    }
    if (!text.empty() && characters.IsBlankAt(text, 0))
        abort();
}

void CheckAnswer(const ProfileAnswer& answer, size_t bufferSize)
{
    if (answer.buffer.size() != bufferSize || (bufferSize > 0 && answer.length >= bufferSize) ||
        (bufferSize > 0 && answer.buffer[answer.length] != '\0'))
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    AnsiCharacters characters = data[0] & 1 ? CodePage932Characters() : SingleByteCharacters();
    const IniText text(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), characters);
    if (text.Sections().empty() || !text.Sections().front().name.empty())
        abort();

    for (const IniTextSection& section : text.Sections()) {
        if (section.name.find('\0') != std::string::npos)
            abort();
        for (const IniLine& line : section.lines) {
            CheckTrimmed(line.name, characters);
            CheckTrimmed(line.value, characters);
            if (!line.hasValue && !line.value.empty())
                abort();
        }
        for (size_t bufferSize : {size_t(0x4000), size_t(8), size_t(2)}) {
            ProfileAnswer names = ProfileEntryNames(text, section.name.c_str(), bufferSize);
            CheckAnswer(names, bufferSize);
            for (size_t at = 0; at + 1 < names.length; at += strlen(names.buffer.c_str() + at) + 1) {
                const char* name = names.buffer.c_str() + at;
                for (size_t valueSize : {size_t(256), size_t(4)}) {
                    ProfileAnswer value = ProfileValue(text, section.name.c_str(), name, valueSize);
                    CheckAnswer(value, valueSize);
                    if (strlen(value.buffer.c_str()) != value.length &&
                        value.length != valueSize - 1)
                        abort();
                }
            }
        }
    }
    return 0;
}
