#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramFiles.h"
#include "VersionInfo.h"

namespace {

// The twelve texts in the order of the version keys.
std::vector<std::string> AllTexts(const std::string& path)
{
    CVersionInfo info(path.c_str());
    return {info.GetComments(),        info.GetInternalName(),   info.GetProductName(),
            info.GetCompanyName(),     info.GetLegalCopyright(), info.GetProductVersion(),
            info.GetFileDescription(), info.GetLegalTrademarks(), info.GetPrivateBuild(),
            info.GetFileVersion(),     info.GetOriginalFilename(), info.GetSpecialBuild()};
}

TEST(VersionInfo, LastTranslationDecidesEveryText)
{
    // "Comments" exists only in the first translation, so the second leaves it empty.
    std::vector<std::string> expected = {
        "",           "internal 2",   "product 2",         "company 2",
        "copyright 2", "product version 2", "description 2", "trademarks 2",
        "private 2",  "2.5.0.0",      "original 2",        "special 2"};
    EXPECT_EQ(expected, AllTexts(TestProgramFolder() + "VersionTwoTranslations.dll"));
}

TEST(VersionInfo, NoVersionResourceOrNoFileGivesEmptyTexts)
{
    std::vector<std::string> empty(12);
    EXPECT_EQ(empty, AllTexts(TestProgramFolder() + "TestTextenu.dll"));
    EXPECT_EQ(empty, AllTexts(TestProgramFolder() + "NoSuchLibrary.dll"));
    EXPECT_EQ(empty, AllTexts(""));
}

}  // namespace
