// Composed messages reach the box whole.
#include "ui/messages.h"

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/headless/headless_host.h"

namespace {

TEST(MessagesTest, ShowBoxShowsAComposedTextOfAnyLengthWhole) {
    forms::THeadlessHost host;
    forms::TApplication application(host);
    for (std::size_t length : {0u, 1u, 40u, 100'000u}) {
        const std::string text(length, 'x');
        ShowBox(text, "Caption", forms::MB_ICONWARNING);
        ASSERT_FALSE(host.Boxes.empty());
        EXPECT_EQ(host.Boxes.back().Text, text);
        EXPECT_EQ(host.Boxes.back().Caption, "Caption");
        EXPECT_EQ(host.Boxes.back().Flags, forms::MB_ICONWARNING);
    }
}

TEST(MessagesTest, ComposedTextsQuoteTheirWordExactly) {
    EXPECT_EQ(Messages::NotAWordText("AB1 E"), "\"AB1 E\" is not a word in the dictionary.");
    EXPECT_EQ(Messages::LossText("CRANE"), "Sorry, the word was \"CRANE\".");
}

}  // namespace
