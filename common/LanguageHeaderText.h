#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// Validates a header text as its stored bytes arrive, in pieces of any size. Of each line it
// keeps only what decides the line's fate, so memory does not grow with the header's length
// (which the file itself claims); values are recorded as places in the text, to be fetched once
// the whole header has proven valid.
class CLanguageHeaderScanner {
public:
    // Where the value of one field lies in the header text.
    struct ValuePlace {
        std::string LanguageHeaderFields::*field;
        std::uint32_t offset;
        std::uint32_t length;
    };

    CLanguageHeaderScanner();

    // Takes the next stored bytes; false once no further byte can change the outcome.
    bool Feed(const unsigned char* stored, std::size_t size);
    // The outcome once the last byte was fed, or once Feed returned false.
    int Finish() const;
    // After a valid header: the places of the values found (an absent TableNumber has none).
    std::vector<ValuePlace> ValuePlaces() const;

    static constexpr int kKeyCount = 8;

private:
    // What a line has shown so far; its bytes themselves are not kept.
    struct Line {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
        bool tabSeen = false;
        std::uint32_t keyLength = 0;
        char keyStart[16] = {};  // no key name is longer
        int key = -1;            // once the TAB is seen
        std::uint32_t valueLength = 0;
        bool valueIsId = true;  // so far equal to the expected ID
        int stops = 0;
        std::uint32_t firstStop = 0;  // position in the value
        bool nonDigitBeforeStop = false;
        bool nonDigitAfterStop = false;
        char valueFirst = 0;
    };

    std::size_t TakeWalkBytes(const unsigned char* stored, std::size_t size);
    std::size_t SkipLineBytes(const unsigned char* stored, std::size_t size);
    std::size_t SeekMarker(const unsigned char* stored, std::size_t size);
    void TakeWalkByte(char c);
    void TakeLineByte(char c);
    void EndLine();
    bool LineNeedsEveryByte() const;
    bool IsValidValue() const;
    void EndWalk(int result) { m_nWalkResult = result; }
    bool IsWalkOver() const { return m_nWalkResult != kWalkPending; }
    bool IsOutcomeKnown() const { return IsWalkOver() && m_bMarkerSeen; }

    static constexpr int kWalkPending = -1;

    std::uint32_t m_nPosition = 0;  // of the next byte in the text, while the walk goes on
    bool m_bMarkerSeen = false;     // the end marker stands somewhere in the text
    std::size_t m_nMarkerMatched = 0;  // of the marker, once the walk is over
    std::uint32_t m_nTail = 0;      // the last bytes of the line, the latest lowest
    int m_nWalkResult = kWalkPending;
    bool m_bCarriageReturnPending = false;  // a CR whose meaning the next byte decides
    Line m_line;
    bool m_seen[kKeyCount] = {};
    std::uint32_t m_valueOffset[kKeyCount] = {};
    std::uint32_t m_valueLength[kKeyCount] = {};
};

// The stored bytes turned back into text.
std::string DecodeHeaderBytes(const unsigned char* stored, std::size_t size);

// Validates the N stored (complemented) header bytes; fills fields only on LNG_OK.
int ParseHeaderText(const unsigned char* stored, std::size_t size, LanguageHeaderFields& fields);
