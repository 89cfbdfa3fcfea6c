#pragma once

#include "core/SharedTables.h"

#include <cstddef>
#include <string>
#include <vector>

class IDialogControls;

// The selection lists that several pages put into their combo boxes. Each filler appends
// to what the combo box already holds.

// The 18 type names; entry n is type n.
void fillTypeNameList(IDialogControls& controls, int comboId);

// "0不明", then the 354 move names: entry i (from 1) is move name table entry i - 1.
void fillMoveNameList(IDialogControls& controls, int comboId, const SharedTables& tables);
// Move name table entry i as the move name list shows it: its first 7 bytes decoded, the
// terminator and padding included.
std::string moveListName(const SharedTables& tables, std::size_t nameIndex);

// The item table's names decoded, in record order.
std::vector<std::string> itemNames(const SharedTables& tables);

// The 412 monsters as "%03d:%s"; entry n is monster n.
void fillMonsterList(IDialogControls& controls, int comboId, const SharedTables& tables);
// Monster n's entry: its number and the first 5 bytes of its name decoded.
std::string monsterListEntry(const SharedTables& tables, std::size_t monster);
