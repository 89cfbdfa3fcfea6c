#include "tests/unit/check_settings/CheckFixture.h"

namespace {

using CheckSettingsContentFault = CheckFixture;

// The single problem of a planted fault, in full.
void expectOnlyProblem(const CheckReport& report, const std::string& line)
{
    EXPECT_EQ(report.exitStatus(), kExitProblemsFound);
    EXPECT_EQ(report.problemCount, 1u) << shown(report);
    EXPECT_EQ(problemLine(report, ""), line) << shown(report);
    EXPECT_EQ(report.lines.back(), "1 problem found");
}

TEST_F(CheckSettingsContentFault, NameWithoutEndByteOrWithALineBreak)
{
    // Monster 1's name, six letters "A" without the end byte.
    put(0x100006, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB, 0xBB});
    expectOnlyProblem(check(), "problem: Name_Start_Pos=1048576: 1 of 412 names do not decode "
                               "(first: name of entry 1 at 0x100006 has no end byte within its 6 bytes)");

    SetUp();
    // Move name 2: "A", a line break, the end byte.
    put(0x241010, {0xBB, 0xFE, 0xFF});
    // Trade 1's parent name: no end byte.
    put(0x23003C + 0x2B, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB, 0xBB});
    const CheckReport report = check();
    EXPECT_EQ(problemLine(report, "AttackName"), "problem: AttackName=2363392: 1 of 354 names do not decode "
                                                 "(first: name of entry 2 at 0x241010 holds a line break)");
    EXPECT_EQ(problemLine(report, "Communication_Change"),
              "problem: Communication_Change=2293760, Communication_ChangeNum=9: 1 of 18 names do not decode "
              "(first: parent name of trade 1 at 0x230067 has no end byte within its 6 bytes)");
}

TEST_F(CheckSettingsContentFault, LevelUpListWithoutEnd)
{
    // Monster 3's pointer leads to 200 bytes without FF FF; a single FF at the end is not enough.
    fill(0x250400, 200, 0x01);
    put(0x250400 + 199, {0xFF});
    put(0x10C00C, {0x00, 0x04, 0x25, 0x08});
    expectOnlyProblem(check(), "problem: Level_Skill=1097728: 1 of 412 level-up lists do not end in FF FF within "
                               "200 bytes (first: monster 3 at 0x250400)");

    SetUp();
    put(0x10C00C, {0x00, 0x04, 0x25, 0x00});
    expectOnlyProblem(check(), "problem: Level_Skill=1097728: 1 of 412 pointers do not lead inside the file "
                               "(first: monster 3, 0x00250400)");
}

TEST_F(CheckSettingsContentFault, TypeChartWithoutItsEndBytes)
{
    // The end bytes FE FE after the 30 entries become 00 00; the filler after them is no entry.
    put(0x22015A, {0x00, 0x00});
    expectOnlyProblem(check(), "problem: Compatibility=2228224: the type chart at 0x220100 does not end in FE FE "
                               "before entry 30 at 0x22015A (00 00 7F), which has no multiplier of the chart "
                               "(0, 5 or 20)");

    SetUp();
    put(0x220000, {0x00, 0x00, 0x00, 0x09});
    expectOnlyProblem(check(), "problem: Compatibility=2228224: the pointer 0x09000000 does not lead inside the file");

    SetUp();
    // A chart that runs to the end of the file without a bad entry and without FE FE.
    fill(0xFFFFF0, 16, 0x00);
    put(0x220000, {0xF0, 0xFF, 0xFF, 0x08});
    expectOnlyProblem(check(), "problem: Compatibility=2228224: the type chart at 0xFFFFF0 does not end in FE FE "
                               "before the end of the file");
}

TEST_F(CheckSettingsContentFault, PointersThatLeadOutsideTheFile)
{
    // Item 3's description pointer, dex record 5's, trainer 2's party and front picture 4's.
    put(0x210088, {0x00, 0x00, 0x00, 0x09});
    put(0x109000 + 5 * 28 + 12, {0x00, 0x10, 0x00, 0x00});
    put(0x190040 + 0x1C, {0xFC, 0xFF, 0xFF, 0x08});
    put(0x300020, {0x00, 0x00, 0x00, 0x0A});
    const CheckReport report = check();
    EXPECT_EQ(report.problemCount, 4u) << shown(report);
    EXPECT_EQ(problemLine(report, "Item_Data"), "problem: Item_Data=2162688, Item_DataNum=120: 1 of 120 description "
                                                "pointers do not lead inside the file (first: item 3, 0x09000000)");
    EXPECT_EQ(problemLine(report, "MonsterDexData"), "problem: MonsterDexData=1085440: 1 of 387 description pointers "
                                                     "do not lead inside the file (first: dex number 5, 0x00001000)");
    // Trainer 2's party is one member of 8 bytes; 4 bytes are left at 0xFFFFFC.
    EXPECT_EQ(problemLine(report, "TrainerData"), "problem: TrainerData=1638400, TrainerDataNum=40: 1 of 40 parties "
                                                  "do not lie inside the file (first: trainer 2, 0x08FFFFFC)");
    EXPECT_EQ(problemLine(report, "MonsterPics"), "problem: MonsterPics=3145728, PicsNum=16: 1 of 16 pointers do not "
                                                  "lead inside the file (first: entry 4, 0x0A000000)");

    // At 0xFFFFF8 the member ends with the file.
    SetUp();
    put(0x190040 + 0x1C, {0xF8, 0xFF, 0xFF, 0x08});
    EXPECT_EQ(check().exitStatus(), kExitClean);
    // Trainer 4's party is two members of 8 bytes: there the second lies past the end.
    put(0x190080 + 0x1C, {0xF8, 0xFF, 0xFF, 0x08});
    expectOnlyProblem(check(), "problem: TrainerData=1638400, TrainerDataNum=40: 1 of 40 parties do not lie inside "
                               "the file (first: trainer 4, 0x08FFFFF8)");
}

