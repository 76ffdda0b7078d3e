#include <gtest/gtest.h>

#include <stdlib.h>

#include <map>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

std::vector<std::string> Split(const std::string& text)
{
    char** arguments = nullptr;
    int count = SplitCommandLine(text.c_str(), &arguments);
    EXPECT_GE(count, 0);
    std::vector<std::string> result(arguments, arguments + (count > 0 ? count : 0));
    FreeArguments(arguments, count);
    return result;
}

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateAndRunsOfBlanksAreIgnored)
{
    EXPECT_EQ(Args({"C:\\Lomarel\\Zembrak.exe", "/B", "word", "/C"}),
              Split("  C:\\Lomarel\\Zembrak.exe  /B word   /C  "));
    EXPECT_EQ(Args(), Split(""));
    EXPECT_EQ(Args(), Split("    "));
    // Only the blank separates: tabs and other white space are ordinary characters.
    EXPECT_EQ(Args({"a\tb", "c\r\n"}), Split("a\tb c\r\n"));
}

TEST(SplitCommandLine, QuotedTextKeepsItsBlanksAndLosesItsQuotes)
{
    EXPECT_EQ(Args({"Zembrak.exe", "/P", "Lomarel LP-5300 KX", "/L", "jpn"}),
              Split("Zembrak.exe /P \"Lomarel LP-5300 KX\" /L jpn"));
    // A quote closes only when a blank follows it; otherwise the quoted run goes on.
    EXPECT_EQ(Args({"abcdef ghi"}), Split("\"abc\"def ghi"));
    EXPECT_EQ(Args({"abcd ef", "x"}), Split("ab\"cd ef\" x"));
    // An unterminated quote runs to the end of the text.
    EXPECT_EQ(Args({"/P", "Lomarel Test  "}), Split("/P \"Lomarel Test  "));
}

TEST(SplitCommandLine, EmptyQuotesAreAnEmptyArgument)
{
    EXPECT_EQ(Args({"/P", "", "/B"}), Split("/P \"\" /B"));
    EXPECT_EQ(Args({"/P", ""}), Split("/P \"\""));
    EXPECT_EQ(Args({""}), Split("\""));
}

TEST(SplitCommandLine, BackslashQuoteInsideQuotesIsAQuote)
{
    EXPECT_EQ(Args({"say \"hi\"there"}), Split("\"say \\\"hi\\\"there\""));
    // Outside quotes the backslash is ordinary and the quote opens a quoted run.
    EXPECT_EQ(Args({"a\\b c"}), Split("a\\\"b c"));
    // The stored quote is followed by a quote-blank pair, which closes the run.
    EXPECT_EQ(Args({"a\"", "b"}), Split("\"a\\\" b"));
}

TEST(SplitCommandLine, BytesAboveAsciiArePassedThrough)
{
    std::string japanese = "\x93\xfa\x96\x7b\x8c\xea";  // CP932
    EXPECT_EQ(Args({"/P", "Printer " + japanese, "\xff\x80"}),
              Split("/P \"Printer " + japanese + "\" \xff\x80"));
}

// Runs only as a Japanese user, whose ANSI code page is 932: names ending in a character whose trail
// byte is 0x5C, the backslash, must keep that character and lose their closing quote.
TEST(JapaneseSplitCommandLine, TrailBytesThatLookLikeBackslashesEscapeNothing)
{
    const std::string so = "\x83\x5c";     // katakana "so"
    const std::string hyou = "\x95\x5c";   // "table"
    const std::string nou = "\x94\x5c";    // "ability"
    ASSERT_TRUE(IsAnsiLeadByte(0x83));
    EXPECT_EQ(Args({"/P", "Lomarel " + so, "/L", "jpn"}),
              Split("/P \"Lomarel " + so + "\" /L jpn"));
    EXPECT_EQ(Args({"/P", hyou + " " + nou + hyou}), Split("/P \"" + hyou + " " + nou + hyou + "\""));
    // Quoted from the middle on, and with an escaped quote right after a double-byte character.
    EXPECT_EQ(Args({so + hyou, nou}), Split(so + "\"" + hyou + "\" " + nou));
    EXPECT_EQ(Args({so + "\"x"}), Split("\"" + so + "\\\"x\""));
    // A lead byte at the very end has no trail byte to take with it.
    EXPECT_EQ(Args({"/P", "\x83"}), Split("/P \x83"));
}

