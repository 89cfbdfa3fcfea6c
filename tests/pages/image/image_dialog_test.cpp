#include "core/TabSystem.h"
#include "core/ui/DialogControls.h"
#include "pages/image/ImageDialog.h"
#include "pages/image/ImagePage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/TestPageHost.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace image_dialog;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Two monsters. Tables at 0x100, 0x120, 0x140, 0x160; entry 1 has a two-frame front picture.
// Domain 1 (0x800-0x880) holds a free run of 40 bytes, then one of 44; domain 2 (0x880-0xC80)
// is free; domain 3 is not configured.
const std::string kKeys = "MonsterPics=256\r\nMonsterPal=288\r\nMonsterBackPics=320\r\nMonsterShinyPal=352\r\n"
                          "PicsNum=2\r\ndomain1=2048\r\ndomain1end=2176\r\ndomain2=2176\r\ndomain2end=3200\r\n";
constexpr std::size_t kNormalPalette1 = 0x340;
constexpr std::size_t kSecondRun = 0x82C;

// A stream as another encoder writes it: the first bytes as literals, then zeros copied one
// byte back, 18 at a time; the last block is not padded.
Bytes foreignStream(const Bytes& first, std::size_t size)
{
    Bytes stream = {0x10, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8), 0x00};
    std::size_t produced = 0;
    std::size_t flagAt = 0;
    for (std::size_t item = 0; produced < size; ++item) {
        if (item % 8 == 0) {
            flagAt = stream.size();
            stream.push_back(0);
        }
        if (produced < first.size()) {
            stream.push_back(first[produced++]);
            continue;
        }
        const std::size_t length = std::min<std::size_t>(18, size - produced);
        stream[flagAt] = static_cast<std::uint8_t>(stream[flagAt] | 0x80 >> item % 8);
        stream.insert(stream.end(), {static_cast<std::uint8_t>((length - 3) << 4), 0x00});
        produced += length;
    }
    return stream;
}

Bytes entry(std::uint32_t pointer, std::uint8_t tag)
{
    return {static_cast<std::uint8_t>(pointer), static_cast<std::uint8_t>(pointer >> 8),
            static_cast<std::uint8_t>(pointer >> 16), static_cast<std::uint8_t>(pointer >> 24), tag, 0xA1, 0xA2, 0xA3};
}

