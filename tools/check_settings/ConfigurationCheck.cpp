#include "tools/check_settings/SettingsCheck.h"

#include "core/GameFamily.h"
#include "core/GameSettings.h"
#include "tools/check_settings/Overlaps.h"
#include "tools/check_settings/SettingValue.h"
#include "tools/check_settings/TableCatalogue.h"

#include <algorithm>
#include <set>

namespace {

constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);

// One line of the report and the problems found while making it.
struct Entry {
    std::string line;
    std::vector<std::string> problems;
};

// What an occupant of the file belongs to, for the problem line of an overlap.
struct Owner {
    std::size_t entry;
    // The key and value; empty for the header.
    std::string setting;
    // "the move table", "the type chart".
    std::string what;
};

class ConfigurationCheck {
public:
    ConfigurationCheck(std::span<const std::uint8_t> rom, GameSettings settings)
        : m_rom(rom), m_settings(std::move(settings))
    {
        addOccupant({kNoEntry, {}, "the cartridge header"}, "the cartridge header", {0, kCartridgeHeaderSize});
    }

    // False when the section holds none of the program's keys.
    bool sectionFound() const;
    void checkTable(const TableSpec& spec);
    void checkWriteArea(std::size_t number);
    void checkNumber(const NumberSpec& spec);
    CheckReport report();

private:
    // The key's value; the first time a key is read, a fault of its text becomes a problem.
    SettingValue readKey(std::string_view key, Entry& entry, std::string_view unconfigured);
    // name: how other tables' lines mention it.
    void addOccupant(Owner owner, std::string name, Extent extent);
    // A configured table at its extent: whether it lies inside the file, then its content.
    void placeTable(const TableSpec& spec, const std::string& setting, const Extent& extent, std::size_t records,
                    Entry& entry);
    void reportOverlaps();

    std::span<const std::uint8_t> m_rom;
    GameSettings m_settings;
    std::vector<Entry> m_entries;
    std::vector<Occupant> m_occupants;
    std::vector<Owner> m_owners;
    std::set<std::string, std::less<>> m_keysRead;
};

void problem(Entry& entry, const std::string& setting, const std::string& what)
{
    entry.problems.push_back(setting + ": " + what);
}

bool ConfigurationCheck::sectionFound() const
{
    for (const TableSpec& spec : configuredTables()) {
        if (m_settings.has(spec.key))
            return true;
    }
    return false;
}

SettingValue ConfigurationCheck::readKey(std::string_view key, Entry& entry, std::string_view unconfigured)
{
    SettingValue value = readSetting(m_settings, key);
    if (!m_keysRead.emplace(key).second)
        return value;
    if (!value.present())
        problem(entry, value.shown(), std::string(unconfigured));
    else if (std::optional<std::string> fault = textProblem(value.text))
        problem(entry, value.shown(), *fault);
    return value;
}

void ConfigurationCheck::addOccupant(Owner owner, std::string name, Extent extent)
{
    m_occupants.push_back({std::move(name), extent});
    m_owners.push_back(std::move(owner));
}

void ConfigurationCheck::checkTable(const TableSpec& spec)
{
    Entry entry;
    const std::string what(spec.what);
    const std::string unconfigured =
        spec.unconfigured.empty() ? what + " is neither read nor written" : std::string(spec.unconfigured);
    const SettingValue offset = readKey(spec.key, entry, unconfigured);
    std::optional<SettingValue> count;
    if (!spec.countKey.empty())
        count = readKey(spec.countKey, entry, unconfigured);
    const std::string setting = offset.shown() + (count ? ", " + count->shown() : "");
    entry.line = setting + ": " + what;

    const std::int64_t start = offset.value();
    const std::int64_t records = count ? count->value() : static_cast<std::int64_t>(spec.fixedCount);
    if (!offset.present() || (count && !count->present())) {
        entry.line += ", not configured";
    } else if (start == kNotConfigured) {
        entry.line += ", not configured";
        problem(entry, offset.shown(), "-1 marks a table as not configured: " + unconfigured);
    } else if (start < 0) {
        entry.line += ", at a negative offset";
        problem(entry, offset.shown(), "a negative offset: reading " + what + " fails");
    } else if (records <= 0) {
        entry.line += ", no records";
        problem(entry, count ? count->shown() : offset.shown(), "no records: " + unconfigured);
    } else {
        const Extent extent{start, start + records * static_cast<std::int64_t>(spec.recordSize) -
                                       static_cast<std::int64_t>(spec.lastRecordUnread)};
        placeTable(spec, setting, extent, static_cast<std::size_t>(records), entry);
    }
    m_entries.push_back(std::move(entry));
}

void ConfigurationCheck::placeTable(const TableSpec& spec, const std::string& setting, const Extent& extent,
                                    std::size_t records, Entry& entry)
{
    const std::string what(spec.what);
    entry.line += ", " + describeExtent(extent);
    const auto fileSize = static_cast<std::int64_t>(m_rom.size());
    if (!extent.insideFile(fileSize)) {
        entry.line += ", outside the file";
        const bool startsOutside = extent.start >= fileSize;
        problem(entry, setting, what + (startsOutside ? " starts at " : " ends at ") +
                                    hexOffset(startsOutside ? extent.start : extent.end) +
                                    ", beyond the end of the file (" + std::to_string(m_rom.size()) + " bytes)");
        return;
    }
    entry.line += ", inside the file";
    addOccupant({m_entries.size(), setting, what}, setting, extent);
    if (!spec.check)
        return;
    const LocatedTable table{
        m_rom, m_rom.subspan(static_cast<std::size_t>(extent.start), static_cast<std::size_t>(extent.size())), records,
        spec.recordSize};
    const ContentResult content = spec.check(table);
    entry.line += "; " + content.summary;
    for (const std::string& fault : content.problems)
        problem(entry, setting, fault);
    if (content.target)
        addOccupant({m_entries.size(), setting, content.targetWhat}, content.targetWhat + " of " + setting,
                    *content.target);
}

