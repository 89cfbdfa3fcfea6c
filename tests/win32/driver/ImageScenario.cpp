#include "tests/win32/driver/ImageScenario.h"

#include "tests/win32/driver/FileDialog.h"
#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/ScreenPixels.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kImageTab = 7;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;
constexpr const char* kChooserTitle = "ビットマップを選択してください";

// The image page.
constexpr int kFrontAddress = 1136;
constexpr int kNormalPaletteAddress = 1139;
constexpr int kIndex = 1153;
constexpr int kNext = 1141;
constexpr int kFrontSelected = 1156;
constexpr int kNormalPaletteSelected = 1157;
constexpr int kImport = 1138;
constexpr int kExport = 1146;
constexpr int kWrite = 1143;
constexpr int kNoCompression = 1160;
constexpr std::array<int, 4> kOutputModes = {1165, 1166, 1167, 1168};
constexpr int kInPlace = 1169;
constexpr int kFrontNormalView = 1140;
constexpr int kFrontShinyView = 1151;
constexpr int kBackNormalView = 1149;
constexpr int kBackShinyView = 1152;
constexpr int kNormalStrip = 1145;
constexpr int kShinyStrip = 1150;
// A strip shows each of the 16 colours as a square of this side.
constexpr int kSwatch = 8;
constexpr int kPaletteColours = 16;

// The fixture's monster 1 has a two-frame front picture.
constexpr long kMonster = 1;
constexpr int kFrames = 2;
constexpr long kEntrySize = 8;
constexpr std::size_t kTileBytes = 2048 * kFrames;
constexpr std::size_t kBitmapSize = 118 + kTileBytes;
constexpr std::uint32_t kCartridgeBase = 0x08000000;

struct Area {
    long start = -1;
    long end = -1;
    bool holds(long at) const { return at >= start && at < end; }
};

// The cartridge's LZ77 stream at the offset, decoded by the format alone; the stream's size
// counts every unused slot of its last block. Size -1 when no stream is there.
struct Stream {
    Bytes data;
    long size = -1;
};

Stream decompress(const Bytes& rom, long at)
{
    if (at < 0 || static_cast<std::size_t>(at) + 4 > rom.size() || rom[at] != 0x10)
        return {};
    const std::size_t size = rom[at + 1] | rom[at + 2] << 8 | rom[at + 3] << 16;
    Bytes out;
    std::size_t in = static_cast<std::size_t>(at) + 4;
    while (out.size() < size) {
        if (in >= rom.size())
            return {};
        const std::uint8_t flag = rom[in++];
        for (int slot = 0; slot < 8; ++slot) {
            if (out.size() >= size) {
                ++in;
            } else if (flag & 0x80 >> slot) {
                if (in + 2 > rom.size())
                    return {};
                const std::size_t length = (rom[in] >> 4) + 3;
                const std::size_t distance = ((rom[in] & 0x0F) << 8 | rom[in + 1]) + 1;
                in += 2;
                if (distance > out.size())
                    return {};
                for (std::size_t k = 0; k < length && out.size() < size; ++k)
                    out.push_back(out[out.size() - distance]);
            } else {
                if (in >= rom.size())
                    return {};
                out.push_back(rom[in++]);
            }
        }
    }
    return {out, static_cast<long>(in) - at};
}

std::uint32_t little32(const Bytes& rom, long at)
{
    return static_cast<std::uint32_t>(rom[at] | rom[at + 1] << 8 | rom[at + 2] << 16) |
           static_cast<std::uint32_t>(rom[at + 3]) << 24;
}

Bytes pointerBytes(std::uint32_t pointer)
{
    return {static_cast<std::uint8_t>(pointer), static_cast<std::uint8_t>(pointer >> 8),
            static_cast<std::uint8_t>(pointer >> 16), static_cast<std::uint8_t>(pointer >> 24)};
}