Bytes imageRom()
{
    Bytes rom(0x1000, 0x00);
    putBytes(rom, 0xAC, {'B', 'P', 'R', 'J'});
    const std::array<std::array<std::uint32_t, 2>, 4> pointers = {{{0x08000200, 0x08000600},
                                                                   {0x08000300, 0x08000340},
                                                                   {0x08000400, 0x08000400},
                                                                   {0x08000380, 0x08000380}}};
    for (std::size_t table = 0; table < 4; ++table)
        for (std::size_t i = 0; i < 2; ++i)
            putBytes(rom, 0x100 + table * 0x20 + i * 8, entry(pointers[table][i], static_cast<std::uint8_t>(i)));
    // Front pictures: pixels (0,0), (1,0) are 1, 2 (entry 0) and 3, 4 (entry 1, two frames).
    putBytes(rom, 0x200, foreignStream({0x21, 0x00}, 2048));
    putBytes(rom, 0x600, foreignStream({0x43, 0x00}, 4096));
    putBytes(rom, 0x400, foreignStream({0x05, 0x00}, 2048));
    // Normal palettes: colour 1 is red 31 (entry 0); all black, 11 bytes long (entry 1). Each
    // is followed by bytes of something else.
    putBytes(rom, 0x300, {0x10, 0x20, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x1F, 0x00, 0xF0, 0x00, 0x70, 0x00, 0xAB, 0xAB});
    putBytes(rom, kNormalPalette1, {0x10, 0x20, 0x00, 0x00, 0x60, 0x00, 0xF0, 0x00, 0x90, 0x00, 0x00,
                                    0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    // Shiny palette: colour 0 white, stored literally.
    Bytes shiny = {0x10, 0x20, 0x00, 0x00, 0x00, 0xFF, 0x7F};
    shiny.resize(40, 0x00);
    putBytes(rom, 0x380, shiny);
    std::fill(rom.begin() + 0x800, rom.begin() + 0x828, 0xFF);
    std::fill(rom.begin() + kSecondRun, rom.begin() + 0x858, 0xFF);
    std::fill(rom.begin() + 0x880, rom.begin() + 0xC80, 0xFF);
    return rom;
}

// A 16-colour bitmap 64 pixels wide, every row byte rowByte.
Bytes bitmapFile(int height, const Bytes& colourTable, std::uint8_t rowByte, std::uint8_t bitsPerPixel = 4,
                 std::uint8_t coloursUsed = 16)
{
    const std::size_t rows = 32 * static_cast<std::size_t>(height);
    const std::size_t size = 54 + colourTable.size() + rows;
    Bytes file = {0x42, 0x4D, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8), 0, 0, 0, 0, 0, 0,
                  0x76, 0, 0, 0, 0x28, 0, 0, 0, 0x40, 0, 0, 0, static_cast<std::uint8_t>(height), 0, 0, 0, 1, 0,
                  bitsPerPixel, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, coloursUsed, 0, 0, 0, 0, 0, 0, 0};
    file.insert(file.end(), colourTable.begin(), colourTable.end());
    file.insert(file.end(), rows, rowByte);
    return file;
}

// Colour 0 as given (blue, green, red), the rest black.
Bytes colourTable(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    Bytes table(64, 0x00);
    putBytes(table, 0, {blue, green, red});
    return table;
}

const Bytes kBlackTable(64, 0x00);

class ImageDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CImage>(tabs), "ザルバトイメージエディター");
        tabs.showFirstPage();
        writeSettings(dir.path(), "BPRJ", kKeys);
    }
    void open(Bytes rom = imageRom())
    {
        bytes = std::move(rom);
        writeBytes(this->rom, bytes);
        ASSERT_EQ(tabs.openRom(this->rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CImage& page() { return static_cast<CImage&>(*tabs.pages()[0]); }
    void check(int id, bool checked)
    {
        dialog().setChecked(id, checked);
        press(id);
    }
    // Imports a bitmap file with the given boxes checked (and the others clear).
    void import(const Bytes& file, std::initializer_list<int> boxes)
    {
        for (int id : {kFrontSelected, kBackSelected, kNormalPaletteSelected, kShinyPaletteSelected})
            check(id, std::find(boxes.begin(), boxes.end(), id) != boxes.end());
        const std::string path = dir.file("in.bmp");
        writeBytes(path, file);
        shell->answerFiles({path});
        press(kImport);
    }
    // Writes the normal palette of the current entry with the given output mode.
    void writeNormalPalette(int mode, bool inPlace, bool literal = false)
    {
        for (int id : {kFrontSelected, kBackSelected, kShinyPaletteSelected})
            check(id, false);
        check(kNormalPaletteSelected, true);
        check(mode, true);
        check(kInPlace, inPlace);
        check(kNoCompression, literal);
        press(kWrite);
    }
    RgbImage shown(int id) { return shownPicture(*host, tabs, id); }
    // Each view and strip exactly its picture's size, so that it shows at 1:1.
    void expectPlaces(const std::vector<std::pair<int, ControlRect>>& places)
    {
        for (const auto& [id, place] : places) {
            const ControlRect rect = dialog().controlRect(id);
            EXPECT_EQ((std::vector{rect.x, rect.y, rect.width, rect.height}),
                      (std::vector{place.x, place.y, place.width, place.height})) << id;
        }
    }
    // The ROM as opened, with these runs written over it.
    Bytes patched(const std::vector<std::pair<std::size_t, Bytes>>& runs) const
    {
        Bytes result = bytes;
        for (const auto& [at, run] : runs)
            putBytes(result, at, run);
        return result;
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
};

} // namespace

TEST_F(ImageDialog, ShowsEachEntrysPicturesAndPalettesAtFullSize)
{
    open();
    for (auto [id, text] : {std::pair{kAddresses[0], "0x200"}, {kAddresses[1], "0x300"}, {kAddresses[3], "0x380"}, {kIndex, "0"}})
        EXPECT_EQ(dialog().text(id, 20), text) << id;
    EXPECT_TRUE(dialog().isEnabled(kWrite));
    EXPECT_TRUE(dialog().isEnabled(kOutputModes[1]));
    EXPECT_FALSE(dialog().isEnabled(kOutputModes[2]));
    EXPECT_TRUE(dialog().isChecked(kOutputModes[0]));
    EXPECT_TRUE(shell->messages().empty());

    const RgbImage front = shown(kFrontNormalView);
    ASSERT_EQ((std::vector{front.width, front.height}), (std::vector{64, 64}));
    EXPECT_EQ(front.pixels[0], 0xF80000u);
    EXPECT_EQ(front.pixels[1], 0x000000u);
    const RgbImage shinyFront = shown(kFrontShinyView);
    ASSERT_EQ(shinyFront.pixels.size(), 4096u);
    EXPECT_EQ(shinyFront.pixels[2], 0xF8F8F8u);
    const RgbImage strip = shown(kNormalStrip);
    ASSERT_EQ((std::vector{strip.width, strip.height}), (std::vector{128, 8}));
    EXPECT_EQ(strip.pixels[7], 0x000000u);
    EXPECT_EQ(strip.pixels[128 * 7 + 8], 0xF80000u);
    expectPlaces({{kNormalStrip, {4, 88, 128, 8}}, {kShinyStrip, {4, 100, 128, 8}}, {kFrontShinyView, {72, 120, 64, 64}},
                  {kBackNormalView, {4, 188, 64, 64}}});

    press(kNext);
    EXPECT_EQ(page().currentIndex(), 1);
    EXPECT_EQ(dialog().text(kAddresses[0], 20), "0x600");
    EXPECT_EQ(page().frontFrames(), 2);
    EXPECT_EQ(shown(kFrontNormalView).height, 128);
    EXPECT_EQ(shown(kFrontNormalView).pixels[0], 0x000000u);
    expectPlaces({{kFrontNormalView, {4, 120, 64, 128}}, {kBackShinyView, {72, 252, 64, 64}}});

    // Stepping and typed indexes stop at the ends.
    press(kNext);
    EXPECT_EQ(page().currentIndex(), 1);
    for (auto [index, shows] : {std::pair{"-5", 0}, {"99", 1}}) {
        dialog().setText(kIndex, index);
        press(kShow);
        EXPECT_EQ(page().currentIndex(), shows) << index;
    }
    press(kPrevious);
    press(kPrevious);
    EXPECT_EQ(page().currentIndex(), 0);
    EXPECT_EQ(dialog().text(kIndex, 20), "0");
}

TEST_F(ImageDialog, BoxesOfAPairExcludeEachOtherAndTheRadioButtonsChooseTheOutput)
{
    open();
    // With no box checked, "をRomに保存" writes nothing.
    press(kWrite);
    EXPECT_EQ(readBytes(rom), bytes);
    for (int id : {kFrontSelected, kBackSelected, kNormalPaletteSelected, kShinyPaletteSelected})
        check(id, true);
    check(kShinyPaletteSelected, false);
    for (auto [id, checked] : {std::pair{kFrontSelected, false}, {kBackSelected, true}, {kNormalPaletteSelected, false}})
        EXPECT_EQ(dialog().isChecked(id), checked) << id;

    check(kAppend, true);
    EXPECT_EQ(page().outputMode(), OutputMode::Append);
    EXPECT_FALSE(dialog().isChecked(kOutputModes[0]));
    check(kOutputModes[1], true);
    EXPECT_EQ(page().outputMode(), OutputMode::Domain2);
    EXPECT_FALSE(dialog().isChecked(kAppend));
}

TEST_F(ImageDialog, NothingLoadedLeavesEveryControlDisabled)
{
    writeSettings(dir.path(), "BPRJ", "MonsterPics=256\r\nPicsNum=2\r\n");
    open();
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
}

TEST_F(ImageDialog, ExportsAPictureWithItsPaletteThroughTheChooser)
{
    open();
    shell->answerFiles({std::nullopt});
    press(kExport);
    EXPECT_EQ(status.texts.back(), "CImage::SaveBitMap 保存するパレットを選んでください。");
    EXPECT_EQ(status.texts[status.texts.size() - 2], "CImage::SaveBitMap 保存する画像を選んでください。");
    ASSERT_EQ(shell->fileRequests().size(), 1u);
    const FileChooserRequest& request = shell->fileRequests()[0];
    EXPECT_EQ(request.mode, FileChooserRequest::Mode::Save);
    EXPECT_EQ(request.title, "ビットマップを選択してください");
    EXPECT_EQ(request.defaultExtension, "bmp");
    EXPECT_EQ(request.filters, (std::vector<std::pair<std::string, std::string>>{{"BitMap(*.bmp)", "*.bmp"},
                                                                                 {"All files(*.*)", "*.*"}}));

    check(kFrontSelected, true);
    check(kNormalPaletteSelected, true);
    const std::string path = dir.file("front.bmp");
    shell->answerFiles({path});
    status.texts.clear();
    press(kExport);
    EXPECT_TRUE(status.texts.empty());
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 2166u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54),
              (Bytes{0x42, 0x4D, 0x76, 0x08, 0, 0, 0, 0, 0, 0, 0x76, 0, 0, 0, 0x28, 0, 0, 0, 0x40, 0, 0, 0, 0x40, 0, 0, 0,
                     1, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(file.begin() + 58, file.begin() + 62), (Bytes{0x00, 0x00, 0xF8, 0x00}));
    // The top row is the last in the file; the left pixel in the high nibble.
    EXPECT_EQ(file[118 + 63 * 32], 0x12);
    EXPECT_EQ(file[118], 0x00);
}

TEST_F(ImageDialog, ImportChecksTheSizeAgainstThePicturesFrames)
{
    open();
    const Bytes tall = bitmapFile(128, kBlackTable, 0x9A);
    import(tall, {kFrontSelected});
    EXPECT_EQ(status.last(), "CImage::ReadBipMap() サイズが64x64ピクセルではありません。\n");
    EXPECT_EQ(page().frontPicture().at(0, 0), 1);

    press(kNext);
    import(tall, {kFrontSelected});
    EXPECT_EQ(page().frontPicture().at(0, 0), 9);
    EXPECT_EQ(page().frontPicture().at(1, 127), 10);
    EXPECT_EQ(shown(kFrontNormalView).pixels[0], 0x000000u);

    // A palette with a picture box refused keeps the palette; 255 becomes 248, on export too.
    import(bitmapFile(64, colourTable(0xFF, 0x10, 0xFF), 0x00), {kFrontSelected, kShinyPaletteSelected});
    EXPECT_EQ(status.last(), "CImage::ReadBipMap() サイズが64x128ピクセルではありません。\n");
    EXPECT_EQ(page().shinyPalette()[0], 0xF810F8u);
    EXPECT_EQ(page().frontPicture().at(0, 0), 9);
    EXPECT_EQ(shown(kShinyStrip).pixels[0], 0xF810F8u);
    const std::string path = dir.file("out.bmp");
    shell->answerFiles({path});
    press(kExport);
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 4214u);
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 58), (Bytes{0xF8, 0x10, 0xF8, 0x00}));
}

