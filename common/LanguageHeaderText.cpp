#include "LanguageHeaderText.h"

#include <cstring>

namespace {

enum HeaderKey { KEY_ID, KEY_COPYRIGHT, KEY_FORMAT_VERSION, KEY_PRINTER, KEY_VERSION_MIN,
                 KEY_VERSION_MAX, KEY_LANGUAGE, KEY_TABLE_NUMBER, KEY_COUNT };
static_assert(KEY_COUNT == CLanguageHeaderScanner::kKeyCount, "one slot per key");

// Table order decides which key a line matches first.
const char* const kKeyNames[KEY_COUNT] = {"ID", "Copyright", "FormatVersion", "Printer",
                                          "version1Min", "version1Max", "Language", "TableNumber"};
std::string LanguageHeaderFields::*const kKeyFields[KEY_COUNT] = {
    &LanguageHeaderFields::id,          &LanguageHeaderFields::copyright,
    &LanguageHeaderFields::formatVersion, &LanguageHeaderFields::printer,
    &LanguageHeaderFields::version1Min, &LanguageHeaderFields::version1Max,
    &LanguageHeaderFields::language,    &LanguageHeaderFields::tableNumber};

const char kExpectedId[] = "Download Additional Message.";
const std::uint32_t kExpectedIdLength = sizeof kExpectedId - 1;
const char kEndMarker[] = "EOT\r\n";
const std::size_t kEndMarkerLength = sizeof kEndMarker - 1;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The key names are plain ASCII, so a lead byte of a double-byte character never matches and a
// byte-wise comparison is safe for any code page.
bool EqualsIgnoringCase(const char* text, std::size_t length, const char* name)
{
    if (length != std::strlen(name))
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (LowerAscii(text[i]) != LowerAscii(name[i]))
            return false;
    return true;
}

int FindKey(const char* text, std::size_t length)
{
    for (int k = 0; k < KEY_COUNT; ++k)
        if (EqualsIgnoringCase(text, length, kKeyNames[k]))
            return k;
    return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CheckHeaderLength(std::uint32_t fileLength, const unsigned char lengthBytes[4],
                      std::uint32_t& headerLength)
{
    if (fileLength < kLanguageHeaderOffset)
        return LNG_ERR_FILE;
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length = (length << 8) | lengthBytes[i];
    if (length == 0 || length > fileLength - kLanguageHeaderOffset)
        return LNG_ERR_FILE;
    headerLength = length;
    return RESULT_OK;
}

CLanguageHeaderScanner::CLanguageHeaderScanner() = default;

bool CLanguageHeaderScanner::Feed(const unsigned char* stored, std::size_t size)
{
    for (std::size_t taken = 0; taken < size && !IsOutcomeKnown();) {
        if (IsWalkOver())
            taken += SeekMarker(stored + taken, size - taken);
        else
            taken += TakeWalkBytes(stored + taken, size - taken);
    }
    return !IsOutcomeKnown();
}

int CLanguageHeaderScanner::Finish() const
{
    if (!m_bMarkerSeen)
        return LNG_ERR_FILE;
    // A walk still under way has run out of lines: the last one has no line end.
    return IsWalkOver() ? m_nWalkResult : LNG_ERR_FILE;
}

std::vector<CLanguageHeaderScanner::ValuePlace> CLanguageHeaderScanner::ValuePlaces() const
{
    std::vector<ValuePlace> places;
    for (int key = 0; key < KEY_COUNT; ++key)
        if (m_valueLength[key] != 0)
            places.push_back({kKeyFields[key], m_valueOffset[key], m_valueLength[key]});
    return places;
}

// Returns how many bytes it took: all, or those up to the end of the walk.
std::size_t CLanguageHeaderScanner::TakeWalkBytes(const unsigned char* stored, std::size_t size)
{
    std::size_t taken = 0;
    while (taken < size && !IsWalkOver()) {
        if (!m_bCarriageReturnPending && !LineNeedsEveryByte()) {
            taken += SkipLineBytes(stored + taken, size - taken);
            if (taken == size)
                break;
        }
        TakeWalkByte(static_cast<char>(stored[taken++] ^ 0xFF));
    }
    return taken;
}

// Counts the bytes of a line whose fate they cannot change, up to the next one that can (a CR,
// or the first TAB); returns how many it counted.
std::size_t CLanguageHeaderScanner::SkipLineBytes(const unsigned char* stored, std::size_t size)
{
    const unsigned char storedCr = '\r' ^ 0xFF, storedTab = '\t' ^ 0xFF;
    Line& line = m_line;
    std::size_t count = 0;
    if (line.tabSeen) {
        const void* found = std::memchr(stored, storedCr, size);
        count = found ? static_cast<const unsigned char*>(found) - stored : size;
        line.valueLength += static_cast<std::uint32_t>(count);
    } else {
        while (count < size && stored[count] != storedCr && stored[count] != storedTab)
            ++count;
        line.keyLength += static_cast<std::uint32_t>(count);
    }
    line.length += static_cast<std::uint32_t>(count);
    m_nPosition += static_cast<std::uint32_t>(count);
    for (std::size_t i = count < 3 ? 0 : count - 3; i < count; ++i)
        m_nTail = (m_nTail << 8) | (stored[i] ^ 0xFF);
    return count;
}

// Once the walk is over only the marker can still change the outcome. Returns how many bytes
// it took: all, or those up to the marker's end.
std::size_t CLanguageHeaderScanner::SeekMarker(const unsigned char* stored, std::size_t size)
{
    const unsigned char storedMarkerStart = kEndMarker[0] ^ 0xFF;
    std::size_t taken = 0;
    while (taken < size && !m_bMarkerSeen) {
        if (m_nMarkerMatched == 0) {
            const void* found = std::memchr(stored + taken, storedMarkerStart, size - taken);
            if (found == nullptr)
                return size;
            taken = static_cast<const unsigned char*>(found) - stored;
        }
        char c = static_cast<char>(stored[taken++] ^ 0xFF);
        if (c == kEndMarker[m_nMarkerMatched])
            m_bMarkerSeen = ++m_nMarkerMatched == kEndMarkerLength;
        else
            m_nMarkerMatched = c == kEndMarker[0] ? 1 : 0;
    }
    return taken;
}

void CLanguageHeaderScanner::TakeWalkByte(char c)
{
    if (m_bCarriageReturnPending) {
        m_bCarriageReturnPending = false;
        if (c == '\n') {
            EndLine();
            ++m_nPosition;
            return;
        }
        TakeLineByte('\r');
    }
    if (c == '\r')
        m_bCarriageReturnPending = true;
    else
        TakeLineByte(c);
    ++m_nPosition;
}

void CLanguageHeaderScanner::TakeLineByte(char c)
{
    Line& line = m_line;
    ++line.length;
    m_nTail = (m_nTail << 8) | static_cast<unsigned char>(c);
    if (!line.tabSeen) {
        if (c == '\t') {
            line.tabSeen = true;
            if (line.keyLength <= sizeof line.keyStart)
                line.key = FindKey(line.keyStart, line.keyLength);
            return;
        }
        if (line.keyLength < sizeof line.keyStart)
            line.keyStart[line.keyLength] = c;
        ++line.keyLength;
        return;
    }
    std::uint32_t at = line.valueLength++;
    if (at == 0)
        line.valueFirst = c;
    line.valueIsId = line.valueIsId && at < kExpectedIdLength && c == kExpectedId[at];
    if (c == '.') {
        if (line.stops++ == 0)
            line.firstStop = at;
    } else if (!IsDigit(c)) {
        (line.stops == 0 ? line.nonDigitBeforeStop : line.nonDigitAfterStop) = true;
    }
}

// Called at the LF of a line's CR LF, whose position m_nPosition is.
void CLanguageHeaderScanner::EndLine()
{
    const Line& line = m_line;
    // While the walk goes on every CR LF ends a line, so the marker can only end one.
    const std::uint32_t kMarkerText = 'E' << 16 | 'O' << 8 | 'T';
    if (line.length >= 3 && (m_nTail & 0xFFFFFF) == kMarkerText)
        m_bMarkerSeen = true;
    if (line.length == 0) {
        // A text that starts with a blank line has no key lines at all.
        EndWalk(line.start == 0 ? LNG_ERR_HEADER : LNG_ERR_FILE);
    } else if (!line.tabSeen && line.keyLength == 3 && std::memcmp(line.keyStart, "EOT", 3) == 0) {
        m_seen[KEY_TABLE_NUMBER] = true;  // optional: its absence leaves the number empty
        bool allSeen = true;
        for (bool seen : m_seen)
            allSeen = allSeen && seen;
        EndWalk(allSeen ? RESULT_OK : LNG_ERR_HEADER);
    } else if (!line.tabSeen || line.keyLength == 0 || line.valueLength == 0) {
        EndWalk(LNG_ERR_FILE);
    } else {
        int key = line.key;
        if (key < 0) {
            EndWalk(LNG_ERR_HEADER);
        } else if (m_seen[key]) {
            EndWalk(LNG_ERR_PARAMETER);
        } else if (!IsValidValue()) {
            EndWalk(LNG_ERR_ID);
        } else {
            m_seen[key] = true;
            m_valueOffset[key] = line.start + line.keyLength + 1;
            m_valueLength[key] = line.valueLength;
        }
    }
    if (!IsWalkOver()) {
        m_line = Line();
        m_line.start = m_nPosition + 1;
    }
}

// Whether a byte of the line may still decide its fate: one of the first bytes of its key, or
// one of a value whose rule it has not broken yet.
bool CLanguageHeaderScanner::LineNeedsEveryByte() const
{
    const Line& line = m_line;
    if (!line.tabSeen)
        return line.keyLength < sizeof line.keyStart;
    switch (line.key) {
    case KEY_ID:
        return line.valueIsId;
    case KEY_VERSION_MIN:
        return line.stops < 2 && !line.nonDigitBeforeStop;
    case KEY_VERSION_MAX:
        return line.stops < 2 && !line.nonDigitBeforeStop && !line.nonDigitAfterStop;
    case KEY_TABLE_NUMBER:
        return line.valueLength < 2;
    default:
        return false;
    }
}

bool CLanguageHeaderScanner::IsValidValue() const
{
    const Line& line = m_line;
    const int key = line.key;
    // Digits, one full stop, then anything (the lower bound) or digits only (the upper bound).
    bool version = line.stops == 1 && line.firstStop != 0 &&
                   line.firstStop + 1 != line.valueLength && !line.nonDigitBeforeStop;
    switch (key) {
    case KEY_ID:
        return line.valueIsId && line.valueLength == kExpectedIdLength;
    case KEY_VERSION_MIN:
        return version;
    case KEY_VERSION_MAX:
        return version && !line.nonDigitAfterStop;
    case KEY_TABLE_NUMBER:
        return line.valueLength == 1 && (line.valueFirst == '1' || line.valueFirst == '2');
    default:
        return true;  // any text; emptiness is rejected for every key before this
    }
}

std::string DecodeHeaderBytes(const unsigned char* stored, std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(stored[i] ^ 0xFF);
    return text;
}

int ParseHeaderText(const unsigned char* stored, std::size_t size, LanguageHeaderFields& fields)
{
    CLanguageHeaderScanner scanner;
    scanner.Feed(stored, size);
    int result = scanner.Finish();
    if (result != RESULT_OK)
        return result;
    LanguageHeaderFields found;
    for (const CLanguageHeaderScanner::ValuePlace& place : scanner.ValuePlaces())
        found.*place.field = DecodeHeaderBytes(stored + place.offset, place.length);
    fields = std::move(found);
    return RESULT_OK;
}