void ConfigurationCheck::checkWriteArea(std::size_t number)
{
    Entry entry;
    const std::string key(kWriteAreaKeys[number]);
    const std::string unconfigured = "the image page has no write-out area " + std::to_string(number + 1);
    const SettingValue start = readKey(key, entry, unconfigured);
    const SettingValue end = readKey(key + "end", entry, unconfigured);
    const std::string setting = start.shown() + ", " + end.shown();
    entry.line = setting + ": write-out area " + std::to_string(number + 1);

    const WriteArea area = m_settings.area(key);
    if (!start.present() || !end.present()) {
        entry.line += ", unset";
    } else if (!area.isSet()) {
        entry.line += ", unset";
        problem(entry, setting, "the end does not lie after the start, which leaves the area unset");
    } else {
        const Extent extent{area.start, static_cast<std::int64_t>(area.start) + area.length};
        entry.line += ", " + describeExtent(extent);
        if (!extent.insideFile(static_cast<std::int64_t>(m_rom.size()))) {
            entry.line += ", outside the file";
            problem(entry, setting, "the area is not inside the file (" + std::to_string(m_rom.size()) + " bytes)");
        } else {
            entry.line += ", inside the file";
            addOccupant({m_entries.size(), setting, "write-out area " + std::to_string(number + 1)}, setting, extent);
        }
    }
    m_entries.push_back(std::move(entry));
}

void ConfigurationCheck::checkNumber(const NumberSpec& spec)
{
    Entry entry;
    const SettingValue value = readKey(spec.key, entry, spec.missing);
    entry.line = value.shown() + ": " + std::string(spec.what);
    if (value.present() && value.value() < 0)
        problem(entry, value.shown(), "a negative number");
    m_entries.push_back(std::move(entry));
}

void ConfigurationCheck::reportOverlaps()
{
    std::vector<std::vector<std::string>> overlapped(m_entries.size());
    // A table whose data lies elsewhere (the type chart) can meet another table twice.
    const auto mention = [&](std::size_t entry, const std::string& name) {
        if (std::find(overlapped[entry].begin(), overlapped[entry].end(), name) == overlapped[entry].end())
            overlapped[entry].push_back(name);
    };
    for (const Overlap& pair : findOverlaps(m_occupants)) {
        // The header is the first occupant and has no line of its own.
        if (m_owners[pair.first].entry != kNoEntry)
            mention(m_owners[pair.first].entry, m_occupants[pair.second].name);
        mention(m_owners[pair.second].entry, m_occupants[pair.first].name);
        // One problem line per pair, under the table listed first.
        const bool underFirst = m_owners[pair.first].entry != kNoEntry;
        const std::size_t own = underFirst ? pair.first : pair.second;
        const std::size_t other = underFirst ? pair.second : pair.first;
        const Owner& owner = m_owners[own];
        problem(m_entries[owner.entry], owner.setting,
                owner.what + " (" + hexOffset(m_occupants[own].extent.start) + " to " +
                    hexOffset(m_occupants[own].extent.end) + ") overlaps " + m_occupants[other].name + " (" +
                    hexOffset(m_occupants[other].extent.start) + " to " + hexOffset(m_occupants[other].extent.end) +
                    ")");
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        for (std::size_t k = 0; k < overlapped[i].size(); ++k)
            m_entries[i].line += (k == 0 ? "; overlaps " : ", ") + overlapped[i][k];
    }
}

CheckReport ConfigurationCheck::report()
{
    reportOverlaps();
    CheckReport report;
    for (const Entry& entry : m_entries) {
        report.lines.push_back(entry.line);
        for (const std::string& fault : entry.problems)
            report.lines.push_back("problem: " + fault);
        report.problemCount += entry.problems.size();
    }
    if (report.problemCount == 0)
        report.lines.push_back("no problem found");
    else
        report.lines.push_back(std::to_string(report.problemCount) +
                               (report.problemCount == 1 ? " problem found" : " problems found"));
    return report;
}

} // namespace

int CheckReport::exitStatus() const
{
    if (!ran)
        return kExitCannotRun;
    return problemCount == 0 ? kExitClean : kExitProblemsFound;
}

std::string romGameCode(std::span<const std::uint8_t> rom)
{
    if (rom.size() < kGameCodeOffset + kGameCodeLength)
        return {};
    return gameCodeText(rom.subspan<kGameCodeOffset, kGameCodeLength>());
}

CheckReport checkConfiguration(std::span<const std::uint8_t> rom, std::shared_ptr<const ProfileFile> profile)
{
    CheckReport report;
    const std::string gameCode = romGameCode(rom);
    if (gameCode.empty()) {
        report.ran = false;
        report.lines.push_back("the ROM holds no game code at 0xAC");
        return report;
    }
    ConfigurationCheck check(rom, GameSettings(std::move(profile), gameCode));
    if (!check.sectionFound()) {
        report.ran = false;
        report.lines.push_back("Setting.ini has no section [" + gameCode + "] with the program's keys");
        return report;
    }
    for (const TableSpec& spec : configuredTables())
        check.checkTable(spec);
    for (std::size_t area = 0; area < kWriteAreaKeys.size(); ++area)
        check.checkWriteArea(area);
    for (const NumberSpec& spec : kNumberKeys)
        check.checkNumber(spec);
    report = check.report();
    report.lines.insert(report.lines.begin(), "game code " + gameCode + ", " + std::to_string(rom.size()) +
                                                  " bytes, section [" + gameCode + "] of Setting.ini");
    return report;
}
