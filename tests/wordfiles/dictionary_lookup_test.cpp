// The on-disk binary search: results, the records it reads, and its bound.
#include "wordfiles/dictionary_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/recording_files.h"
#include "support/temp_dir.h"

namespace {

using Reads = std::vector<std::int64_t>;

class DictionaryLookupTest : public ::testing::Test {
protected:
    TempDir dir;
    TWordFile dictionary;
    std::int32_t count = 0;
    RecordingFiles files;

    void Use(const std::vector<std::string>& words) {
        if (dictionary.IsOpen) CloseWordFile(dictionary);
        ASSERT_TRUE(OpenWordFileAtPath(dir.WriteRecords("WORDLIST.DCT", words), dictionary, count, files));
        files.RecordsRead.clear();
    }
    TLookupResult Look(const std::string& word) {
        files.RecordsRead.clear();
        return IsWord(dictionary, count, word);
    }
    void TearDown() override {
        if (dictionary.IsOpen) CloseWordFile(dictionary);
    }
};

TEST_F(DictionaryLookupTest, SmallDictionariesReadExactlyTheseRecords) {
    const auto F = TLookupResult::Found;
    const auto N = TLookupResult::NotFound;
    const struct {
        std::vector<std::string> words;
        std::string probe;
        Reads reads;
        TLookupResult result;
    } cases[] = {
        {{"bbbbb"}, "bbbbb", {0}, F},
        {{"bbbbb"}, "aaaaa", {0}, N},
        {{"bbbbb"}, "ccccc", {0}, N},
        {{"bbbbb", "ddddd"}, "bbbbb", {0}, F},
        {{"bbbbb", "ddddd"}, "aaaaa", {0, 0}, N},
        {{"bbbbb", "ddddd"}, "ddddd", {0, 1}, F},
        {{"bbbbb", "ddddd"}, "ccccc", {0, 1}, N},
        {{"bbbbb", "ddddd", "fffff"}, "ddddd", {1}, F},
        {{"bbbbb", "ddddd", "fffff"}, "bbbbb", {1, 0}, F},
        {{"bbbbb", "ddddd", "fffff"}, "aaaaa", {1, 0, 0}, N},
        {{"bbbbb", "ddddd", "fffff"}, "ccccc", {1, 0, 1}, N},
        {{"bbbbb", "ddddd", "fffff"}, "fffff", {1, 2}, F},
        {{"bbbbb", "ddddd", "fffff"}, "zzzzz", {1, 2}, N},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.words.size() << " records, probe " << c.probe);
        Use(c.words);
        EXPECT_EQ(Look(c.probe), c.result);
        EXPECT_EQ(files.RecordsRead, c.reads);
    }
}

TEST_F(DictionaryLookupTest, AnEmptyDictionaryReadsRecordZeroAndReportsNoRecord) {
    Use({});
    EXPECT_EQ(Look("crane"), TLookupResult::NoRecord);
    EXPECT_EQ(files.RecordsRead, Reads{0});
}

TEST_F(DictionaryLookupTest, ProbeIsLowerCasedForAsciiLettersOnly) {
    Use({"ab1de", "crane", "sl\xc9te", "slate"});
    EXPECT_EQ(Look("CRANE"), TLookupResult::Found);
    EXPECT_EQ(Look("CrAnE"), TLookupResult::Found);
    EXPECT_EQ(Look("AB1DE"), TLookupResult::Found) << "a digit stays as it is";
    EXPECT_EQ(Look("AB2DE"), TLookupResult::NotFound);
    EXPECT_EQ(Look("SL\xc9TE"), TLookupResult::Found) << "bytes above 127 are not folded";
    EXPECT_EQ(Look("SL\xe9TE"), TLookupResult::NotFound);
}

TEST_F(DictionaryLookupTest, AnUpperCaseDictionaryAcceptsNothing) {
    Use({"CRANE", "SLATE", "TRACE"});
    for (const char* guess : {"CRANE", "SLATE", "TRACE", "crane"}) EXPECT_EQ(Look(guess), TLookupResult::NotFound);
}

TEST_F(DictionaryLookupTest, AnUnsortedDictionaryOnlyEverConfirmsWordsItHolds) {
    const std::vector<std::string> words = {"zebra", "apple", "mango", "berry", "lemon", "grape", "melon"};
    Use(words);
    int found = 0;
    for (const std::string& word : words) found += Look(word) == TLookupResult::Found;
    EXPECT_LT(found, static_cast<int>(words.size())) << "this order hides some words";
    for (const char* absent : {"aaaaa", "crane", "zzzzz", "mangp"}) EXPECT_EQ(Look(absent), TLookupResult::NotFound);
}

TEST_F(DictionaryLookupTest, ShortRecordsSortFirstAndNeverMatchAFullWord) {
    Use({"", "ab", "abc", "abcde", "abcdf"});
    EXPECT_EQ(Look("abcde"), TLookupResult::Found);
    EXPECT_EQ(Look("abcdf"), TLookupResult::Found);
    EXPECT_EQ(Look(std::string("ab\0\0\0", 5)), TLookupResult::NotFound) << "NULs in a probe are bytes too";
    EXPECT_EQ(Look("abzzz"), TLookupResult::NotFound);
}

TEST_F(DictionaryLookupTest, DuplicatesChangeNoResult) {
    Use({"apple", "crane", "crane", "crane", "slate", "slate", "trace"});
    for (const char* word : {"apple", "crane", "slate", "trace"}) EXPECT_EQ(Look(word), TLookupResult::Found) << word;
    for (const char* word : {"aaaaa", "cranf", "zzzzz"}) EXPECT_EQ(Look(word), TLookupResult::NotFound) << word;
}

TEST(CompareWordsTest, UnsignedBytesThenLength) {
    EXPECT_LT(CompareWords("abc", "abd"), 0);
    EXPECT_GT(CompareWords("abd", "abc"), 0);
    EXPECT_LT(CompareWords("ab", "abc"), 0);
    EXPECT_EQ(CompareWords("abc", "abc"), 0);
    EXPECT_LT(CompareWords("a\x7f", "a\x80"), 0) << "bytes compare unsigned";
}

TEST(LargeDictionaryTest, NoLookupReadsMoreThanTheLogBound) {
    for (std::int64_t size : {1'000, 1'000'000, 10'000'000}) {
        SCOPED_TRACE(size);
        SyntheticDictionary synthetic(size);
        RecordingFiles files(synthetic);
        TWordFile dictionary;
        std::int32_t count = 0;
        ASSERT_TRUE(OpenWordFileAtPath("synthetic", dictionary, count, files));
        const auto bound = static_cast<std::size_t>(std::ceil(std::log2(static_cast<double>(size)))) + 1;
        std::mt19937 pick(7);
        std::uniform_int_distribution<std::int64_t> index(0, size - 1);
        for (int i = 0; i < 300; ++i) {
            const std::int64_t n = i < 2 ? (i == 0 ? 0 : size - 1) : index(pick);
            std::string held = SyntheticDictionary::WordAt(n);
            files.RecordsRead.clear();
            ASSERT_EQ(IsWord(dictionary, count, held), TLookupResult::Found) << held;
            ASSERT_LE(files.RecordsRead.size(), bound);
            // '{' follows 'z': this sorts after every word with the same first four letters.
            const std::string missing = held.substr(0, 4) + "{";
            files.RecordsRead.clear();
            ASSERT_EQ(IsWord(dictionary, count, missing), TLookupResult::NotFound) << missing;
            ASSERT_LE(files.RecordsRead.size(), bound);
        }
        CloseWordFile(dictionary);
    }
}

}  // namespace
