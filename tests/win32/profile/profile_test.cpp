// The portable profile reader and writer against kernel32's GetPrivateProfileStringA and
// WritePrivateProfileStringA on the same files: whatever the program reads or writes through
// Setting.ini must come out as the system would have it.
#include "core/FolderFiles.h"
#include "core/Profile.h"
#include "tests/support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kValueSize = 30;

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The lines of a file that hold something, in order, with the blanks around section names,
// keys and values dropped: Wine writes the whole file out again without them.
std::vector<std::string> filledLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream text(readText(path));
    for (std::string line; std::getline(text, line);) {
        line = trimmed(line);
        const std::size_t equals = line.find('=');
        if (line.size() > 1 && line.front() == '[' && line.back() == ']')
            line = std::string("[").append(trimmed(line.substr(1, line.size() - 2))).append("]");
        else if (equals != std::string::npos)
            line = trimmed(line.substr(0, equals)).append("=").append(trimmed(line.substr(equals + 1)));
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::string systemRead(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& fallback, std::size_t size)
{
    std::vector<char> buffer(size + 1, '\x7F');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                  static_cast<DWORD>(size), path.c_str());
    return std::string(buffer.data(), length);
}

struct Query {
    std::string section;
    std::string key;
};

// A Setting.ini as users keep it: comments, blanks around names and values, one section
// written in other letter cases, quotes, duplicates and values longer than the buffer.
const std::string kSettings = "; offsets of the tables\r\n"
                              "[BPRJ]\r\n"
                              "Monster=123\r\n"
                              "  Spaced Key  =   value with spaces   \r\n"
                              "Quoted=\"  inside  \"\r\n"
                              "Single='x'\r\n"
                              "HalfQuoted=\"x\r\n"
                              "Empty=\r\n"
                              "Long=0123456789012345678901234567890123456789\r\n"
                              "Dup=first\r\n"
                              "Dup=second\r\n"
                              "NoEquals\r\n"
                              "名前=ザルバト\r\n"
                              "Hex=0x1F\r\n"
                              "\r\n"
                              "[ bpgj ]\r\n"
                              "MONSTER=456\r\n"
                              "[Calvanter]\r\n"
                              "WindowX=10\r\n";

const std::vector<Query> kQueries = {
    {"BPRJ", "Monster"},  {"bprj", "MONSTER"}, {"BPRJ", "Spaced Key"}, {"BPRJ", "Quoted"},
    {"BPRJ", "Single"},   {"BPRJ", "HalfQuoted"}, {"BPRJ", "Empty"},   {"BPRJ", "Long"},
    {"BPRJ", "Dup"},      {"BPRJ", "NoEquals"}, {"BPRJ", "名前"},       {"BPRJ", "Hex"},
    {"BPGJ", "Monster"},  {"BPGJ", "Missing"},  {"AXVJ", "Monster"},   {"Calvanter", "WindowX"},
    {"Calvanter", "ShowCmd"},
};

class ProfileAgainstSystem : public ::testing::Test {
protected:
    void expectSameReads(const std::string& path, const std::vector<Query>& queries, std::size_t size = kValueSize)
    {
        for (const Query& query : queries) {
            for (const std::string fallback : {"", "none"}) {
                EXPECT_EQ(profileReadString(path, query.section, query.key, fallback, size),
                          systemRead(path, query.section, query.key, fallback, size))
                    << "[" << toUtf8(query.section) << "] " << toUtf8(query.key) << " fallback '" << fallback
                    << "' size " << size;
            }
        }
    }

    // Windows paths: the system looks for a bare file name in the Windows folder.
    std::string file(const std::string& name) const
    {
        std::string path = dir.file(name);
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return path;
    }

    TempDir dir;
};

} // namespace