TEST_F(ImageDialog, ImportRefusesWhatItCannotReadWithTheirMessages)
{
    open();
    struct Case {
        Bytes file;
        const char* message;
    };
    Bytes notBitmap = bitmapFile(64, kBlackTable, 0);
    notBitmap[1] = 'A';
    Bytes compressed = bitmapFile(64, kBlackTable, 0);
    compressed[30] = 2;
    const Bytes whole = bitmapFile(64, kBlackTable, 0);
    Bytes manyColours = bitmapFile(64, kBlackTable, 0, 4, 0);
    putBytes(manyColours, 46, {0x01, 0x01});
    const std::vector<Case> cases = {
        {notBitmap, "CImage::ReadBitpMap() ビットマップではありません。\n"},
        {bitmapFile(64, Bytes(1024, 0), 0, 8, 0), "CImage::ReadBitMap() このファイルは16色ではありません。\n"},
        {compressed, "CImage::ReadBitMap() このファイルには圧縮がかかっている可能性があります。\n"},
        {manyColours, "CImage::ReadBitMap() 読み込めないビットマップです。\n"},
        {Bytes(whole.begin(), whole.begin() + 100),
         "CImage::ReadBitMap を実行中にエラーが発生しました。"},
        {Bytes(whole.begin(), whole.end() - 1),
         "CImage::ReadBitMap を実行中にエラーが発生しました。"},
    };
    for (const Case& c : cases) {
        import(c.file, {kFrontSelected});
        EXPECT_EQ(status.last().rfind(c.message, 0), 0u) << toUtf8(status.last());
        EXPECT_EQ(page().frontPicture().at(0, 0), 1);
    }
}

