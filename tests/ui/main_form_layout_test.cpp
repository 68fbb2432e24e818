// The window as designed and the board's tiles as they come and go.
#include <gtest/gtest.h>

#include "ui/game_fixture.h"

namespace {

using namespace forms;

using MainFormLayoutTest = GameFixture;

TEST_F(MainFormLayoutTest, TheDesignedControlsStandWhereTheyShould) {
    Start();
    EXPECT_EQ(form->Caption, "Plimbor");
    EXPECT_EQ(form->ClientWidth, 457);
    EXPECT_EQ(form->ClientHeight, 282);
    EXPECT_EQ(form->Color, clGreen);
    EXPECT_EQ(form->BorderStyle, bsSingle);
    EXPECT_FALSE(form->CanMaximize);
    EXPECT_EQ(form->Font(), (TFont{"System", -13, clWindowText, false}));

    const struct {
        TPanel* panel;
        TWinControl* parent;
        TRect bounds;
        TBevelCut outer, inner;
        int width;
        TColor color;
    } panels[] = {
        {form->OverallPanel, form, {8, 8, 225, 266}, bvRaised, bvRaised, 2, clBtnFace},
        {form->RightPanel, form, {240, 8, 209, 266}, bvRaised, bvRaised, 2, clBtnFace},
        {form->KeyboardPanel, form->RightPanel, {16, 16, 177, 105}, bvNone, bvNone, 1, clBtnFace},
        {form->InputPanel, form->RightPanel, {16, 216, 177, 33}, bvLowered, bvLowered, 1, clWindow},
    };
    for (const auto& p : panels) {
        SCOPED_TRACE(p.panel->Name);
        EXPECT_EQ(p.panel->Parent(), p.parent);
        EXPECT_EQ(p.panel->BoundsRect(), p.bounds);
        EXPECT_EQ(p.panel->BevelOuter(), p.outer);
        EXPECT_EQ(p.panel->BevelInner(), p.inner);
        EXPECT_EQ(p.panel->BevelWidth(), p.width);
        EXPECT_EQ(p.panel->Color(), p.color);
        EXPECT_EQ(p.panel->Caption(), "");
        EXPECT_EQ(p.panel->Font(), form->Font());
    }

    EXPECT_EQ(form->GuessLabel->Parent(), form->RightPanel);
    EXPECT_EQ(form->GuessLabel->BoundsRect(), (TRect{16, 196, 46, 16}));
    EXPECT_EQ(form->GuessLabel->Caption(), "Guess:");
    EXPECT_EQ(form->GuessLabel->Font(), (TFont{"System", -13, clBtnText, false}));

    EXPECT_EQ(form->InputEdit->Parent(), form->InputPanel);
    EXPECT_EQ(form->InputEdit->BoundsRect(), (TRect{8, 8, 145, 17}));
    EXPECT_EQ(form->InputEdit->BorderStyle, bsNone);
    EXPECT_EQ(form->InputEdit->Color, clWindow);
    EXPECT_EQ(form->InputEdit->MaxLength, 5);
    EXPECT_EQ(form->InputEdit->CharCase, ecUpperCase);
    EXPECT_EQ(form->ActiveControl(), form->InputEdit) << "the input box has the focus once the window shows";
}

TEST_F(MainFormLayoutTest, EveryLetterHasOneKeyOnItsGridCell) {
    Start();
    ASSERT_EQ(form->KeyboardPanel->ControlCount(), 26) << "the keyboard holds the keys and nothing else";
    for (int k = 0; k < 26; ++k) {
        const char letter = static_cast<char>('A' + k);
        SCOPED_TRACE(letter);
        auto* key = dynamic_cast<TPanel*>(form->KeyboardPanel->Controls(k));
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key, Key(letter));
        EXPECT_EQ(key->Name, std::string("Keyboard") + letter);
        EXPECT_EQ(key->Caption(), std::string(1, letter));
        EXPECT_EQ(key->BoundsRect(), (TRect{25 * (k % 7), 25 * (k / 7), 25, 25}));
        EXPECT_EQ(key->BevelOuter(), bvRaised);
        EXPECT_EQ(key->BevelInner(), bvLowered);
        EXPECT_EQ(key->Color(), clBtnFace);
    }
    EXPECT_EQ(Key('V')->BoundsRect(), (TRect{0, 75, 25, 25}));
    EXPECT_EQ(Key('Z')->BoundsRect(), (TRect{100, 75, 25, 25}));
}

