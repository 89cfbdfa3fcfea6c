#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// Records of one size in a row: where the bytes of a table of that record could lie.
struct RecordRun {
    std::size_t start = 0;
    std::size_t count = 0;
    std::size_t stride = 0;

    std::size_t end() const { return start + count * stride; }
    std::size_t at(std::size_t index) const { return start + index * stride; }
};

// Every longest row of at least minCount records that isRecord accepts, at every offset of
// a file of fileSize bytes, in order of their starts. isRecord(p) looks at the record at p,
// which lies inside the file.
//
// A row of minCount records of any phase holds a record in every stretch of the file that
// is one record long and starts at a multiple of (minCount - 1) records; only those
// stretches are looked at, and a record found there is followed both ways. The work is the
// file's size divided by minCount - 1, plus the rows found.
template <typename IsRecord>
std::vector<RecordRun> findRecordRuns(std::size_t fileSize, std::size_t stride, std::size_t minCount,
                                      IsRecord&& isRecord)
{
    std::vector<RecordRun> runs;
    if (stride == 0 || fileSize < stride)
        return runs;
    const std::size_t step = (minCount > 1 ? minCount - 1 : 1) * stride;
    // The end of the row found last in each phase: a later look inside it finds it again.
    std::vector<std::size_t> foundEnd(stride, 0);
    for (std::size_t block = 0; block + stride <= fileSize; block += step) {
        for (std::size_t at = block; at < block + stride && at + stride <= fileSize; ++at) {
            const std::size_t phase = at % stride;
            if (at < foundEnd[phase] || !isRecord(at))
                continue;
            std::size_t first = at;
            while (first >= stride && isRecord(first - stride))
                first -= stride;
            std::size_t end = at + stride;
            while (end + stride <= fileSize && isRecord(end))
                end += stride;
            foundEnd[phase] = end;
            const std::size_t count = (end - first) / stride;
            if (count >= minCount)
                runs.push_back({first, count, stride});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const RecordRun& a, const RecordRun& b) { return a.start < b.start; });
    return runs;
}

// The rows of at least minCount records inside the given runs whose every record also passes
// a closer look: a cheap test finds the runs, this one looks only at what they hold.
template <typename IsRecord>
std::vector<RecordRun> narrowRuns(const std::vector<RecordRun>& runs, std::size_t minCount, IsRecord&& isRecord)
{
    std::vector<RecordRun> narrowed;
    for (const RecordRun& run : runs) {
        RecordRun part{run.start, 0, run.stride};
        for (std::size_t i = 0; i <= run.count; ++i) {
            if (i < run.count && isRecord(run.at(i))) {
                if (part.count++ == 0)
                    part.start = run.at(i);
                continue;
            }
            if (part.count >= minCount && part.count > 0)
                narrowed.push_back(part);
            part.count = 0;
        }
    }
    return narrowed;
}

// The runs less those that start less than a record after the start of a run kept before
// them: the same records read a few bytes later. Names are shorter than their fields, so a
// table of names read from the second character of each name still decodes; the table
// starts where its first name does, at the earliest of these readings.
inline std::vector<RecordRun> earliestReadings(const std::vector<RecordRun>& runs)
{
    std::vector<RecordRun> kept;
    for (const RecordRun& run : runs) {
        const bool later = std::any_of(kept.begin(), kept.end(), [&](const RecordRun& earlier) {
            return run.start > earlier.start && run.start - earlier.start < earlier.stride && run.start < earlier.end();
        });
        if (!later)
            kept.push_back(run);
    }
    return kept;
}
