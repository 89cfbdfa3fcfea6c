#include "core/SelectionLists.h"
#include "core/codec/GameCodec.h"
#include "tests/support/MemoryControls.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCombo = 7;
const ControlDeclaration kDeclared[] = {{kCombo, ControlKind::ComboBox}};

TEST(SelectionLists, TypeNamesInTypeOrder)
{
    MemoryControls controls(kDeclared);
    fillTypeNameList(controls, kCombo);
    ASSERT_EQ(controls.itemCount(kCombo), 18);
    EXPECT_EQ(controls.itemText(kCombo, 0), "ノーマル");
    EXPECT_EQ(controls.itemText(kCombo, 9), "不明");
    EXPECT_EQ(controls.itemText(kCombo, 10), "火");
    EXPECT_EQ(controls.itemText(kCombo, 17), "悪");
}

TEST(SelectionLists, MoveNamesShowSevenBytesEachAfterTheUnknownMove)
{
    SharedTables tables;
    const std::uint8_t first[] = {0x1A, 0x10, 0x08, 0xFF, 0x00, 0x00, 0x00, 0x51};
    std::copy(std::begin(first), std::end(first), tables.moveNames.begin());
    tables.moveNames[353 * 8] = 0xBB;

    MemoryControls controls(kDeclared);
    controls.addItem(kCombo, "kept");
    fillMoveNameList(controls, kCombo, tables);
    ASSERT_EQ(controls.itemCount(kCombo), 356);
    EXPECT_EQ(controls.itemText(kCombo, 0), "kept");
    EXPECT_EQ(controls.itemText(kCombo, 1), "0不明");
    // The eighth byte is never shown.
    EXPECT_EQ(controls.itemText(kCombo, 2), "はたく終　　　");
    EXPECT_EQ(controls.itemText(kCombo, 355), "A　　　　　　");

    gameCodec().setTerminatorHidden(true);
    EXPECT_EQ(moveListName(tables, 0), "はたく　　　");
    gameCodec().setTerminatorHidden(false);
    EXPECT_EQ(moveListName(tables, 354), "");
}

TEST(SelectionLists, MonstersAreNumberedWithFiveBytesOfTheirNames)
{
    SharedTables tables;
    const std::uint8_t name[] = {0x51, 0x52, 0x53, 0x54, 0x55, 0x56};
    std::copy(std::begin(name), std::end(name), tables.monsterNames.begin() + 411 * 6);
    MemoryControls controls(kDeclared);
    fillMonsterList(controls, kCombo, tables);
    ASSERT_EQ(controls.itemCount(kCombo), 412);
    EXPECT_EQ(controls.itemText(kCombo, 7), "007:　　　　　");
    EXPECT_EQ(controls.itemText(kCombo, 411), "411:アイウエオ");
    EXPECT_EQ(monsterListEntry(tables, 412), "");
}

} // namespace