TEST_F(CheckSettingsContentFault, LZ77StreamsThatDoNotDecode)
{
    // Palette 0 leads to a stream whose first item refers 3856 bytes back at the start.
    put(0x250400, {0x10, 0x20, 0x00, 0x00, 0x80, 0xFF, 0x0F});
    put(0x300100, {0x00, 0x04, 0x25, 0x08});
    // Back picture 1 to a stream that declares 16384 bytes, more than four frames.
    put(0x250410, {0x10, 0x00, 0x40, 0x00, 0x00});
    put(0x300208, {0x10, 0x04, 0x25, 0x08});
    // Shiny palette 2 to bytes without the LZ77 marker.
    put(0x250420, {0x11, 0x20, 0x00, 0x00});
    put(0x300310, {0x20, 0x04, 0x25, 0x08});
    const CheckReport report = check();
    EXPECT_EQ(report.problemCount, 3u) << shown(report);
    EXPECT_EQ(problemLine(report, "MonsterPal"),
              "problem: MonsterPal=3145984, PicsNum=16: 1 of 16 LZ77 streams do not decode (first: entry 0 at "
              "0x250400 does not decode: it refers before its start or runs past the end of the file)");
    EXPECT_EQ(problemLine(report, "MonsterBackPics"),
              "problem: MonsterBackPics=3146240, PicsNum=16: 1 of 16 LZ77 streams do not decode (first: entry 1 at "
              "0x250410 declares 16384 bytes, more than the 8192 the image page decodes)");
    EXPECT_EQ(problemLine(report, "MonsterShinyPal"),
              "problem: MonsterShinyPal=3146496, PicsNum=16: 1 of 16 LZ77 streams do not decode (first: entry 2 at "
              "0x250420 starts with 0x11, not the LZ77 marker 0x10)");
}

TEST_F(CheckSettingsContentFault, EggMarkersThatNameNoMonster)
{
    // Markers for monsters 10000 and 412 and one for monster 1, with a move each.
    put(0x180000, {0x30, 0x75, 0x05, 0x00, 0xBC, 0x4F, 0x06, 0x00, 0x21, 0x4E, 0x07, 0x00});
    setKey("MonsterEggDataNum", "6");
    expectOnlyProblem(check(), "problem: MonsterEggData=1572864, MonsterEggDataNum=6: 2 of 3 markers name no "
                               "monster of the monster list (first: word 0, 30000)");

    SetUp();
    setKey("MonsterEggDataNum", "2");
    expectOnlyProblem(check(), "problem: MonsterEggData=1572864, MonsterEggDataNum=2: holds no marker (a word "
                               "above 20000 that names a monster)");
}

TEST_F(CheckSettingsContentFault, FieldsOutsideTheirRange)
{
    // Move 5's accuracy, monster 2's growth rate, and the target of monster 1's first evolution.
    put(0x20003F, {0xFF});
    put(0x10104B, {0x06});
    put(0x10402C, {0x00, 0x10});
    const CheckReport report = check();
    EXPECT_EQ(report.problemCount, 3u) << shown(report);
    EXPECT_EQ(problemLine(report, "AttackTable"), "problem: AttackTable=2097152: 1 of 355 moves have an accuracy or "
                                                  "effect chance above 100 (first: move 5, accuracy 255, effect "
                                                  "chance 5)");
    EXPECT_EQ(problemLine(report, "MonsterBaseStats_Pos"),
              "problem: MonsterBaseStats_Pos=1052672: 1 of 412 monsters have a type above 17 or a growth rate above 5 "
              "(first: monster 2, types 2/0, growth rate 6)");
    EXPECT_NE(problemLine(report, "Monster_Evol_Data_Pos=1064960: ")
                  .find("evolutions lead to no monster of the monster list (first: monster 1 into 4096)"),
              std::string::npos)
        << shown(report);
}

TEST_F(CheckSettingsContentFault, StarterThatIsNoMonster)
{
    put(0x242010, {0x9C, 0x01});
    expectOnlyProblem(check(), "problem: Center=2367504: holds 412, no monster of the monster list (1 to 411)");
}

} // namespace
