#pragma once

#include "core/RecordTable.h"
#include "core/WindowBase.h"
#include "pages/egg/EggMoveDialog.h"
#include "pages/egg/EggMoveEntry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The egg move editor. The word table lives in memory from LoadSettings to Release; in the
// normal mode the monsters' moves live in the entries (one per marker word, in table order)
// and go back into the table on writing, in the raw mode every word is edited in the table.
class CTamago_Skill : public CWindowBase {
public:
    explicit CTamago_Skill(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return egg_move_dialog::kTemplateId; }

    bool hasTable() const { return m_words.hasRecords(); }
    std::int32_t tableOffset() const { return m_words.offset(); }
    std::int32_t wordCount() const { return m_words.count(); }
    // The word table (read it with egg_table::word); in the normal mode the entries' move
    // edits reach it only when the page writes.
    std::span<const std::uint8_t> rawTable() const { return m_words.records(); }
    // False, changing nothing, for an index beyond the table.
    bool setWord(std::size_t index, std::uint16_t value);

    const std::vector<Skill_Struct_Data>& entries() const { return m_entries; }
    std::vector<Skill_Struct_Data>& entries() { return m_entries; }

    bool rawMode() const { return m_rawMode; }
    // Moves the data across: into the raw mode the entries are written into the table and
    // dropped; into the normal mode the table is decoded afresh. A change starts again at
    // line 0. False (still in the raw mode) when memory for the entries runs out.
    bool setRawMode(bool raw);

    // The selected line of the left list (an entry, or a word in the raw mode) and of the
    // right list (a move of the current entry).
    std::size_t currentLine() const { return m_currentLine; }
    void setCurrentLine(std::size_t line);
    std::size_t currentMoveLine() const { return m_currentMoveLine; }
    void setCurrentMoveLine(std::size_t line) { m_currentMoveLine = line; }

private:
    void freeEntries();
    // The dialog: the two lists and what the combos show for the current line.
    void showRightList(IDialogControls& controls);
    void showCurrentValues(IDialogControls& controls);
    // The dialog's commands.
    void selectLine(IDialogControls& controls);
    void selectMoveLine(IDialogControls& controls);
    void setMove(IDialogControls& controls);
    void setMonster(IDialogControls& controls);
    void changeMode(IDialogControls& controls, int button);

    // The words, two bytes a record.
    RecordTable m_words;
    std::vector<Skill_Struct_Data> m_entries;
    bool m_rawMode = false;
    std::size_t m_currentLine = 0;
    std::size_t m_currentMoveLine = 0;
};
