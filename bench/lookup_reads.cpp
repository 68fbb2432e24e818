// How many records a dictionary lookup reads, for dictionaries of 10^3,
// 10^6 and 10^7 records held in memory by a made-up file: the worst case
// and the mean over found and missing words, against the bound.
#include <cmath>
#include <cstdio>

#include "support/recording_files.h"
#include "wordfiles/dictionary_lookup.h"

int main() {
    std::printf("%10s %6s %10s %10s %10s %10s\n", "records", "bound", "max found", "mean found", "max miss",
                "mean miss");
    for (std::int64_t size : {1'000LL, 1'000'000LL, 10'000'000LL}) {
        SyntheticDictionary synthetic(size);
        RecordingFiles files(synthetic);
        TWordFile dictionary;
        std::int32_t count = 0;
        if (!OpenWordFileAtPath("synthetic", dictionary, count, files)) return 1;
        const std::int64_t step = size <= 1'000 ? 1 : size / 100'003;
        std::size_t maxFound = 0, maxMissing = 0, sumFound = 0, sumMissing = 0, probes = 0;
        for (std::int64_t n = 0; n < size; n += step, ++probes) {
            const std::string word = SyntheticDictionary::WordAt(n);
            files.RecordsRead.clear();
            if (IsWord(dictionary, count, word) != TLookupResult::Found) return 2;
            maxFound = std::max(maxFound, files.RecordsRead.size());
            sumFound += files.RecordsRead.size();
            files.RecordsRead.clear();
            if (IsWord(dictionary, count, word.substr(0, 4) + "{") != TLookupResult::NotFound) return 3;
            maxMissing = std::max(maxMissing, files.RecordsRead.size());
            sumMissing += files.RecordsRead.size();
        }
        const int bound = static_cast<int>(std::ceil(std::log2(static_cast<double>(size)))) + 1;
        std::printf("%10lld %6d %10zu %10.2f %10zu %10.2f\n", static_cast<long long>(size), bound, maxFound,
                    static_cast<double>(sumFound) / probes, maxMissing, static_cast<double>(sumMissing) / probes);
        CloseWordFile(dictionary);
    }
    return 0;
}
