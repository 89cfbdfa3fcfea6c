#include "pages/finder/SettingsFinder.h"

#include "core/GameFamily.h"
#include "pages/finder/FreeSpaceProposal.h"
#include "pages/finder/PictureSearch.h"

#include <algorithm>
#include <array>

namespace {

// The cartridge header, game code included: no table belongs there.
constexpr std::size_t kHeaderSize = 0xC0;
constexpr std::size_t kDomainCount = 3;

// The section's keys in the order the report lists them.
constexpr std::array<const char*, 26> kKeyOrder = {
    "MonsterBaseStats_Pos", "Monster_Evol_Data_Pos", "MonsterDexData",  "Level_Skill",
    "Skill_Machine",        "Name_Start_Pos",        "MonsterEggData",  "TrainerData",
    "Trainer_Pic_Num",      "AttackTable",           "Item_Data",       "Compatibility",
    "MonsterPics",          "MonsterPal",            "MonsterBackPics", "MonsterShinyPal",
    "PicsNum",              "domain1",               "domain2",         "domain3",
    "Communication_Change", "TrainerClasses",        "AttackName",      "Left",
    "Center",               "Right",
};

std::size_t orderOf(const std::string& key)
{
    const auto found = std::find(kKeyOrder.begin(), kKeyOrder.end(), key);
    return static_cast<std::size_t>(found - kKeyOrder.begin());
}

Finding finding(std::string key, FindingStatus status, std::string text, std::int64_t value = 0)
{
    Finding made;
    made.key = std::move(key);
    made.status = status;
    made.text = std::move(text);
    made.value = value;
    return made;
}

Finding byHand(std::string key, std::string text)
{
    return finding(std::move(key), FindingStatus::ByHand, std::move(text));
}

void addPictureFindings(const PictureTables& tables, std::vector<Finding>& findings)
{
    constexpr std::array<const char*, 4> kKeys = {"MonsterPics", "MonsterPal", "MonsterBackPics", "MonsterShinyPal"};
    constexpr std::array<const char*, 4> kRoles = {
        "the earlier of the two picture tables: taken for the front pictures",
        "the earlier of the two palette tables: taken for the normal palettes",
        "the later of the two picture tables: taken for the back pictures",
        "the later of the two palette tables: taken for the shiny palettes",
    };
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (!tables.offsets) {
            findings.push_back(finding(kKeys[i], FindingStatus::NotPlaced, tables.evidence));
            continue;
        }
        findings.push_back(finding(kKeys[i], FindingStatus::Ordered,
                                   std::string(kRoles[i]) + ", as no shape tells the two apart; " + tables.evidence,
                                   static_cast<std::int64_t>((*tables.offsets)[i])));
    }
    if (tables.offsets)
        findings.push_back(finding("PicsNum", FindingStatus::Placed,
                                   "the four pointer tables have " + std::to_string(tables.count) + " entries each",
                                   static_cast<std::int64_t>(tables.count)));
    else
        findings.push_back(finding("PicsNum", FindingStatus::NotPlaced, tables.evidence));
}

void addDomainFindings(std::span<const std::uint8_t> rom, std::vector<Finding>& findings)
{
    const std::vector<ByteSpan> runs = largestFreeRuns(rom, kDomainCount);
    for (std::size_t d = 0; d < kDomainCount; ++d) {
        const std::string key = "domain" + std::to_string(d + 1);
        std::string text = "a free area the image page may write pictures into";
        if (d < runs.size())
            text += "; proposal, one of the largest runs of 0xFF: " + key + "=" + std::to_string(runs[d].start) + ", " +
                    key + "end=" + std::to_string(runs[d].end) + " (" + hexOffset(runs[d].start) + " to " +
                    hexOffset(runs[d].end) + ", " + std::to_string(runs[d].end - runs[d].start) + " bytes)";
        Finding finding = byHand(key, std::move(text));
        finding.countKey = key + "end";
        findings.push_back(std::move(finding));
    }
}

} // namespace

