#include "pages/EditorPages.h"

#include "core/TabSystem.h"
#include "pages/monster/MonsterPage.h"
#include "pages/egg/EggMovePage.h"
#include "pages/trainer/TrainerPage.h"
#include "pages/move/MovePage.h"
#include "pages/item/ItemPage.h"
#include "pages/typechart/TypeChartPage.h"
#include "pages/text/TextPage.h"
#include "pages/image/ImagePage.h"
#include "pages/trade/TradePage.h"
#include "pages/other/OtherPage.h"

#include <memory>

void addEditorPages(CTabSystem& tabs)
{
    tabs.AddPage(std::make_unique<CSolid_Value>(tabs), "ザルバトエディター");
    tabs.AddPage(std::make_unique<CTamago_Skill>(tabs), "卵技変更");
    tabs.AddPage(std::make_unique<CTrainer_Edit>(tabs), "トレーナーエディター");
    tabs.AddPage(std::make_unique<CAttack_Edit>(tabs), "アタックエディター");
    tabs.AddPage(std::make_unique<CItem_Edit>(tabs), "アイテムエディター");
    tabs.AddPage(std::make_unique<CTamblor_Compatibility>(tabs), "相性変更");
    tabs.AddPage(std::make_unique<CTamblorText>(tabs), "ザルバトテキストエディター");
    tabs.AddPage(std::make_unique<CImage>(tabs), "ザルバトイメージエディター");
    tabs.AddPage(std::make_unique<CTamblor_Communication_Change>(tabs), "通信交換エディター");
    tabs.AddPage(std::make_unique<COmake>(tabs), "その他");
}
