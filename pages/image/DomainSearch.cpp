#include "pages/image/DomainSearch.h"

#include <algorithm>
#include <vector>

namespace {
constexpr std::size_t kWord = 4;
constexpr std::size_t kBlockWords = 16 * 1024;

// The used stretches by their start, walked once along the rising words.
class UsedWalk {
public:
    explicit UsedWalk(std::span<const UsedBytes> used) : m_stretches(used.begin(), used.end())
    {
        std::sort(m_stretches.begin(), m_stretches.end(),
                  [](const UsedBytes& a, const UsedBytes& b) { return a.start < b.start; });
    }

    bool touches(std::int64_t word)
    {
        while (m_next < m_stretches.size() && m_stretches[m_next].end <= word)
            ++m_next;
        for (std::size_t i = m_next; i < m_stretches.size() && m_stretches[i].start < word + kWordBytes; ++i) {
            if (m_stretches[i].end > word)
                return true;
        }
        return false;
    }

private:
    static constexpr std::int64_t kWordBytes = kWord;
    std::vector<UsedBytes> m_stretches;
    std::size_t m_next = 0;
};
} // namespace

ResultOf<std::optional<std::uint32_t>> searchDomain(RomFile& file, const WriteArea& domain, std::size_t size,
                                                    std::span<const UsedBytes> used)
{
    if (!domain.isSet() || domain.length <= 0)
        return std::optional<std::uint32_t>();
    const std::size_t words = static_cast<std::size_t>(domain.length) / kWord;
    if (Result moved = file.seek(domain.start); !moved.ok())
        return moved;
    UsedWalk usedWalk(used);
    std::vector<std::uint8_t> block(std::min(words, kBlockWords) * kWord);
    std::size_t run = 0;
    std::size_t runStart = 0;
    for (std::size_t word = 0; word < words;) {
        const std::size_t wanted = std::min(words - word, kBlockWords);
        const ResultOf<std::int64_t> got = file.readSome(std::span(block).first(wanted * kWord));
        const std::size_t count = got.ok() ? static_cast<std::size_t>(*got) / kWord : 0;
        for (std::size_t i = 0; i < count; ++i, ++word) {
            const std::uint8_t* bytes = block.data() + i * kWord;
            if (bytes[0] != 0xFF || bytes[1] != 0xFF || bytes[2] != 0xFF || bytes[3] != 0xFF ||
                usedWalk.touches(domain.start + static_cast<std::int64_t>(word * kWord))) {
                run = 0;
                continue;
            }
            if (run == 0)
                runStart = word * kWord;
            run += kWord;
            if (run > size)
                return std::optional(static_cast<std::uint32_t>(domain.start) + static_cast<std::uint32_t>(runStart));
        }
        // A domain that runs past the end of the file is searched up to the end.
        if (count < wanted)
            return got.ok() ? Result::failed(endOfFileErrorText()) : got.failure();
    }
    return std::optional<std::uint32_t>();
}
