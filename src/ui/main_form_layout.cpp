// The window as designed, and the board's tiles that come and go on it.
#include "ui/main_form.h"

#include "os/process.h"

using namespace forms;

TMainForm* MainForm = nullptr;

namespace {

constexpr int TileSize = 33;
constexpr int CellPitch = 40;
constexpr int BoardMargin = 16;
constexpr int KeySize = 25;
constexpr int KeysPerRow = 7;
constexpr std::int32_t ScoredTileTag = 40;

TPanel* NewPanel(TComponent* owner, TWinControl* parent, const char* name, TRect bounds, TBevelCut outer,
                 TBevelCut inner, int bevelWidth) {
    auto* panel = new TPanel(owner);
    panel->Name = name;
    panel->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    panel->SetBevelOuter(outer);
    panel->SetBevelInner(inner);
    panel->SetBevelWidth(bevelWidth);
    panel->SetParent(parent);
    return panel;
}

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner), Clock(os::UtcMillisecondsOfDay) {
    Name = "MainForm";
    Caption = "Plimbor";
    ClientWidth = 457;
    ClientHeight = 282;
    Color = clGreen;
    SetFont(TFont{"System", -13, clWindowText, false});
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };

    OverallPanel = NewPanel(this, this, "OverallPanel", {8, 8, 225, 266}, bvRaised, bvRaised, 2);
    RightPanel = NewPanel(this, this, "RightPanel", {240, 8, 209, 266}, bvRaised, bvRaised, 2);
    KeyboardPanel = NewPanel(this, RightPanel, "KeyboardPanel", {16, 16, 177, 105}, bvNone, bvNone, 1);
    for (int k = 0; k < 26; ++k) {
        const std::string letter(1, static_cast<char>('A' + k));
        TPanel* key = NewPanel(this, KeyboardPanel, ("Keyboard" + letter).c_str(),
                               {KeySize * (k % KeysPerRow), KeySize * (k / KeysPerRow), KeySize, KeySize},
                               bvRaised, bvLowered, 1);
        key->SetCaption(letter);
        LetterKeys[k] = key;
    }

    GuessLabel = new TLabel(this);
    GuessLabel->Name = "GuessLabel";
    GuessLabel->SetBounds(16, 196, 46, 16);
    GuessLabel->SetCaption("Guess:");
    GuessLabel->SetParent(RightPanel);
    GuessLabel->SetFont(TFont{"System", -13, clBtnText, false});

    InputPanel = NewPanel(this, RightPanel, "InputPanel", {16, 216, 177, 33}, bvLowered, bvLowered, 1);
    InputPanel->SetColor(clWindow);

    InputEdit = new TEdit(this);
    InputEdit->Name = "InputEdit";
    InputEdit->SetBounds(8, 8, 145, 17);
    InputEdit->BorderStyle = bsNone;
    InputEdit->Color = clWindow;
    InputEdit->CharCase = ecUpperCase;
    InputEdit->MaxLength = 5;
    InputEdit->OnKeyPress = [this](TObject* sender, char& key) { InputEditKeyPress(sender, key); };
    InputEdit->SetParent(InputPanel);

    MainMenu = new TMainMenu(this);
    MainMenu->Name = "MainMenu";
    GameMenuItem = AddMenuItem(this, MainMenu->Items, "&Game");
    GameMenuItem->Name = "GameMenuItem";
    NewGameMenuItem = AddMenuItem(this, GameMenuItem, "&New Game",
                                  [this](TObject* sender) { NewGameMenuItemClick(sender); }, VK_F2);
    NewGameMenuItem->Name = "NewGameMenuItem";
    ExitMenuItem = AddMenuItem(this, GameMenuItem, "E&xit", [this](TObject* sender) { ExitMenuItemClick(sender); });
    ExitMenuItem->Name = "ExitMenuItem";
    HelpMenuItem = AddMenuItem(this, MainMenu->Items, "&Help");
    HelpMenuItem->Name = "HelpMenuItem";
    AboutMenuItem = AddMenuItem(this, HelpMenuItem, "&About...", [this](TObject* sender) { AboutMenuItemClick(sender); });
    AboutMenuItem->Name = "AboutMenuItem";
    Menu = MainMenu;
}

void TMainForm::BuildBoard() {
    for (int row = 1; row <= 6; ++row) {
        for (int column = 1; column <= 5; ++column) {
            auto* tile = new TPanel(OverallPanel);
            tile->SetBounds((column - 1) * CellPitch + BoardMargin, (row - 1) * CellPitch + BoardMargin, TileSize,
                            TileSize);
            tile->SetBevelInner(bvLowered);
            tile->SetBevelOuter(bvLowered);
            tile->SetParent(OverallPanel);
            tile->SetVisible(true);
        }
    }
}

void TMainForm::PlaceTile(std::int32_t row, int column, char letter, std::optional<TColor> color) {
    auto* tile = new TPanel(OverallPanel);
    tile->SetBounds((column - 1) * CellPitch + BoardMargin, row * CellPitch + BoardMargin, TileSize, TileSize);
    tile->SetCaption(std::string(1, letter));
    if (color) tile->SetColor(*color);
    tile->SetBevelInner(bvRaised);
    tile->SetBevelOuter(bvRaised);
    // Attached after the empty tiles, so it lies above the one of its cell.
    tile->SetParent(OverallPanel);
    tile->SetVisible(true);
    tile->Tag = ScoredTileTag;
}

void TMainForm::RemoveScoredTiles() {
    // Downwards, so every index still to visit stays valid as tiles go.
    const int count = OverallPanel->ControlCount();
    for (int i = count - 1; i >= 0; --i) {
        TControl* child = OverallPanel->Controls(i);
        if (child->Tag == ScoredTileTag) delete child;
    }
}