TEST_F(ImageDialog, AppendingPadsTheFileToAWordAndStopsAtThirtyTwoMebibytes)
{
    Bytes rom = imageRom();
    rom.resize(0x1000001, 0x00);
    open(std::move(rom));
    import(bitmapFile(64, kBlackTable, 0), {kNormalPaletteSelected});
    writeNormalPalette(kAppend, false);
    EXPECT_EQ(status.last(), "");
    Bytes expected = patched({{0x120, {0x04, 0x00, 0x00, 0x09}}});
    expected.insert(expected.end(), {0xFF, 0xFF, 0xFF, 0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x90,
                                     0x01, 0x00, 0x00, 0x00, 0x00});
    saveAndExpect(expected);
    EXPECT_EQ(dialog().text(kAddresses[1], 20), "0x1000004");

    // Neither padding nor data once they would end beyond 0x2000000.
    std::filesystem::resize_file(this->rom, 0x1FFFFF2);
    import(bitmapFile(64, kBlackTable, 0), {kNormalPaletteSelected});
    writeNormalPalette(kAppend, false);
    EXPECT_EQ(status.last(), "CImage::ReCompress ファイルが32MBを超えてしまうので追記できません。");
    EXPECT_EQ(std::filesystem::file_size(this->rom), 0x1FFFFF2u);
}

