#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "HeapPeak.h"
#include "LanguageFileHeader.h"
#include "LanguageFiles.h"
#include "LanguageFileWriter.h"
#include "ProgramFiles.h"

namespace {

const char kPayload[] = "0001\tReady\r\n";

class LanguageFileHeaderTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes, const char* name = "test.lng")
    {
        std::string path = m_folder.Path() + name;
        WriteTextFile(path, bytes);
        return path;
    }

    // The result of reading a file whose header text is exactly this.
    int ResultFor(const std::string& headerText)
    {
        CLanguageFileHeader header;
        header.Read(Write(BuildLanguageFileFromText(headerText, kPayload)).c_str());
        return header.GetResult();
    }

    ScopedFolder m_folder{"lng-header-test"};
};

// The standard header with one line replaced (or removed, with an empty replacement).
std::string HeaderWith(const std::string& key, const std::string& line)
{
    std::string text;
    for (const auto& entry : StandardHeader("LT100", "ENGLISH", "1.00", "1.99"))
        if (entry.first != key)
            text += entry.first + "\t" + entry.second + "\r\n";
        else if (!line.empty())
            text += line + "\r\n";
    return text + "EOT\r\n";
}

TEST_F(LanguageFileHeaderTest, ReadsAValidFileAndItsFields)
{
    CLanguageFileHeader header;
    EXPECT_EQ(LNG_ERR_NOT_READ, header.GetResult());

    std::string file = BuildLanguageFile(StandardHeader("LT100", "ENGLISH", "1.00", "1.99"), kPayload);
    ASSERT_TRUE(header.Read(Write(file).c_str()));
    EXPECT_EQ(0, header.GetResult());
    EXPECT_EQ(file.size(), header.GetFileLength());
    EXPECT_EQ("Download Additional Message.", header.GetId());
    EXPECT_EQ("LT100", header.GetPrinterModel());
    EXPECT_EQ("1.00", header.GetVersion1Min());
    EXPECT_EQ("1.99", header.GetVersion1Max());
    EXPECT_EQ("ENGLISH", header.GetLanguage());
    EXPECT_EQ("1", header.GetTableNumber());
    EXPECT_EQ("1.0", header.GetFormatVersion());
    EXPECT_FALSE(header.GetCopyright().empty());

    // A failed read keeps every value of the last good one.
    EXPECT_FALSE(header.Read(Write(BuildLanguageFileFromText(HeaderWith("Printer", ""), kPayload)).c_str()));
    EXPECT_EQ(LNG_ERR_HEADER, header.GetResult());
    EXPECT_EQ("LT100", header.GetPrinterModel());
    EXPECT_EQ("1", header.GetTableNumber());

    // Read again: the table number is optional, and keys match in any letter case.
    std::string text = HeaderWith("TableNumber", "");
    text.replace(text.find("Printer"), 7, "pRINTER");
    ASSERT_TRUE(header.Read(Write(BuildLanguageFileFromText(text, kPayload)).c_str()));
    EXPECT_EQ("", header.GetTableNumber());
    EXPECT_EQ("LT100", header.GetPrinterModel());
}

TEST_F(LanguageFileHeaderTest, RejectsLengthsThatDoNotFit)
{
    const std::string prefix(16, 'P');
    EXPECT_EQ(LNG_ERR_FILE, ResultFor(""));  // header length 0

    CLanguageFileHeader header;
    header.Read(Write(prefix + std::string("\0\0\0", 3)).c_str());  // 19 bytes
    EXPECT_EQ(LNG_ERR_FILE, header.GetResult());

    // A 256-byte header needs 276 bytes of file.
    std::string text = HeaderWith("Copyright", "Copyright\tC");
    text.insert(text.find("Copyright\tC") + 10, 256 - text.size(), 'c');
    ASSERT_EQ(256u, text.size());
    std::string file = BuildLanguageFileFromText(text, "");
    ASSERT_EQ(std::string("\0\0\x01\0", 4), file.substr(16, 4));
    header.Read(Write(file.substr(0, 275)).c_str());
    EXPECT_EQ(LNG_ERR_FILE, header.GetResult());
    EXPECT_TRUE(header.Read(Write(file).c_str()));
}

