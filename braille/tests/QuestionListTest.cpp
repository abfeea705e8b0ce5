#include "braille/QuestionList.h"

#include "braille/AlphabetTable.h"
#include "braille/Recognition.h"

#include <gtest/gtest.h>

namespace braille {
namespace {

TEST(QuestionList, IsTheTableTextsInTableOrder) {
    const auto questions = QuestionList();
    const auto table = AlphabetTable();
    ASSERT_EQ(questions.size(), table.size());
    for (std::size_t i = 0; i < questions.size(); ++i)
        EXPECT_EQ(questions[i], table[i].text) << "entry " << i + 1;
    EXPECT_EQ(questions.front(), "A");
    EXPECT_EQ(questions[78], "OE");
    EXPECT_EQ(questions[79], "oe");
    EXPECT_EQ(questions.back(), "\xA7");
}

// A question must be answerable: some pair of cells reads back as exactly its text.
TEST(QuestionList, EveryQuestionCanBeWrittenInTheWorkshop) {
    for (std::string_view question : QuestionList()) {
        const AlphabetRow* row = LookupText(question);
        ASSERT_NE(row, nullptr) << question;
        EXPECT_EQ(RecognizeCells(row->first, row->second), question);
    }
}

} // namespace
} // namespace braille