TEST_F(ImageDialog, InPlaceOnlyOverTheOldStreamsTrueLength)
{
    open();
    ASSERT_TRUE(keepBackups(dir.path(), 1));
    press(kNext);
    EXPECT_EQ(page().storedSize(ImageItem::NormalPalette), 11u);
    // All black again: eleven bytes, the length of the old stream; its padding is left off.
    import(bitmapFile(64, kBlackTable, 0), {kNormalPaletteSelected});
    writeNormalPalette(kOutputModes[0], true);
    // With backups on, the first write copied the file as opened.
    ASSERT_EQ(backupsOf(rom).size(), 1u) << toUtf8(status.last());
    EXPECT_EQ(readBytes(backupsOf(rom)[0]), bytes);
    Bytes expected = patched({{kNormalPalette1, {0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x90, 0x01}}});
    saveAndExpect(expected);

    // Colour 15 green 8: as long as the old stream by the decoder's count of fifteen, but twelve
    // bytes of it are read, one more than the old stream has.
    Bytes greenLast = kBlackTable;
    greenLast[61] = 0x40;
    import(bitmapFile(64, greenLast, 0), {kNormalPaletteSelected});
    writeNormalPalette(kOutputModes[0], true);
    putBytes(expected, 0x128, {0x00, 0x08, 0x00, 0x08});
    putBytes(expected, 0x800,
             {0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x80, 0x01, 0x01, 0x00, 0x00, 0x00});
    saveAndExpect(expected);
    EXPECT_EQ(page().normalPalette()[15], 0x004000u);
}

