#include "core/NameList.h"
#include "core/RomFile.h"
#include "core/TableBuffer.h"
#include "core/ui/StatusLine.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

TEST(RomFileTest, ReadingNeedsAnExistingFileAndWholeReadsAndWritingKeepsTheRestAndTheHeader)
{
    TempDir dir;
    const ResultOf<RomFile> missing = RomFile::openForReading(dir.file("missing.gba"));
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.errorText().empty());

    // A short read fails with an end-of-file text.
    writeBytes(dir.file("short.gba"), {1, 2, 3, 4, 5});
    ResultOf<RomFile> shortFile = RomFile::openForReading(dir.file("short.gba"));
    ASSERT_TRUE(shortFile.ok());
    std::uint8_t buffer[4] = {};
    const Result shortRead = shortFile->readAt(3, buffer);
    EXPECT_FALSE(shortRead.ok());
    EXPECT_EQ(shortRead.errorText(), endOfFileErrorText());
    EXPECT_NE(shortRead.errorText(), "Success\r\n");
    ASSERT_TRUE(shortFile->readAt(1, buffer).ok());
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 4), (std::vector<std::uint8_t>{2, 3, 4, 5}));
    EXPECT_FALSE(shortFile->readAt(-1, buffer).ok());

    std::vector<std::uint8_t> rom(0xC3, 1);
    writeBytes(dir.file("rom.gba"), rom);
    const std::uint8_t patch[] = {9, 9};
    for (auto open : {&RomFile::openForWriting, &RomFile::openForUpdating}) {
        ResultOf<RomFile> file = open(dir.file("rom.gba"));
        ASSERT_TRUE(file.ok());
        // A write that starts inside the cartridge header is refused whole, even at its last byte.
        for (std::int64_t at : {0x00, 0x16, 0xBF})
            EXPECT_EQ(file->writeAt(at, patch).errorText(), kHeaderWriteRefusedText) << at;
        ASSERT_TRUE(file->writeAt(0xC0, patch).ok());
    }
    rom[0xC0] = rom[0xC1] = 9;
    EXPECT_EQ(readBytes(dir.file("rom.gba")), rom);

    // A new file (a backup copy) is written from its first byte; a moved-from file is closed.
    ResultOf<RomFile> created = RomFile::createNew(dir.file("copy.gba"));
    ASSERT_TRUE(created.ok());
    EXPECT_TRUE(created->write(patch).ok());
    RomFile moved = std::move(*created);
    EXPECT_TRUE(moved.write(patch).ok());
    EXPECT_FALSE(created->write(patch).ok());
    EXPECT_FALSE(RomFile::createNew(dir.file("copy.gba")).ok());
    EXPECT_EQ(readBytes(dir.file("copy.gba")), (std::vector<std::uint8_t>{9, 9, 9, 9}));

    EXPECT_TRUE(RomFile::openForWriting(dir.file("new.gba")).ok());
    EXPECT_FALSE(RomFile::openForUpdating(dir.file("gone.gba")).ok());
}

// A ROM in memory keeps the header as the file does, and never grows: a write-out that would
// make the file longer fails.
TEST(RomFileTest, ARomInMemoryKeepsItsHeaderAndItsSize)
{
    using Bytes = std::vector<std::uint8_t>;
    Bytes bytes(0xC4, 1);
    RomFile rom = RomFile::inMemory(bytes);
    const std::uint8_t patch[] = {9, 9};
    EXPECT_EQ(rom.writeAt(0xBF, patch).errorText(), kHeaderWriteRefusedText);
    ASSERT_TRUE(rom.writeAt(0xC0, patch).ok());
    ASSERT_TRUE(rom.write(patch).ok());
    EXPECT_EQ(rom.write(patch).errorText(), diskFullErrorText());
    EXPECT_EQ(rom.writeAt(0xC3, patch).errorText(), diskFullErrorText());
    std::uint8_t buffer[3] = {};
    ASSERT_TRUE(rom.readAt(0xC1, buffer).ok());
    EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{9, 9, 9}));
    EXPECT_EQ(rom.readAt(0xC2, buffer).errorText(), endOfFileErrorText());
    EXPECT_EQ(*rom.size(), 0xC4);
    Bytes expected(0xC4, 1);
    std::fill(expected.begin() + 0xC0, expected.end(), 9);
    EXPECT_EQ(bytes, expected);
    // Only the writes that landed are recorded.
    ASSERT_EQ(rom.writtenStretches().size(), 2u);
    EXPECT_EQ(rom.writtenStretches()[1].start, 0xC2);
    EXPECT_EQ(rom.writtenStretches()[1].end, 0xC4);

    RomFile moved = std::move(rom);
    EXPECT_FALSE(rom.readAt(0, buffer).ok());
    EXPECT_TRUE(moved.readAt(0xC1, buffer).ok());
}

