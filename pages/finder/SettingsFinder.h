#pragma once

#include "pages/finder/Searches.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

enum class FindingStatus {
    // The shape fits one place: written.
    Placed,
    // Alike in shape to another table, placed by their order in the file: written, and the
    // report asks the user to check it.
    Ordered,
    // No shape finds it; the user places it (a proposal may come with it).
    ByHand,
    // Two places or none fit: not written.
    NotPlaced,
};

// What the finder says of one key, or of a table's offset and count keys together.
struct Finding {
    std::string key;
    std::int64_t value = 0;
    // The count key of a table of a variable count; empty otherwise.
    std::string countKey;
    std::int64_t count = 0;
    FindingStatus status = FindingStatus::NotPlaced;
    // The evidence of a place, or why there is none.
    std::string text;

    bool written() const { return status == FindingStatus::Placed || status == FindingStatus::Ordered; }
};

struct FinderReport {
    std::string gameCode;
    std::size_t romSize = 0;
    // In the order of the keys in the section.
    std::vector<Finding> findings;

    // Every key that a shape can find was written (placed or by order).
    bool allFindablePlaced() const;
    // The keys and values to write into the section, in order.
    std::vector<std::pair<std::string, std::string>> settings() const;
    // One line per finding, for the console and the program's question.
    std::vector<std::string> lines() const;
};

struct FinderInputs {
    FinderLists lists;
    // The highest trainer picture number of the pictures folder, and the folder's name for
    // the report ("pics/FR"); nothing when the folder holds none.
    std::optional<int> highestTrainerPicture;
    std::string pictureFolder;
};

// Looks for every table of the game code's section in the ROM; only reads.
FinderReport findSettings(std::span<const std::uint8_t> rom, const FinderInputs& inputs);