FinderReport findSettings(std::span<const std::uint8_t> rom, const FinderInputs& inputs)
{
    FinderReport report;
    report.romSize = rom.size();
    if (rom.size() >= static_cast<std::size_t>(kGameCodeOffset) + kGameCodeLength)
        report.gameCode = gameCodeText(rom.subspan<kGameCodeOffset, kGameCodeLength>());

    const PointerIndex pointers(rom);
    const SearchContext context{rom, inputs.lists, pointers};
    std::vector<TableSearch> searches;
    addNameSearches(context, searches);
    addMonsterSearches(context, searches);
    addRecordSearches(context, searches);
    addEggSearch(context, searches);
    addTypeChartSearch(context, searches);

    std::vector<ByteSpan> taken = {{0, std::min(kHeaderSize, rom.size())}};
    PlacedTables placed;
    const std::vector<SearchOutcome> outcomes = placeTables(rom, searches, taken, placed);
    for (std::size_t s = 0; s < searches.size(); ++s) {
        Finding found = finding(searches[s].key, FindingStatus::NotPlaced, outcomes[s].text);
        found.countKey = searches[s].countKey;
        if (outcomes[s].place) {
            found.status = FindingStatus::Placed;
            found.value = static_cast<std::int64_t>(outcomes[s].place->start);
            found.count = static_cast<std::int64_t>(outcomes[s].place->count);
        }
        report.findings.push_back(std::move(found));
    }
    addPictureFindings(findPictureTables(rom, pointers, taken), report.findings);
    addDomainFindings(rom, report.findings);

    if (inputs.highestTrainerPicture)
        report.findings.push_back(finding("Trainer_Pic_Num", FindingStatus::Placed,
                                          "the highest trainer picture of " + inputs.pictureFolder,
                                          *inputs.highestTrainerPicture));
    else
        report.findings.push_back(byHand("Trainer_Pic_Num", inputs.pictureFolder + " holds no trainer picture to "
                                                                            "count up to"));
    report.findings.push_back(byHand("Skill_Machine", "every bit pattern is a TM/HM record, so no shape tells the "
                                                      "table from other data"));
    for (const char* starter : {"Left", "Center", "Right"})
        report.findings.push_back(byHand(starter, "a starter is one 16-bit monster number, which countless places "
                                                  "hold"));
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding& a, const Finding& b) { return orderOf(a.key) < orderOf(b.key); });
    return report;
}

bool FinderReport::allFindablePlaced() const
{
    return std::none_of(findings.begin(), findings.end(),
                        [](const Finding& finding) { return finding.status == FindingStatus::NotPlaced; });
}

std::vector<std::pair<std::string, std::string>> FinderReport::settings() const
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (const Finding& finding : findings) {
        if (!finding.written())
            continue;
        keys.emplace_back(finding.key, std::to_string(finding.value));
        if (!finding.countKey.empty())
            keys.emplace_back(finding.countKey, std::to_string(finding.count));
    }
    return keys;
}

std::vector<std::string> FinderReport::lines() const
{
    std::vector<std::string> lines;
    for (const Finding& finding : findings) {
        std::string setting = finding.key;
        if (finding.written()) {
            setting.append("=").append(std::to_string(finding.value));
            if (!finding.countKey.empty())
                setting += ", " + finding.countKey + "=" + std::to_string(finding.count);
        } else if (!finding.countKey.empty()) {
            setting += ", " + finding.countKey;
        }
        switch (finding.status) {
        case FindingStatus::Placed:
            lines.push_back(setting + ": " + finding.text);
            break;
        case FindingStatus::Ordered:
            lines.push_back("check: " + setting + ": " + finding.text);
            break;
        case FindingStatus::ByHand:
            lines.push_back("by hand: " + setting + ": " + finding.text);
            break;
        case FindingStatus::NotPlaced:
            lines.push_back("not placed: " + setting + ": " + finding.text);
            break;
        }
    }
    return lines;
}
