#include "tests/win32/driver/Driver.h"

#include "pages/image/ImageDialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kImageTab = 7;
constexpr const char* kChooserTitle = "ビットマップを選択してください";

namespace image = image_dialog;

// A strip shows each of the 16 colours as a square of this side.
constexpr int kSwatch = 8;
constexpr int kPaletteColours = 16;

// The fixture's monster 1 has a two-frame front picture: 64 x 128 pixels of 4-bit tiles, a
// 16-colour bitmap file of 118 + 4096 bytes.
constexpr long kMonster = 1;
constexpr int kFrames = 2;
constexpr int kHeight = 64 * kFrames;
constexpr long kEntrySize = 8;
constexpr std::size_t kTileBytes = 2048 * kFrames;
constexpr std::size_t kBitmapSize = 118 + kTileBytes;

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
    const std::size_t size = little32(rom, at) >> 8;
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

// The byte of pixel (x, y) in 4-bit tiles: 8x8 tiles in rows of eight, left pixel low.
std::size_t tileByte(int x, int y)
{
    return static_cast<std::size_t>(((y / 8) * 8 + x / 8) * 32 + (y % 8) * 4 + (x % 8) / 2);
}

int tilePixel(const Bytes& tiles, int x, int y)
{
    return x % 2 ? tiles[tileByte(x, y)] >> 4 : tiles[tileByte(x, y)] & 0x0F;
}

// Colour index of pixel (x, y) of the 64-pixel-wide 16-colour bitmap: rows bottom-up, left pixel high.
int bitmapPixel(const Bytes& bitmap, int x, int y)
{
    const std::uint8_t byte = bitmap[118 + static_cast<std::size_t>(kHeight - 1 - y) * 32 + x / 2];
    return x % 2 ? byte & 0x0F : byte >> 4;
}

// The cartridge's 15-bit colour i of the palette as the screen shows it: each component times 8.
std::uint32_t shownColour(const Bytes& palette, int i)
{
    const unsigned v = palette[static_cast<std::size_t>(i) * 2] | palette[static_cast<std::size_t>(i) * 2 + 1] << 8;
    return (v & 0x1F) << 19 | (v >> 5 & 0x1F) << 11 | (v >> 10 & 0x1F) << 3;
}

