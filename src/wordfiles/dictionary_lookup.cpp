#include "wordfiles/dictionary_lookup.h"

#include <algorithm>

#include "wordfiles/ascii_case.h"

int CompareWords(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

TLookupResult IsWord(TWordFile& dictionary, std::int32_t wordCount, const std::string& word) {
    return SearchWord(dictionary, AsciiLowerCase(word), 0, wordCount - 1);
}

TLookupResult SearchWord(TWordFile& dictionary, const std::string& probe, std::int32_t lo, std::int32_t hi) {
    // Division truncates toward zero, so an empty range Lo..Lo-1 probes Lo:
    // an empty dictionary reads record 0 and learns it has none.
    const std::int32_t mid = lo + (hi - lo) / 2;
    std::string word;
    if (!ReadWordRecord(dictionary, mid, word)) return TLookupResult::NoRecord;
    const int order = CompareWords(probe, word);
    if (lo == hi && order != 0) return TLookupResult::NotFound;
    if (order == 0) return TLookupResult::Found;
    // The lower part keeps Mid: the last step may read a record again.
    if (order < 0) return SearchWord(dictionary, probe, lo, mid);
    return SearchWord(dictionary, probe, mid + 1, hi);
}
