#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "ResultCodes.h"

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