TEST_F(ImageDialog, ADomainRunExactlyAsLongAsTheDataIsNotUsed)
{
    open();
    import(bitmapFile(64, kBlackTable, 0), {kNormalPaletteSelected});
    // Forty bytes stored literally: the first run has forty, the second forty-four.
    writeNormalPalette(kOutputModes[0], false, true);
    Bytes literal(40, 0x00);
    putBytes(literal, 0, {0x10, 0x20, 0x00, 0x00});
    const Bytes expected = patched({{0x120, {0x2C, 0x08, 0x00, 0x08}}, {kSecondRun, literal}});
    saveAndExpect(expected);

    // Nothing is left in domain 1 for a picture stored literally; domain 2 is too small for it.
    check(kFrontSelected, true);
    check(kNormalPaletteSelected, false);
    press(kWrite);
    EXPECT_EQ(status.last().rfind("CImage::ReCompress 使用可能なスペースが見つかりません。 ", 0), 0u);
    check(kOutputModes[1], true);
    press(kWrite);
    EXPECT_EQ(status.last().rfind("CImage::ReCompress 使用可能なスペースが見つかりません。 ", 0), 0u);
    // Domain 3 is not configured: its radio button is disabled and it never yields a place.
    check(kNormalPaletteSelected, true);
    check(kFrontSelected, false);
    check(kOutputModes[2], true);
    press(kWrite);
    EXPECT_EQ(status.last(), "CImage::ReCompress 使用可能なスペースが見つかりません。 ");
    saveAndExpect(expected);
}

TEST_F(ImageDialog, AStreamEndingInFreeBytesIsNeverOverwrittenByTheNextWrite)
{
    // Domain 1 is 0x1000-0x3000, free; colour 15 everywhere ends a literal picture in 0xFF words.
    writeSettings(dir.path(), "BPRJ", "MonsterPics=256\r\nMonsterPal=288\r\nMonsterBackPics=320\r\n"
                                      "MonsterShinyPal=352\r\nPicsNum=2\r\ndomain1=4096\r\ndomain1end=12288\r\n");
    Bytes rom = imageRom();
    rom.resize(0x3000, 0xFF);
    open(std::move(rom));
    check(kNoCompression, true);
    check(kOutputModes[0], true);
    import(bitmapFile(64, kBlackTable, 0xFF), {kFrontSelected});
    press(kWrite);
    import(bitmapFile(64, kBlackTable, 0xFF), {kBackSelected});
    press(kWrite);

    Bytes literal = {0x10, 0x00, 0x08, 0x00};
    for (int block = 0; block < 256; ++block) {
        literal.push_back(0x00);
        literal.insert(literal.end(), 8, 0xFF);
    }
    ASSERT_EQ(literal.size(), 2308u);
    saveAndExpect(patched({{0x1000, literal}, {0x1904, literal}, {0x100, {0x00, 0x10, 0x00, 0x08}},
                           {0x140, {0x04, 0x19, 0x00, 0x08}}}));
    EXPECT_EQ(page().storedSize(ImageItem::FrontPicture), 2308u);
    EXPECT_EQ(page().storedSize(ImageItem::BackPicture), 2308u);
}

TEST_F(ImageDialog, APictureWithAPartFrameIsShownButNeverWrittenBack)
{
    Bytes rom = imageRom();
    putBytes(rom, 0x100, entry(0x08000900, 0));
    putBytes(rom, 0x900, foreignStream({0x21, 0x00}, 3000));
    open(std::move(rom));
    EXPECT_EQ(page().frontFrames(), 1);
    check(kFrontSelected, true);
    check(kAppend, true);
    press(kWrite);
    EXPECT_EQ(status.last(), "CImage::ReCompress 読み込めなかったデータは書き込めません。");
    EXPECT_EQ(readBytes(this->rom), bytes);
}