TEST_F(MainFormLayoutTest, TheMenuHasItsItemsAccessKeysAndShortcut) {
    Start();
    ASSERT_EQ(form->Menu, form->MainMenu);
    TMenuItem* bar = form->MainMenu->Items;
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Items(0), form->GameMenuItem);
    EXPECT_EQ(bar->Items(1), form->HelpMenuItem);
    const struct {
        TMenuItem* item;
        TMenuItem* parent;
        int index;
        const char* caption;
        TShortCut shortCut;
    } items[] = {
        {form->GameMenuItem, bar, 0, "&Game", 0},
        {form->NewGameMenuItem, form->GameMenuItem, 0, "&New Game", 113},
        {form->ExitMenuItem, form->GameMenuItem, 1, "E&xit", 0},
        {form->HelpMenuItem, bar, 1, "&Help", 0},
        {form->AboutMenuItem, form->HelpMenuItem, 0, "&About...", 0},
    };
    for (const auto& i : items) {
        SCOPED_TRACE(i.caption);
        EXPECT_EQ(i.parent->Items(i.index), i.item);
        EXPECT_EQ(i.item->Caption, i.caption);
        EXPECT_EQ(i.item->ShortCut, i.shortCut);
    }
    EXPECT_EQ(ShortCutToText(form->NewGameMenuItem->ShortCut), "F2");
}

TEST_F(MainFormLayoutTest, StartUpBuildsThirtySunkenEmptyTilesRowByRow) {
    Start();
    ASSERT_EQ(form->OverallPanel->ControlCount(), 30);
    for (int i = 0; i < 30; ++i) {
        auto* tile = dynamic_cast<TPanel*>(form->OverallPanel->Controls(i));
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->Owner(), form->OverallPanel);
        EXPECT_EQ(tile->BoundsRect(), (TRect{16 + 40 * (i % 5), 16 + 40 * (i / 5), 33, 33})) << i;
        EXPECT_EQ(tile->BevelOuter(), bvLowered);
        EXPECT_EQ(tile->BevelInner(), bvLowered);
        EXPECT_EQ(tile->Caption(), "");
        EXPECT_EQ(tile->Color(), clBtnFace);
        EXPECT_EQ(tile->Tag, 0);
    }
}

TEST_F(MainFormLayoutTest, ScoredTilesLieAboveTheirCellAndOnlyTheyAreRemoved) {
    Start();
    for (int filledRows : {6, 3, 0}) {
        SCOPED_TRACE(filledRows);
        for (int row = 0; row < filledRows; ++row)
            for (int column = 1; column <= 5; ++column)
                form->PlaceTile(row, column, static_cast<char>('A' + column), column == 2 ? std::optional(clYellow) : std::nullopt);
        ASSERT_EQ(ScoredTileCount(), 5 * filledRows);
        if (filledRows > 0) {
            TPanel* tile = ScoredRow(filledRows - 1).at(1);
            EXPECT_EQ(tile->BoundsRect(), (TRect{56, 16 + 40 * (filledRows - 1), 33, 33}));
            EXPECT_EQ(tile->Caption(), "C");
            EXPECT_EQ(tile->Color(), clYellow);
            EXPECT_EQ(tile->BevelOuter(), bvRaised);
            EXPECT_EQ(tile->BevelInner(), bvRaised);
            EXPECT_EQ(ScoredRow(filledRows - 1).at(0)->Color(), clBtnFace);
        }
        std::vector<TControl*> emptyTiles;
        for (int i = 0; i < 30; ++i) emptyTiles.push_back(form->OverallPanel->Controls(i));
        form->RemoveScoredTiles();
        ASSERT_EQ(form->OverallPanel->ControlCount(), 30);
        for (int i = 0; i < 30; ++i)
            EXPECT_EQ(form->OverallPanel->Controls(i), emptyTiles[i]) << "no empty tile is built again";
    }
}

}  // namespace