// The length field may claim the whole file. The header is read no further than its outcome
// depends on, and never held whole: a claim of a hundred megabytes or more costs a few at most.
TEST_F(LanguageFileHeaderTest, AHeaderLengthThatClaimsTheWholeFileCostsNoMemory)
{
    const unsigned kHugeFile = 128u << 20;
    const size_t kFewMegabytes = 4u << 20;
    CLanguageFileHeader header;

    // Only zeros behind the length: no line of the text ever ends.
    std::string zeros = m_folder.Path() + "zeros.lng";
    WriteSparseLanguageFile(zeros, "", kHugeFile);
    heap_peak::Reset();
    EXPECT_FALSE(header.Read(zeros.c_str()));
    EXPECT_LT(heap_peak::Bytes(), kFewMegabytes);
    EXPECT_EQ(LNG_ERR_FILE, header.GetResult());
    EXPECT_EQ(kHugeFile, header.GetFileLength());

    // A valid header text, then the rest of the claim.
    std::string claimed = m_folder.Path() + "claimed.lng";
    WriteSparseLanguageFile(claimed, HeaderWith("", ""), kHugeFile);
    heap_peak::Reset();
    EXPECT_TRUE(header.Read(claimed.c_str()));
    EXPECT_LT(heap_peak::Bytes(), kFewMegabytes);
    EXPECT_EQ("LT100", header.GetPrinterModel());
}

TEST_F(LanguageFileHeaderTest, ValidatesEveryLine)
{
    const struct {
        std::string text;
        int result;
    } cases[] = {
        {HeaderWith("ID", "ID\tDownload Additional Message"), LNG_ERR_ID},
        {HeaderWith("ID", "ID\tdownload additional message."), LNG_ERR_ID},
        {HeaderWith("version1Max", "version1Max\t12.34"), 0},
        {HeaderWith("version1Min", "version1Min\t1.2b"), 0},
        {HeaderWith("version1Max", "version1Max\t1.2b"), LNG_ERR_ID},
        {HeaderWith("version1Max", "version1Max\t.5"), LNG_ERR_ID},
        {HeaderWith("version1Max", "version1Max\t5."), LNG_ERR_ID},
        {HeaderWith("version1Min", "version1Min\t5"), LNG_ERR_ID},
        {HeaderWith("version1Min", "version1Min\t1.2.3"), LNG_ERR_ID},
        {HeaderWith("version1Min", "version1Min\t1a.2"), LNG_ERR_ID},
        {HeaderWith("TableNumber", "TableNumber\t3"), LNG_ERR_ID},
        {HeaderWith("TableNumber", "TableNumber\t 1"), LNG_ERR_ID},
        {HeaderWith("TableNumber", "TableNumber\t2"), 0},
        {HeaderWith("Language", ""), LNG_ERR_HEADER},
        {HeaderWith("Printer", "Model\tLT100"), LNG_ERR_HEADER},
        {HeaderWith("Printer", "Printer\tLT100\r\nlanguage\tGERMAN"), LNG_ERR_PARAMETER},
        {HeaderWith("Printer", "Printer"), LNG_ERR_FILE},
        {HeaderWith("Printer", "Printer\t"), LNG_ERR_FILE},
        {HeaderWith("Printer", "\tLT100"), LNG_ERR_FILE},
        {HeaderWith("Printer", "Printer\tLT100\r\n"), LNG_ERR_FILE},  // a blank line
        {"\r\n" + HeaderWith("", ""), LNG_ERR_HEADER},
        {"ID\tDownload Additional Message.\r\nCopyright\tEOT\r\n", LNG_ERR_FILE},
        {HeaderWith("", "").substr(0, HeaderWith("", "").size() - 5), LNG_ERR_FILE},  // no end
        {HeaderWith("", "") + "anything\tafter the end", 0},
        {HeaderWith("Copyright", "Copyright\tA\tB"), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, ResultFor(c.text)) << c.text.substr(0, 80);
}

TEST_F(LanguageFileHeaderTest, MapsOpenFailures)
{
    CLanguageFileHeader header;
    EXPECT_FALSE(header.Read(nullptr));
    EXPECT_EQ(LNG_ERR_PARAMETER, header.GetResult());
    EXPECT_FALSE(header.Read(""));
    EXPECT_EQ(LNG_ERR_PARAMETER, header.GetResult());

    header.Read((m_folder.Path() + "missing.lng").c_str());
    EXPECT_EQ(LNG_ERR_NOT_FOUND, header.GetResult());
    header.Read((m_folder.Path() + "no-such-folder\\x.lng").c_str());
    EXPECT_EQ(LNG_ERR_PATH, header.GetResult());

    std::string path = Write(BuildLanguageFile(StandardHeader("P", "L", "1.0", "1.0"), kPayload));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    header.Read(path.c_str());
    EXPECT_EQ(LNG_ERR_ACCESS, header.GetResult());
    CloseHandle(held);
    EXPECT_TRUE(header.Read(path.c_str()));
}

}  // namespace
