// Binary search of the sorted dictionary where it lies on disk: one record
// read per step, nothing cached.
#pragma once

#include <cstdint>
#include <string>

#include "wordfiles/word_file.h"

enum class TLookupResult {
    NotFound,
    Found,
    // A probed record was not there: only a dictionary without records
    // gives this, and the caller must not go on with the guess.
    NoRecord,
};

// Looks up `word` once it is lower-cased.
TLookupResult IsWord(TWordFile& dictionary, std::int32_t wordCount, const std::string& word);

// Searches Lo..Hi (inclusive) for a probe that is already lower case.
TLookupResult SearchWord(TWordFile& dictionary, const std::string& probe, std::int32_t lo, std::int32_t hi);

// Byte-wise unsigned comparison, a prefix before the longer word: <0, 0, >0.
int CompareWords(const std::string& a, const std::string& b);
