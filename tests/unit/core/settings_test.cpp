#include "core/GameSettings.h"
#include "core/Profile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    GameSettings settings(const std::string& ini)
    {
        writeFile(dir.file("Setting.ini"), ini);
        return GameSettings(settingsPath(dir.path()), "BPRJ");
    }
    TempDir dir;
};

} // namespace

TEST_F(SettingsTest, OffsetsAreDecimalAndMissingOrEmptyMeansNotConfigured)
{
    GameSettings s = settings("[BPRJ]\r\nAttackTable=256\r\nHexValue=0x100\r\nEmpty=\r\n"
                              "Negative=-5\r\nSigned= +42abc\r\nWord=abc\r\n");
    EXPECT_EQ(s.offset("AttackTable"), 256);
    EXPECT_EQ(s.offset("HexValue"), 0);
    EXPECT_EQ(s.offset("Empty"), kNotConfigured);
    EXPECT_EQ(s.offset("Missing"), kNotConfigured);
    EXPECT_EQ(s.offset("Negative"), -5);
    EXPECT_EQ(s.offset("Signed"), 42);
    EXPECT_EQ(s.offset("Word"), 0);
}

TEST_F(SettingsTest, CountsAreZeroUnlessPositive)
{
    GameSettings s = settings("[BPRJ]\nMonsterEggDataNum=-5\nItem_DataNum=0\nTrainerDataNum=12\n");
    EXPECT_EQ(s.count("MonsterEggDataNum"), 0);
    EXPECT_EQ(s.count("Item_DataNum"), 0);
    EXPECT_EQ(s.count("Missing"), 0);
    EXPECT_EQ(s.count("TrainerDataNum"), 12);
}

TEST_F(SettingsTest, AreasNeedBothKeysAndAnEndBeyondTheStart)
{
    GameSettings s = settings("[BPRJ]\ndomain1=100\ndomain1end=100\ndomain2=100\ndomain2end=300\n"
                              "domain3=100\n");
    EXPECT_FALSE(s.area("domain1").isSet());
    EXPECT_EQ(s.area("domain1").length, 0);
    EXPECT_EQ(s.area("domain2").start, 100);
    EXPECT_EQ(s.area("domain2").length, 200);
    EXPECT_FALSE(s.area("domain3").isSet());
    EXPECT_EQ(s.area("domain3").start, kNotConfigured);
}

TEST_F(SettingsTest, ValuesAreCutToTheThirtyCharacterBuffer)
{
    // 40 digits: only the first 29 take part, which still saturates rather than wrapping.
    GameSettings s = settings("[BPRJ]\nLong=1234567890123456789012345678901234567890\n"
                              "Padded=" + std::string(28, ' ') + "7\n");
    EXPECT_EQ(s.text("Long"), "12345678901234567890123456789");
    EXPECT_EQ(s.offset("Long"), 2147483647);
    EXPECT_EQ(s.text("Padded"), "7");
}

TEST_F(SettingsTest, SectionsAndKeysMatchIgnoringCaseAndOtherSectionsDoNotLeak)
{
    GameSettings s = settings("[AXVJ]\nAttackTable=1\n[bprj]\n  attacktable =  2  \n[Other]\nAttackTable=3\n");
    EXPECT_EQ(s.offset("AttackTable"), 2);
    EXPECT_EQ(GameSettings(settingsPath(dir.path()), "BPEJ").offset("AttackTable"), kNotConfigured);
}

TEST_F(SettingsTest, MissingFileGivesDefaults)
{
    GameSettings s(settingsPath(dir.path()), "BPRJ");
    EXPECT_EQ(s.offset("AttackTable"), kNotConfigured);
    EXPECT_EQ(s.count("TrainerDataNum"), 0);
}

TEST(ParseNumbers, DecimalAndHexadecimalForms)
{
    EXPECT_EQ(parseDecimal("  -12x"), -12);
    EXPECT_EQ(parseDecimal("99999999999"), 2147483647);
    EXPECT_EQ(parseDecimal("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseHex("0x6C8000"), 0x6C8000u);
    EXPECT_EQ(parseHex("bfffff"), 0xBFFFFFu);
    EXPECT_EQ(parseHex("0X1g"), 1u);
    EXPECT_EQ(parseHex("zz"), 0u);
    EXPECT_EQ(parseHex("123456789ABC"), 0xFFFFFFFFu);
}

TEST(ProfileWriter, CreatesFileSectionAndKeyAndReplacesInPlace)
{
    TempDir dir;
    std::string path = dir.file("Setting.ini");
    ASSERT_TRUE(profileWriteString(path, "Calvanter", "WindowX", "10"));
    ASSERT_TRUE(profileWriteString(path, "Calvanter", "WindowY", "20"));
    EXPECT_EQ(readText(path), "[Calvanter]\r\nWindowX=10\r\nWindowY=20\r\n");

    writeFile(path, "[BPRJ]\r\nAttackTable=5\r\n\r\n[Calvanter]\r\nwindowx=1\r\n");
    ASSERT_TRUE(profileWriteString(path, "CALVANTER", "WindowX", "-3"));
    ASSERT_TRUE(profileWriteString(path, "BPRJ", "Item_Data", "7"));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\nItem_Data=7\r\n\r\n[Calvanter]\r\nWindowX=-3\r\n");
    EXPECT_EQ(profileReadString(path, "Calvanter", "WindowX", "", 30), "-3");
}

TEST(ProfileWriter, AFailedWriteKeepsTheOldFile)
{
    EXPECT_FALSE(profileWriteString("/nonexistent-folder/Setting.ini", "A", "B", "C"));

    TempDir dir;
    const std::string path = dir.file("Setting.ini");
    writeFile(path, "[BPRJ]\r\nAttackTable=5\r\n");
    // The new contents land on a device that takes no bytes: the write fails part-way.
    ASSERT_EQ(::symlink("/dev/full", (path + ".new").c_str()), 0);
    const ProfileEntry entries[] = {{"WindowX", "1"}, {"WindowY", "2"}};
    EXPECT_FALSE(profileWriteStrings(path, "Calvanter", entries));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n");
    EXPECT_TRUE(profileWriteStrings(path, "Calvanter", entries));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n[Calvanter]\r\nWindowX=1\r\nWindowY=2\r\n");
}
