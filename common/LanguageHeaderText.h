#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Result codes of a language-file read.
enum LanguageFileResult : int {
    LNG_OK = 0,
    LNG_ERR_FILE = 0x11000,
    LNG_ERR_HEADER = 0x11001,
    LNG_ERR_ID = 0x11002,
    LNG_ERR_PARAMETER = 0x11003,
    LNG_ERR_NOT_READ = 0x11004,
    LNG_ERR_NOT_FOUND = 0x11005,
    LNG_ERR_PATH = 0x11008,
    LNG_ERR_ACCESS = 0x11009,
    LNG_ERR_HARDWARE = 0x1100A,
};

// File layout: 16 leading bytes, a big-endian 32-bit header length N, N header bytes stored
// complemented, then the message data.
constexpr std::size_t kLanguageHeaderOffset = 20;

struct LanguageHeaderFields {
    std::string id, copyright, printer, version1Min, version1Max, language, tableNumber,
        formatVersion;
};

// The header length stored at offset 16, checked against the bytes that follow it.
int CheckHeaderLength(std::uint32_t fileLength, const unsigned char lengthBytes[4],
                      std::uint32_t& headerLength);

// Validates the N stored (complemented) header bytes; fills fields only on LNG_OK.
int ParseHeaderText(const unsigned char* stored, std::size_t size, LanguageHeaderFields& fields);