TEST_F(ProfileAgainstSystem, ReadsTheSameValues)
{
    const std::string crlf = file("crlf.ini");
    writeFile(crlf, kSettings);
    // The system really read the file.
    EXPECT_EQ(systemRead(crlf, "bprj", "MONSTER", "", kValueSize), "123");
    EXPECT_EQ(systemRead(crlf, "BPRJ", "Long", "", kValueSize), "01234567890123456789012345678");
    expectSameReads(crlf, kQueries);
    expectSameReads(crlf, kQueries, 5);
    expectSameReads(crlf, kQueries, 1);

    std::string lfOnly = kSettings;
    for (std::size_t at = lfOnly.find("\r\n"); at != std::string::npos; at = lfOnly.find("\r\n", at))
        lfOnly.erase(at, 1);
    const std::string lf = file("lf.ini");
    writeFile(lf, lfOnly);
    expectSameReads(lf, kQueries);

    expectSameReads(file("missing.ini"), kQueries);
}

TEST_F(ProfileAgainstSystem, WritesWhatTheSystemReadsBack)
{
    const std::string ours = file("ours.ini");
    const std::string system = file("system.ini");
    writeFile(ours, kSettings);
    writeFile(system, kSettings);

    struct Write {
        std::string section, key, value;
    };
    const std::vector<Write> writes = {
        {"BPRJ", "Monster", "777"},         // replaced in place
        {"BPRJ", "NewKey", "1"},            // added to a section followed by a blank line
        {"Calvanter", "WindowY", "20"},     // added to the last section
        {"Calvanter", "WindowX", "-5"},
        {"Fresh", "ShowCmd", "3"},          // a new section
        {"BPRJ", "名前", "チャモ"},
    };
    for (const Write& write : writes) {
        ASSERT_TRUE(profileWriteString(ours, write.section, write.key, write.value));
        ASSERT_TRUE(WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(),
                                               system.c_str()));
    }

    // Comments, untouched keys and the other sections stay where they were.
    EXPECT_EQ(filledLines(ours), filledLines(system));

    std::vector<Query> queries = kQueries;
    for (const Write& write : writes)
        queries.push_back({write.section, write.key});
    for (const Query& query : queries) {
        const std::string expected = systemRead(system, query.section, query.key, "", kValueSize);
        EXPECT_EQ(systemRead(ours, query.section, query.key, "", kValueSize), expected)
            << "[" << toUtf8(query.section) << "] " << toUtf8(query.key);
        EXPECT_EQ(profileReadString(system, query.section, query.key, "", kValueSize), expected)
            << "[" << toUtf8(query.section) << "] " << toUtf8(query.key);
    }
}

TEST_F(ProfileAgainstSystem, CreatesTheFileWithTheSection)
{
    const std::string ours = file("new-ours.ini");
    const std::string system = file("new-system.ini");
    ASSERT_TRUE(profileWriteString(ours, "Calvanter", "ShowCmd", "1"));
    ASSERT_TRUE(WritePrivateProfileStringA("Calvanter", "ShowCmd", "1", system.c_str()));
    EXPECT_EQ(systemRead(ours, "Calvanter", "ShowCmd", "", kValueSize), "1");
    EXPECT_EQ(profileReadString(system, "calvanter", "showcmd", "", kValueSize), "1");
}

TEST_F(ProfileAgainstSystem, AFileThatCannotBeReadIsNeverReplaced)
{
    const std::string path = file("Setting.ini");
    writeFile(path, "[BPRJ]\r\nAttackTable=5\r\n");
    {
        // Another program holds the file: others may write it, but not read it.
        HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(profileWriteString(path, "Calvanter", "ShowCmd", "1"));
        CloseHandle(held);
    }
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n");
    EXPECT_FALSE(fileExists(path + ".new"));
    EXPECT_TRUE(profileWriteString(path, "Calvanter", "ShowCmd", "1"));
    EXPECT_EQ(readText(path), "[BPRJ]\r\nAttackTable=5\r\n[Calvanter]\r\nShowCmd=1\r\n");
}