TEST(SplitCommandLine, VeryLongArgumentsAndVeryManyArguments)
{
    std::string longArgument(100000, 'x');
    longArgument[50000] = '\x81';
    Args result = Split("prog \"" + longArgument + "\" " + longArgument);
    ASSERT_EQ(3u, result.size());
    EXPECT_EQ(longArgument, result[1]);
    EXPECT_EQ(longArgument, result[2]);

    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += "/A" + std::to_string(i) + " ";
    result = Split(many);
    ASSERT_EQ(10000u, result.size());
    EXPECT_EQ("/A9999", result.back());
}

// A heap that records every block and can be told to fail from the n-th request on.
struct RecordingHeap {
    static std::map<void*, size_t> blocks;
    static std::vector<size_t> requests;
    static int failAt;

    static void* Reallocate(void* block, size_t size)
    {
        requests.push_back(size);
        if (failAt >= 0 && static_cast<int>(requests.size()) > failAt)
            return nullptr;
        blocks.erase(block);
        void* grown = realloc(block, size);
        blocks[grown] = size;
        return grown;
    }
    static void Release(void* block)
    {
        if (block != nullptr)
            blocks.erase(block);
        free(block);
    }
    static void Reset(int failFrom)
    {
        blocks.clear();
        requests.clear();
        failAt = failFrom;
    }
};
std::map<void*, size_t> RecordingHeap::blocks;
std::vector<size_t> RecordingHeap::requests;
int RecordingHeap::failAt = -1;
const SplitHeap kRecordingHeap = {RecordingHeap::Reallocate, RecordingHeap::Release};

TEST(SplitCommandLine, GrowsArgumentsBy64BytesAndTheArrayBy16Entries)
{
    RecordingHeap::Reset(-1);
    std::string text(130, 'a');  // needs three 64-byte steps with its terminator
    for (int i = 0; i < 16; ++i)
        text += " x";
    char** arguments = nullptr;
    int count = SplitCommandLine(text.c_str(), &arguments, IsAnsiLeadByte, kRecordingHeap);
    ASSERT_EQ(17, count);
    EXPECT_EQ(192u, RecordingHeap::blocks[arguments[0]]);
    EXPECT_EQ(64u, RecordingHeap::blocks[arguments[16]]);
    EXPECT_EQ(32 * sizeof(char*), RecordingHeap::blocks[arguments]);
    FreeArguments(arguments, count, kRecordingHeap);
    EXPECT_TRUE(RecordingHeap::blocks.empty());
}

TEST(SplitCommandLine, RunningOutOfMemoryAnywhereFreesEverything)
{
    const std::string text = "prog /P \"" + std::string(200, 'p') + "\" a b c d e f g h i j k l m n o p q";
    RecordingHeap::Reset(-1);
    char** arguments = nullptr;
    int count = SplitCommandLine(text.c_str(), &arguments, IsAnsiLeadByte, kRecordingHeap);
    FreeArguments(arguments, count, kRecordingHeap);
    const int allocations = static_cast<int>(RecordingHeap::requests.size());

    for (int failAt = 0; failAt < allocations; ++failAt) {
        RecordingHeap::Reset(failAt);
        arguments = reinterpret_cast<char**>(1);
        EXPECT_EQ(-1, SplitCommandLine(text.c_str(), &arguments, IsAnsiLeadByte, kRecordingHeap)) << failAt;
        EXPECT_EQ(nullptr, arguments);
        EXPECT_TRUE(RecordingHeap::blocks.empty()) << "leak when allocation " << failAt << " fails";
    }
}

}  // namespace