TEST(RomFileTest, ReadOnlyFileCannotBeOpenedForWriting)
{
    TempDir dir;
    writeBytes(dir.file("rom.gba"), {1});
    ReadOnlyFile readOnly(dir.file("rom.gba"));
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "this file system cannot make a file read-only";
    const ResultOf<RomFile> file = RomFile::openForWriting(dir.file("rom.gba"));
    EXPECT_FALSE(file.ok());
    EXPECT_FALSE(file.errorText().empty());
}

TEST(StatusPrintTest, FormatsCutsAndRefusesLongFormats)
{
    RecordingStatusLine status;
    statusPrint(&status, "%s::DataRead を実行中にエラーが発生しました。%s", "CAttack_Edit", "x");
    ASSERT_EQ(status.texts.size(), 1u);
    EXPECT_EQ(status.last(), "CAttack_Edit::DataRead を実行中にエラーが発生しました。x");

    statusPrint(&status, "%s", std::string(5000, 'a').c_str());
    EXPECT_EQ(status.last().size(), 1023u);

    std::string longFormat(1000, 'b');
    statusPrint(&status, "%s", longFormat.c_str());
    statusPrint(&status, longFormat.c_str());
    EXPECT_EQ(status.texts.size(), 3u);
    statusPrint(&status, std::string(999, 'c').c_str());
    EXPECT_EQ(status.texts.size(), 4u);

    // A system text with "%1" is shown as it stands.
    statusShow(&status, "%1 is not valid");
    EXPECT_EQ(status.last(), "%1 is not valid");

    statusPrint(nullptr, "nothing to print on");
}

TEST(TableBufferTest, RefusesCountsOutOfReach)
{
    std::vector<std::uint8_t> table;
    EXPECT_TRUE(allocateTable(table, 3, 40));
    EXPECT_EQ(table, std::vector<std::uint8_t>(120, 0));
    EXPECT_FALSE(allocateTable(table, 2147483647, 40));
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(allocateTable(table, 0, 40));
    EXPECT_FALSE(allocateTable(table, -1, 40));
    EXPECT_FALSE(allocateTable(table, (std::int64_t{1} << 62), 1024));
}

TEST(NameListTest, LineRulesAndAMissingFile)
{
    TempDir dir;
    std::vector<std::string> entries;
    EXPECT_FALSE(loadNameList(dir.path(), "tokusei.ini", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(nameListOpenFailedText("tokusei.ini"), "\"tokusei.ini\"ファイルを開けませんでした。");

    writeFile(dir.file("item.ini"), "Potion\r\n\r\n  Blank  \r\nLast");
    entries = {"kept"};
    ASSERT_TRUE(loadNameList(dir.path(), "item.ini", entries));
    EXPECT_EQ(entries, (std::vector<std::string>{"kept", "Potion", "", "  Blank  ", "Last"}));

    // 258 characters and a line end are one entry; 259 characters fill the buffer, and the
    // line end that follows becomes an empty entry of its own.
    writeFile(dir.file("effects.ini"), std::string(258, 'a') + "\n" + std::string(300, 'b') + "\n");
    entries.clear();
    ASSERT_TRUE(loadNameList(dir.path(), "effects.ini", entries));
    EXPECT_EQ(entries, (std::vector<std::string>{std::string(258, 'a'), std::string(259, 'b'), std::string(41, 'b')}));
}