TEST_F(ImageDialog, FourFramesStoredLiterallyAreWrittenWhole)
{
    Bytes rom = imageRom();
    putBytes(rom, 0x600, foreignStream({0x43, 0x00}, 8192));
    open(std::move(rom));
    press(kNext);
    EXPECT_EQ(page().frontFrames(), 4);
    check(kFrontSelected, true);
    check(kNoCompression, true);
    check(kAppend, true);
    press(kWrite);
    Bytes stream = {0x10, 0x00, 0x20, 0x00};
    for (std::size_t block = 0; block < 1024; ++block) {
        stream.push_back(0x00);
        stream.insert(stream.end(), {static_cast<std::uint8_t>(block == 0 ? 0x43 : 0x00), 0, 0, 0, 0, 0, 0, 0});
    }
    ASSERT_EQ(stream.size(), 9220u);
    Bytes expected = patched({{0x108, {0x00, 0x10, 0x00, 0x08}}});
    expected.insert(expected.end(), stream.begin(), stream.end());
    saveAndExpect(expected);
}

TEST_F(ImageDialog, RePointTakesHexadecimalAndReachesTheRomOnSaving)
{
    open();
    dialog().setText(kAddresses[0], "1ABC00");
    press(kRePoints[0]);
    dialog().setText(kAddresses[3], "0x1ABC00");
    press(kRePoints[3]);
    EXPECT_EQ(page().entryPointer(ImageItem::FrontPicture, 0), 0x081ABC00u);
    // What lies at the typed address is unknown: nothing is written over it in place.
    EXPECT_EQ(page().storedSize(ImageItem::FrontPicture), 0u);
    saveAndExpect(patched({{0x100, {0x00, 0xBC, 0x1A, 0x08}}, {0x160, {0x00, 0xBC, 0x1A, 0x08}}}));
}

TEST_F(ImageDialog, AnItemThatDidNotLoadIsNeverWritten)
{
    Bytes rom = imageRom();
    putBytes(rom, 0x128, {0x00, 0x0F, 0x00, 0x08}); // entry 1's normal palette: zeros
    putBytes(rom, 0x108, {0x00, 0x00, 0x10, 0x08}); // entry 1's front picture: beyond the file
    open(std::move(rom));
    press(kNext);
    EXPECT_EQ(shell->messageTexts(), std::vector<std::string>{"パレットの圧縮データが見つかりませんでした。"});
    EXPECT_EQ(shell->messages()[0].caption, "Error!");
    EXPECT_EQ(shell->messages()[0].owner, nullptr);
    EXPECT_EQ(shell->messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(page().normalPalette()[1], 0x0000F8u);
    EXPECT_EQ(page().frontPicture().at(0, 0), 1);
    EXPECT_NE(std::find(status.texts.begin(), status.texts.end(),
                        "CImage::LoadImage を実行中にエラーが発生しました。" + endOfFileErrorText()),
              status.texts.end());

    check(kFrontSelected, true);
    check(kNormalPaletteSelected, true);
    check(kInPlace, true);
    press(kWrite);
    EXPECT_EQ(status.texts[status.texts.size() - 3], "CImage::ReCompress 読み込めなかったデータは書き込めません。");
    EXPECT_EQ(status.texts[status.texts.size() - 2], "CImage::ReCompress 読み込めなかったデータは書き込めません。");
    saveAndExpect(bytes);

    // A palette imported whole is the entry's own again.
    import(bitmapFile(64, kBlackTable, 0), {kNormalPaletteSelected});
    check(kOutputModes[1], true);
    press(kWrite);
    putBytes(bytes, 0x128, {0x80, 0x08, 0x00, 0x08});
    putBytes(bytes, 0x880, {0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00});
    saveAndExpect(bytes);

    // A ROM that is gone is not made anew.
    std::filesystem::remove(this->rom);
    status.texts.clear();
    press(kWrite);
    ASSERT_FALSE(status.texts.empty());
    EXPECT_EQ(status.texts[1].rfind("CImage::ReCompress を実行中にエラーが発生しました。", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(this->rom));
}