// The picture's frames (64 pixels square each) in the palette's colours; for a strip, the
// palette's 16 colours side by side instead.
Pixels shownPicture(const Bytes& tiles, const Bytes& palette, bool strip = false)
{
    if (palette.size() < kPaletteColours * 2)
        return {};
    Pixels picture{
        strip ? kSwatch * kPaletteColours : 64, strip ? kSwatch : static_cast<int>(tiles.size() / 2048) * 64, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.rows.push_back(shownColour(palette, strip ? x / kSwatch : tilePixel(tiles, x, y)));
    return picture;
}

// The bitmap's pixels as 4-bit tiles.
Bytes tilesOf(const Bytes& bitmap)
{
    Bytes tiles(kTileBytes, 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < 64; ++x)
            tiles[tileByte(x, y)] |= static_cast<std::uint8_t>(bitmapPixel(bitmap, x, y) << (x % 2 ? 4 : 0));
    return tiles;
}

bool samePixels(const Bytes& tiles, const Bytes& bitmap)
{
    return tiles.size() == kTileBytes && bitmap.size() == kBitmapSize && tilesOf(bitmap) == tiles;
}

// The bitmap's colour table (blue, green, red, 0) in the cartridge's 15-bit colours.
Bytes gbaColours(const Bytes& bitmap)
{
    Bytes colours;
    for (std::size_t entry = 54; entry < 54 + 16 * 4; entry += 4) {
        const unsigned v = bitmap[entry + 2] >> 3 | (bitmap[entry + 1] >> 3) << 5 | (bitmap[entry] >> 3) << 10;
        colours.push_back(static_cast<std::uint8_t>(v));
        colours.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    return colours;
}

void setBox(const PageDialog& page, int id, bool checked)
{
    if ((SendMessageA(page.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        page.click(id);
}

class ImageScenario {
public:
    explicit ImageScenario(Session& session) : m_session(session), m_report(session.report) {}

    void run()
    {
        if (!readSettings())
            return;
        HWND dialog = m_session.page(kImageTab, "image");
        if (!dialog)
            return;
        const PageDialog page(dialog);
        m_report.check(page.text(image::kAddresses[0]) == hexText(dataAt(m_frontTable, 0)),
                       "image: entry 0's front picture offset", page.text(image::kAddresses[0]));
        page.click(image::kNext);
        m_report.check(page.text(image::kIndex) == "1" &&
                           page.text(image::kAddresses[0]) == hexText(dataAt(m_frontTable, kMonster)),
                       "image: ＞ shows entry 1 with its front picture offset");
        m_report.check(m_session.photograph("image-page"), "image: screenshot of the page");
        checkViews(page);

        const Bytes changed = exportAndChange(page);
        if (!changed.empty() && m_report.check(choose(page, image::kImport, m_session.folder() + "\\changed.bmp"),
                                               "image: the open dialog takes the changed bitmap"))
            writeInEveryMode(page, changed);
    }

private:
    static long tableEntry(long table, long monster) { return table + monster * kEntrySize; }
    long dataAt(long table, long monster) const
    {
        return static_cast<long>(little32(m_original, tableEntry(table, monster)) & ~kCartridgeBase);
    }
    Bytes stream(long table) const { return decompress(m_original, dataAt(table, kMonster)).data; }

    // Chooses the file in the bitmap chooser that the button opens.
    bool choose(const PageDialog& page, int button, const std::string& path) const
    {
        page.clickLater(button);
        HWND dialog = waitForFileDialog(m_session.frame, kDialogTimeout, kChooserTitle);
        const bool chosen = dialog && chooseFile(dialog, path, kDialogTimeout);
        // The page's handler has finished once it answers.
        sendWithin(page.window(), WM_NULL, 0, 0);
        return chosen;
    }

    bool readSettings()
    {
        m_original = m_session.rom();
        m_frontTable = m_session.table("MonsterPics", (kMonster + 1) * kEntrySize);
        m_paletteTable = m_session.table("MonsterPal", (kMonster + 1) * kEntrySize);
        m_backTable = m_session.table("MonsterBackPics", (kMonster + 1) * kEntrySize);
        m_shinyTable = m_session.table("MonsterShinyPal", (kMonster + 1) * kEntrySize);
        bool fit = m_frontTable >= 0 && m_paletteTable >= 0 && m_backTable >= 0 && m_shinyTable >= 0;
        for (std::size_t d = 0; d < m_domains.size(); ++d) {
            const std::string key = "domain" + std::to_string(d + 1);
            m_domains[d] = {m_session.setting(key.c_str()), m_session.setting((key + "end").c_str())};
            fit = fit && m_domains[d].start >= 0 && m_domains[d].end > m_domains[d].start;
        }
        return m_report.check(fit, "image: Setting.ini gives the tables and three domains inside the ROM");
    }

    // The entry's two pictures, each in both palettes, and the two palette strips: every
    // pixel 1:1 on the screen.
    void checkViews(const PageDialog& page)
    {
        const Bytes front = stream(m_frontTable);
        const Bytes back = stream(m_backTable);
        const Bytes normal = stream(m_paletteTable);
        const Bytes shiny = stream(m_shinyTable);
        const struct {
            int view;
            Pixels picture;
            const char* what;
        } views[] = {
            {image::kFrontNormalView, shownPicture(front, normal), "image: the front picture in the normal palette"},
            {image::kFrontShinyView, shownPicture(front, shiny), "image: the front picture in the shiny palette"},
            {image::kBackNormalView, shownPicture(back, normal), "image: the back picture in the normal palette"},
            {image::kBackShinyView, shownPicture(back, shiny), "image: the back picture in the shiny palette"},
            {image::kNormalStrip, shownPicture({}, normal, true), "image: the normal palette strip"},
            {image::kShinyStrip, shownPicture({}, shiny, true), "image: the shiny palette strip"},
        };
        for (const auto& view : views)
            showsOneToOne(m_report, page.control(view.view), view.picture, false, view.what);
    }

    // Exports entry 1's front picture with its normal palette through the save dialog, checks
    // the file against the ROM's streams, and writes a copy with a 16x16 square inverted.
    Bytes exportAndChange(const PageDialog& page)
    {
        setBox(page, image::kFrontSelected, true);
        setBox(page, image::kNormalPaletteSelected, true);
        const std::string path = m_session.folder() + "\\front.bmp";
        if (!m_report.check(choose(page, image::kExport, path), "image: the save dialog takes a new file"))
            return {};
        const Bytes exported = readFile(path);
        m_palette = stream(m_paletteTable);
        m_report.check(samePixels(stream(m_frontTable), exported),
                       "image: the exported bitmap holds the two frames of the ROM's picture",
                       std::to_string(exported.size()) + " bytes");
        m_report.check(exported.size() == kBitmapSize && gbaColours(exported) == m_palette,
                       "image: the exported colour table is the ROM's normal palette");
        if (exported.size() != kBitmapSize)
            return {};
        Bytes changed = exported;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x)
                changed[118 + static_cast<std::size_t>(kHeight - 1 - y) * 32 + x] ^= 0xFF;
        if (FILE* file = std::fopen((m_session.folder() + "\\changed.bmp").c_str(), "wb")) {
            std::fwrite(changed.data(), 1, changed.size(), file);
            std::fclose(file);
        }
        return changed;
    }

    // Presses "をRomに保存" and returns the offset the item's edit then shows.
    long write(const PageDialog& page, int addressEdit, const std::string& what)
    {
        page.click(image::kWrite);
        m_session.statusIs("", "image: " + what + " leaves no message", 0);
        return std::strtol(page.text(addressEdit).c_str(), nullptr, 16);
    }

    void writeInEveryMode(const PageDialog& page, const Bytes& changed)
    {
        setBox(page, image::kNormalPaletteSelected, false);
        page.click(image::kOutputModes[0]);
        const long first = write(page, image::kAddresses[0], "the front picture into domain 1");
        page.click(image::kOutputModes[1]);
        const long second = write(page, image::kAddresses[0], "the front picture into domain 2");
        setBox(page, image::kFrontSelected, false);
        setBox(page, image::kNormalPaletteSelected, true);
        page.click(image::kOutputModes[2]);
        const long palette = write(page, image::kAddresses[1], "the normal palette into domain 3");
        setBox(page, image::kNormalPaletteSelected, false);
        setBox(page, image::kFrontSelected, true);
        setBox(page, image::kNoCompression, true);
        page.click(image::kOutputModes[3]);
        const long appended = write(page, image::kAddresses[0], "the front picture stored literally at the end");
        setBox(page, image::kNoCompression, false);
        setBox(page, image::kInPlace, true);
        const long inPlace = write(page, image::kAddresses[0], "the front picture compressed in place");
        setBox(page, image::kInPlace, false);
        setBox(page, image::kFrontSelected, false);
        m_session.photograph("image-written");

        m_report.check(m_domains[0].holds(first) && m_domains[1].holds(second) && m_domains[2].holds(palette),
                       "image: each domain write lands in its domain",
                       hexText(first) + " " + hexText(second) + " " + hexText(palette));
        const long end = static_cast<long>(m_original.size());
        m_report.check(appended == end && inPlace == end, "image: appended at the end of the file, then in place",
                       hexText(appended) + " " + hexText(inPlace));
        sendWithin(m_session.frame, WM_COMMAND, IDM_SAVE_ROM, 0);
        m_session.statusIs("保存しました。", "image: status line after saving");
        compareSaved(changed, {first, second, palette, end});
    }

    // The literal stream at the end, the compressed one over its start, the domain streams and
    // the two pointers; nothing else changed.
    void compareSaved(const Bytes& changed, const std::array<long, 4>& streams)
    {
        const Bytes saved = m_session.rom();
        const long end = static_cast<long>(m_original.size());
        Bytes expected = m_original;
        expected.insert(expected.end(), {0x10, 0x00, static_cast<std::uint8_t>(kTileBytes >> 8), 0x00});
        const Bytes tiles = tilesOf(changed);
        for (std::size_t i = 0; i < kTileBytes; i += 8) {
            expected.push_back(0x00);
            expected.insert(expected.end(), tiles.begin() + static_cast<long>(i),
                            tiles.begin() + static_cast<long>(i) + 8);
        }
        if (!m_report.check(saved.size() == expected.size(), "image: the file grew by the literal stream's 4612 bytes",
                            std::to_string(saved.size())))
            return;
        const char* const what[] = {"domain 1's picture", "domain 2's picture", "domain 3's palette",
                                    "the picture in place"};
        for (std::size_t i = 0; i < streams.size(); ++i) {
            // Each stream is checked, then taken into the expected file.
            const Stream stream = decompress(saved, streams[i]);
            const bool decodes = i == 2 ? stream.data == m_palette : samePixels(stream.data, changed);
            m_report.check(stream.size > 0 && decodes,
                           std::string("image: ") + what[i] + " decodes to the imported data", hexText(streams[i]));
            if (stream.size > 0)
                std::copy_n(saved.begin() + streams[i], stream.size, expected.begin() + streams[i]);
        }
        patch(expected, tableEntry(m_frontTable, kMonster),
              littleBytes(static_cast<std::uint32_t>(end) + kCartridgeBase, 4));
        patch(expected, tableEntry(m_paletteTable, kMonster),
              littleBytes(static_cast<std::uint32_t>(streams[2]) + kCartridgeBase, 4));
        m_session.compare(expected,
                          "image: only the streams written and the two pointers changed, the literal stream whole");
    }

    Session& m_session;
    Report& m_report;
    Bytes m_original;
    Bytes m_palette;
    long m_frontTable = -1;
    long m_paletteTable = -1;
    long m_backTable = -1;
    long m_shinyTable = -1;
    std::array<Area, 3> m_domains{};
};

} // namespace

void checkImagePage(Session& session)
{
    ImageScenario(session).run();
}
