// The word files that ship beside the game keep the rules the game relies on.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "os/process.h"
#include "wordfiles/dictionary_lookup.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsLowerCaseWord(const std::string& word) {
    if (word.size() != 5) return false;
    for (char c : word)
        if (c < 'a' || c > 'z') return false;
    return true;
}

// Splits whole records, checking each is five lower-case letters and a line feed.
std::vector<std::string> Records(const std::string& name) {
    const std::string bytes = ReadBytes(os::ExecutableDirectory() + name);
    EXPECT_EQ(bytes.size() % 6, 0u) << name << " has a partial record";
    std::vector<std::string> words;
    for (std::size_t at = 0; at + 6 <= bytes.size(); at += 6) {
        const std::string word = bytes.substr(at, 5);
        EXPECT_TRUE(IsLowerCaseWord(word)) << name << " record " << at / 6 << ": " << word;
        EXPECT_EQ(bytes[at + 5], '\n') << name << " record " << at / 6;
        words.push_back(word);
    }
    return words;
}

TEST(ShippedWordListsTest, DictionaryIsSortedLowerCaseWholeRecords) {
    const std::vector<std::string> words = Records(DictionaryFileName);
    EXPECT_GT(words.size(), 10'000u);
    for (std::size_t i = 1; i < words.size(); ++i)
        ASSERT_LT(CompareWords(words[i - 1], words[i]), 0) << "out of order or repeated: " << words[i];
}

TEST(ShippedWordListsTest, EveryAnswerIsFoundInTheDictionary) {
    const std::vector<std::string> answers = Records(AnswersFileName);
    EXPECT_GT(answers.size(), 1'000u);
    EXPECT_EQ(std::set<std::string>(answers.begin(), answers.end()).size(), answers.size()) << "repeated answers";
    TWordFile dictionary;
    std::int32_t count = 0;
    ASSERT_TRUE(OpenWordFile(DictionaryFileName, dictionary, count));
    for (const std::string& answer : answers)
        EXPECT_EQ(IsWord(dictionary, count, answer), TLookupResult::Found) << answer;
    CloseWordFile(dictionary);
}

}  // namespace