// Colour index of pixel (x, y) in 4-bit tiles: 8x8 tiles in rows of eight, left pixel low.
int tilePixel(const Bytes& tiles, int x, int y)
{
    const std::size_t at = static_cast<std::size_t>(((y / 8) * 8 + x / 8) * 32 + (y % 8) * 4 + (x % 8) / 2);
    return x % 2 ? tiles[at] >> 4 : tiles[at] & 0x0F;
}

// Colour index of pixel (x, y) in a 64-pixel-wide 16-colour bitmap: rows bottom-up, left pixel high.
int bitmapPixel(const Bytes& bitmap, int height, int x, int y)
{
    const std::uint8_t byte = bitmap[118 + static_cast<std::size_t>(height - 1 - y) * 32 + x / 2];
    return x % 2 ? byte & 0x0F : byte >> 4;
}

// The cartridge's 15-bit colour i of the palette as the screen shows it: each component times 8.
std::uint32_t shownColour(const Bytes& palette, int i)
{
    const unsigned v = palette[static_cast<std::size_t>(i) * 2] | palette[static_cast<std::size_t>(i) * 2 + 1] << 8;
    return (v & 0x1F) << 19 | (v >> 5 & 0x1F) << 11 | (v >> 10 & 0x1F) << 3;
}

// The picture's frames, 64 pixels wide and 64 high each, in the palette's colours.
Pixels shownPicture(const Bytes& tiles, const Bytes& palette)
{
    if (palette.size() < kPaletteColours * 2)
        return {};
    Pixels picture{64, static_cast<int>(tiles.size() / 2048) * 64, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.rows.push_back(shownColour(palette, tilePixel(tiles, x, y)));
    return picture;
}

// The 16 colours side by side.
Pixels shownStrip(const Bytes& palette)
{
    if (palette.size() < kPaletteColours * 2)
        return {};
    Pixels strip{kSwatch * kPaletteColours, kSwatch, {}};
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            strip.rows.push_back(shownColour(palette, x / kSwatch));
    return strip;
}

// The bitmap's pixels as 4-bit tiles.
Bytes tilesOf(const Bytes& bitmap)
{
    Bytes tiles(kTileBytes, 0);
    for (int y = 0; y < 64 * kFrames; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::size_t at = static_cast<std::size_t>(((y / 8) * 8 + x / 8) * 32 + (y % 8) * 4 + (x % 8) / 2);
            const int index = bitmapPixel(bitmap, 64 * kFrames, x, y);
            tiles[at] = static_cast<std::uint8_t>(tiles[at] | (x % 2 ? index << 4 : index));
        }
    return tiles;
}

bool samePixels(const Bytes& tiles, const Bytes& bitmap)
{
    if (tiles.size() != kTileBytes || bitmap.size() != kBitmapSize)
        return false;
    for (int y = 0; y < 64 * kFrames; ++y)
        for (int x = 0; x < 64; ++x)
            if (tilePixel(tiles, x, y) != bitmapPixel(bitmap, 64 * kFrames, x, y))
                return false;
    return true;
}

// The bitmap's colour table (blue, green, red, 0) in the cartridge's 15-bit colours.
Bytes gbaColours(const Bytes& bitmap)
{
    Bytes colours;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t entry = 54 + i * 4;
        const unsigned v = bitmap[entry + 2] >> 3 | (bitmap[entry + 1] >> 3) << 5 | (bitmap[entry] >> 3) << 10;
        colours.push_back(static_cast<std::uint8_t>(v));
        colours.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    return colours;
}

std::string hexText(long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
    return text;
}

void setBox(const PageDialog& page, int id, bool checked)
{
    if ((SendMessageA(page.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        page.click(id);
}

// Chooses the file in the bitmap chooser that the button opens.
bool chooseThroughDialog(HWND frame, const PageDialog& page, int button, const std::string& path)
{
    page.clickLater(button);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout, kChooserTitle);
    const bool chosen = dialog && chooseFile(dialog, path, kDialogTimeout);
    // The page's handler has finished once it answers.
    sendWithin(page.window(), WM_NULL, 0, 0);
    return chosen;
}

class ImageScenario {
public:
    ImageScenario(Report& report, HWND frame, std::string romPath, std::string screenshotFolder)
        : m_report(report), m_frame(frame), m_romPath(std::move(romPath)), m_shots(std::move(screenshotFolder))
    {
    }

    void run()
    {
        if (!readSettings())
            return;
        HWND dialog = selectPage(m_frame, kImageTab);
        if (!m_report.check(dialog != nullptr, "image: the page's dialog is a child of the tab control"))
            return;
        const PageDialog page(dialog);
        m_report.check(windowText(page.control(kFrontAddress)) == hexText(frontAt(m_original, 0)),
                       "image: entry 0's front picture offset", windowText(page.control(kFrontAddress)));
        page.click(kNext);
        m_report.check(windowText(page.control(kIndex)) == "1" &&
                           windowText(page.control(kFrontAddress)) == hexText(frontAt(m_original, kMonster)),
                       "image: ＞ shows entry 1 with its front picture offset");
        RedrawWindow(m_frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_report.check(saveScreenshot(m_frame, m_shots + "\\image-page.bmp"), "image: screenshot of the page");
        checkViews(page);

        const Bytes changed = exportAndChange(page);
        if (changed.empty())
            return;
        if (!m_report.check(chooseThroughDialog(m_frame, page, kImport, folder() + "\\changed.bmp"),
                            "image: the open dialog takes the changed bitmap"))
            return;
        writeInEveryMode(page, changed);
    }

private:
    std::string folder() const { return m_romPath.substr(0, m_romPath.find_last_of('\\')); }
    long tableEntry(long table, long monster) const { return table + monster * kEntrySize; }
    long dataAt(const Bytes& rom, long table, long monster) const
    {
        return static_cast<long>(little32(rom, tableEntry(table, monster)) & ~kCartridgeBase);
    }
    long frontAt(const Bytes& rom, long monster) const { return dataAt(rom, m_frontTable, monster); }

    // The entry's two pictures, each in both palettes, and the two palette strips: every
    // pixel 1:1 on the screen.
    void checkViews(const PageDialog& page)
    {
        const auto stream = [&](long table) {
            return decompress(m_original, dataAt(m_original, table, kMonster)).data;
        };
        const Bytes front = stream(m_frontTable);
        const Bytes back = stream(m_backTable);
        const Bytes normal = stream(m_paletteTable);
        const Bytes shiny = stream(m_shinyTable);
        showsOneToOne(m_report, page.control(kFrontNormalView), shownPicture(front, normal), false,
                      "image: the front picture in the normal palette");
        showsOneToOne(m_report, page.control(kFrontShinyView), shownPicture(front, shiny), false,
                      "image: the front picture in the shiny palette");
        showsOneToOne(m_report, page.control(kBackNormalView), shownPicture(back, normal), false,
                      "image: the back picture in the normal palette");
        showsOneToOne(m_report, page.control(kBackShinyView), shownPicture(back, shiny), false,
                      "image: the back picture in the shiny palette");
        showsOneToOne(m_report, page.control(kNormalStrip), shownStrip(normal), false,
                      "image: the normal palette strip");
        showsOneToOne(m_report, page.control(kShinyStrip), shownStrip(shiny), false, "image: the shiny palette strip");
    }

    bool readSettings()
    {
        m_original = readFile(m_romPath);
        const std::string settings = folder() + "\\Setting.ini";
        const std::string code(m_original.begin() + 0xAC, m_original.begin() + 0xB0);
        m_frontTable = settingOffset(settings, code, "MonsterPics");
        m_paletteTable = settingOffset(settings, code, "MonsterPal");
        m_backTable = settingOffset(settings, code, "MonsterBackPics");
        m_shinyTable = settingOffset(settings, code, "MonsterShinyPal");
        for (std::size_t d = 0; d < m_domains.size(); ++d) {
            const std::string key = "domain" + std::to_string(d + 1);
            m_domains[d] = {settingOffset(settings, code, key.c_str()),
                            settingOffset(settings, code, (key + "end").c_str())};
        }
        const auto entryFits = [&](long table) {
            return table >= 0 && static_cast<std::size_t>(tableEntry(table, kMonster) + kEntrySize) <= m_original.size();
        };
        const bool domainsSet = std::all_of(m_domains.begin(), m_domains.end(),
                                            [](const Area& domain) { return domain.start >= 0 && domain.end > domain.start; });
        const bool fit = entryFits(m_frontTable) && entryFits(m_paletteTable) && entryFits(m_backTable) &&
                         entryFits(m_shinyTable) && domainsSet;
        return m_report.check(fit, "image: Setting.ini gives the tables and three domains inside the ROM");
    }

    // Exports entry 1's front picture with its normal palette through the save dialog, checks
    // the file against the ROM's streams, and writes a copy with a 16x16 square inverted.
    Bytes exportAndChange(const PageDialog& page)
    {
        setBox(page, kFrontSelected, true);
        setBox(page, kNormalPaletteSelected, true);
        const std::string path = folder() + "\\front.bmp";
        if (!m_report.check(chooseThroughDialog(m_frame, page, kExport, path),
                            "image: the save dialog takes a new file"))
            return {};
        const Bytes exported = readFile(path);
        const Stream tiles = decompress(m_original, frontAt(m_original, kMonster));
        const std::uint32_t palettePointer = little32(m_original, tableEntry(m_paletteTable, kMonster));
        const long paletteAt = static_cast<long>(palettePointer & ~kCartridgeBase);
        m_palette = decompress(m_original, paletteAt).data;
        m_report.check(exported.size() == kBitmapSize && samePixels(tiles.data, exported),
                       "image: the exported bitmap holds the two frames of the ROM's picture",
                       std::to_string(exported.size()) + " bytes");
        m_report.check(exported.size() == kBitmapSize && gbaColours(exported) == m_palette,
                       "image: the exported colour table is the ROM's normal palette");
        if (exported.size() != kBitmapSize)
            return {};
        Bytes changed = exported;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x)
                changed[118 + static_cast<std::size_t>(64 * kFrames - 1 - y) * 32 + x] ^= 0xFF;
        writeBitmap(folder() + "\\changed.bmp", changed);
        return changed;
    }

    static void writeBitmap(const std::string& path, const Bytes& bytes)
    {
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }

    // Presses "をRomに保存" and returns the offset the item's edit then shows.
    long write(const PageDialog& page, int addressEdit, const std::string& what)
    {
        page.click(kWrite);
        const std::string status = windowText(GetDlgItem(m_frame, kStatusBarId));
        m_report.check(status.empty(), "image: " + what + " leaves no message", quoted(status));
        return std::strtol(windowText(page.control(addressEdit)).c_str(), nullptr, 16);
    }

    // Checks the stream at the offset and takes its bytes into the expected file.
    void expectStream(long at, const std::string& what, const std::function<bool(const Bytes&)>& decodes)
    {
        const Stream stream = decompress(m_saved, at);
        m_report.check(stream.size > 0 && decodes(stream.data), "image: " + what + " decodes to the imported data",
                       hexText(at));
        if (stream.size > 0)
            std::copy(m_saved.begin() + at, m_saved.begin() + at + stream.size, m_expected.begin() + at);
    }

    void writeInEveryMode(const PageDialog& page, const Bytes& changed)
    {
        setBox(page, kNormalPaletteSelected, false);
        page.click(kOutputModes[0]);
        const long first = write(page, kFrontAddress, "the front picture into domain 1");
        page.click(kOutputModes[1]);
        const long second = write(page, kFrontAddress, "the front picture into domain 2");
        setBox(page, kFrontSelected, false);
        setBox(page, kNormalPaletteSelected, true);
        page.click(kOutputModes[2]);
        const long palette = write(page, kNormalPaletteAddress, "the normal palette into domain 3");
        setBox(page, kNormalPaletteSelected, false);
        setBox(page, kFrontSelected, true);
        setBox(page, kNoCompression, true);
        page.click(kOutputModes[3]);
        const long appended = write(page, kFrontAddress, "the front picture stored literally at the end");
        setBox(page, kNoCompression, false);
        setBox(page, kInPlace, true);
        const long inPlace = write(page, kFrontAddress, "the front picture compressed in place");
        setBox(page, kInPlace, false);
        setBox(page, kFrontSelected, false);
        RedrawWindow(m_frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        saveScreenshot(m_frame, m_shots + "\\image-written.bmp");

        m_report.check(m_domains[0].holds(first) && m_domains[1].holds(second) && m_domains[2].holds(palette),
                       "image: each domain write lands in its domain",
                       hexText(first) + " " + hexText(second) + " " + hexText(palette));
        const long end = static_cast<long>(m_original.size());
        m_report.check(appended == end && inPlace == end, "image: appended at the end of the file, then in place",
                       hexText(appended) + " " + hexText(inPlace));

        HWND status = GetDlgItem(m_frame, kStatusBarId);
        sendWithin(m_frame, WM_COMMAND, kSaveCommand, 0);
        const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
        m_report.check(saveText == "保存しました。", "image: status line after saving", quoted(saveText));
        compareSaved(changed, first, second, palette);
    }

    // The literal stream at the end, the compressed one over its start, the domain streams and
    // the two pointers; nothing else changed.
    void compareSaved(const Bytes& changed, long first, long second, long palette)
    {
        m_saved = readFile(m_romPath);
        const long end = static_cast<long>(m_original.size());
        m_expected = m_original;
        m_expected.insert(m_expected.end(), {0x10, 0x00, static_cast<std::uint8_t>(kTileBytes >> 8), 0x00});
        const Bytes tiles = tilesOf(changed);
        for (std::size_t i = 0; i < kTileBytes; i += 8) {
            m_expected.push_back(0x00);
            const auto block = tiles.begin() + static_cast<long>(i);
            m_expected.insert(m_expected.end(), block, block + 8);
        }
        if (!m_report.check(m_saved.size() == m_expected.size(),
                            "image: the file grew by the literal stream's 4612 bytes", std::to_string(m_saved.size())))
            return;
        const auto picture = [&](const Bytes& tiles) { return samePixels(tiles, changed); };
        expectStream(first, "domain 1's picture", picture);
        expectStream(second, "domain 2's picture", picture);
        expectStream(palette, "domain 3's palette", [&](const Bytes& colours) { return colours == m_palette; });
        expectStream(end, "the picture in place", picture);
        patch(m_expected, tableEntry(m_frontTable, kMonster),
              pointerBytes(static_cast<std::uint32_t>(end) + kCartridgeBase));
        patch(m_expected, tableEntry(m_paletteTable, kMonster),
              pointerBytes(static_cast<std::uint32_t>(palette) + kCartridgeBase));
        compareFile(m_report, m_romPath, m_expected,
                    "image: only the streams written and the two pointers changed, the literal stream whole");
    }

    Report& m_report;
    HWND m_frame;
    std::string m_romPath;
    std::string m_shots;
    Bytes m_original;
    Bytes m_saved;
    Bytes m_expected;
    Bytes m_palette;
    long m_frontTable = -1;
    long m_paletteTable = -1;
    long m_backTable = -1;
    long m_shinyTable = -1;
    std::array<Area, 3> m_domains{};
};

} // namespace

void checkImagePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    ImageScenario(report, frame, romPath, screenshotFolder).run();
}
