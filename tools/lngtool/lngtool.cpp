// Writes a language file from a header text and a payload, or dumps the header of one.
//
//   lngtool write HEADER PAYLOAD OUTPUT   HEADER holds "key<TAB>value" lines (LF or CR LF);
//                                          "EOT" is appended when it is not the last line
//   lngtool dump FILE                      prints the header lines and the reader's result
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "LanguageFileWriter.h"
#include "LanguageHeaderText.h"

namespace {

bool ReadWhole(const char* path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::string HeaderTextFromLines(const std::string& source)
{
    std::istringstream lines(source);
    std::string line, text;
    bool ended = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        text += line + "\r\n";
        ended = line == "EOT";
    }
    return ended ? text : text + "EOT\r\n";
}

const char* ResultName(int result)
{
    switch (result) {
    case RESULT_OK: return "valid";
    case LNG_ERR_FILE: return "LNG_ERR_FILE";
    case LNG_ERR_HEADER: return "LNG_ERR_HEADER";
    case LNG_ERR_ID: return "LNG_ERR_ID";
    case LNG_ERR_PARAMETER: return "LNG_ERR_PARAMETER";
    default: return "unknown";
    }
}

int Write(const char* headerPath, const char* payloadPath, const char* outputPath)
{
    std::string header, payload;
    if (!ReadWhole(headerPath, header) || !ReadWhole(payloadPath, payload)) {
        std::fprintf(stderr, "lngtool: cannot read %s or %s\n", headerPath, payloadPath);
        return 1;
    }
    std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
    out << BuildLanguageFileFromText(HeaderTextFromLines(header), payload);
    if (!out.flush()) {
        std::fprintf(stderr, "lngtool: cannot write %s\n", outputPath);
        return 1;
    }
    return 0;
}

int Dump(const char* path)
{
    std::string bytes;
    if (!ReadWhole(path, bytes)) {
        std::fprintf(stderr, "lngtool: cannot read %s\n", path);
        return 1;
    }
    std::printf("file length\t%zu\n", bytes.size());
    std::uint32_t headerLength = 0;
    LanguageHeaderFields fields;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    int result = bytes.size() > 0xFFFFFFFFu
                     ? LNG_ERR_FILE
                     : CheckHeaderLength(static_cast<std::uint32_t>(bytes.size()), data + 16, headerLength);
    if (result == RESULT_OK) {
        std::printf("header length\t%u\n", headerLength);
        result = ParseHeaderText(data + kLanguageHeaderOffset, headerLength, fields);
    }
    if (result == RESULT_OK) {
        std::printf("ID\t%s\nCopyright\t%s\nFormatVersion\t%s\nPrinter\t%s\nversion1Min\t%s\n"
                    "version1Max\t%s\nLanguage\t%s\nTableNumber\t%s\n",
                    fields.id.c_str(), fields.copyright.c_str(), fields.formatVersion.c_str(),
                    fields.printer.c_str(), fields.version1Min.c_str(), fields.version1Max.c_str(),
                    fields.language.c_str(), fields.tableNumber.c_str());
    }
    std::printf("result\t0x%05X %s\n", static_cast<unsigned>(result), ResultName(result));
    return result == RESULT_OK ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 5)
        return Write(argv[2], argv[3], argv[4]);
    if (command == "dump" && argc == 3)
        return Dump(argv[2]);
    std::fprintf(stderr, "usage: lngtool write HEADER PAYLOAD OUTPUT | lngtool dump FILE\n");
    return 64;
}
