// The pop-up dialogs: questions with Yes and No, timed captions, the pause, the name entry, the
// sending of a result, and the level results. At most one is open; while it is, its frame runs
// instead of the screen's.

#include "app/Zorvex_unit.h"
#include "engine/MyImageSprite.h"
#include "screens/MyCursor.h"

namespace {

constexpr int32_t YesItem = 11;
constexpr int32_t NoItem = 12;
constexpr int32_t PanelImage = 33;
constexpr int32_t CaptionStyle = 5;
constexpr int32_t QuestionStyle = 1;

bool HasPanel(TDialogKind kind) {
    switch (kind) {
        case dkExitGame:
        case dkExitToMenu:
        case dkClearScores:
        case dkEnterName:
        case dkSendResult:
        case dkSending:
        case dkResults:
        case dkCongratulations:
            return true;
        default:
            return false;
    }
}

bool IsQuestion(TDialogKind kind) {
    return kind == dkExitGame || kind == dkExitToMenu || kind == dkClearScores ||
           kind == dkSendResult;
}

// The sounds a dialog silences: the ship's loops and its short effects.
constexpr int ShipSounds[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22};

}  // namespace

void TMForm::OpenDialog(TDialogKind kind) {
    if (DialogKind != dkNone)
        return;
    for (int sound : ShipSounds)
        MDXWaveList.StopSound(sound);
    DialogKind = kind;
    savedMenuIndex_ = Menu.MenuIndex;
    savedMenuStart_ = Menu.MenuStart;
    savedMenuEnd_ = Menu.MenuEnd;
    if (HasPanel(kind))
        dialogPanel_ = TMyImageSprite::CreateAt(Services, 1, PanelImage, 239, 227, 14);
    if (kind == dkEnterName)
        ShowPointer();
    if (IsQuestion(kind)) {
        ShowPointer();
        Menu.MenuStart = YesItem;
        Menu.MenuEnd = NoItem;
        Menu.MenuIndex = kind == dkSendResult ? YesItem : NoItem;
        auto* yes = NewSprite<TMenuButton>(Services, 1, 314, 275, 1, 0, 34, 34);
        auto* no = NewSprite<TMenuButton>(Services, 1, 314, 401, 1, 0, 35, 35);
        for (TMenuButton* button : {yes, no}) {
            button->SetZ(15);
            button->DialogZ = kind == dkExitGame;
        }
        Menu.MenuButtons[YesItem] = yes;
        Menu.MenuButtons[NoItem] = no;
    }
    if (kind == dkLevel)
        DialogTimer = 2000;
    if (kind == dkTimeOver || kind == dkGameOver)
        DialogTimer = 3000;
    if (kind == dkEnterName) {
        nameCursor_ = NewSprite<TMyCursor>(Services, 1, 600, 15, 322, 275, 22);
        nameCursor_->Blinking = 1;
    }
    SendingStep = 0;
}

// A timed caption closes on the first frame with less than one FrameTime left.
bool TMForm::CountDownDialog() {
    if (DialogTimer - Timing.FrameTime >= 0) {
        DialogTimer -= Timing.FrameTime;
        return false;
    }
    return true;
}

void TMForm::DialogFrame(int32_t lagCount) {
    if (IsQuestion(static_cast<TDialogKind>(DialogKind)))
        QuestionKeys(lagCount);
    switch (DialogKind) {
        case dkExitGame:
            DrawCentred(QuestionStyle, "Exit the game?", 400, 281);
            break;
        case dkExitToMenu:
            DrawCentred(QuestionStyle, "Exit to menu?", 400, 281);
            break;
        case dkTimeOver:
            DrawCentred(CaptionStyle, "Your time is over,", 400, 251);
            DrawCentred(CaptionStyle, "Try again, please!", 400, 311);
            if (CountDownDialog()) {
                CloseDialog();
                if (Race)
                    Race->StartLevel(false);
            }
            break;
        case dkClearScores:
            DrawCentred(3, "Do you want to clear", 400, 261);
            DrawCentred(3, "the High Score Table?", 400, 291);
            break;
        case dkPause:
            DrawCentred(CaptionStyle, "Pause", 400, 300);
            // Each of the two keys closes once.
            if (Input.P.Pressed)
                CloseDialog();
            if (Input.Esc.Pressed)
                CloseDialog();
            break;
        case dkLevel:
            DrawCentred(CaptionStyle, "Level " + std::to_string(Race ? Race->State().Level : 0),
                        400, 300);
            if (CountDownDialog())
                CloseDialog();
            break;
        case dkGameOver:
            DrawCentred(CaptionStyle, "Game Over", 400, 300);
            if (CountDownDialog()) {
                CloseDialog();
                FinishGame();
            }
            break;
        case dkEnterName:
            NameEntryFrame(lagCount);
            break;
        case dkSendResult:
            DrawCentred(11, "Send the result to World's", 400, 261, 14);
            DrawCentred(11, "Highscores page?", 400, 291, 14);
            break;
        case dkSending:
            SendingFrame();
            break;
        case dkResults:
            if (Race)
                Race->ResultsFrame();
            break;
        case dkCongratulations:
            DrawCentred(9, "CONGRATULATIONS!", 400, 271, 18);
            DrawCentred(9, "You finished the race!", 400, 317, 16);
            if (Race && Race->CongratulationsFrame()) {
                CloseDialog();
                FinishGame();
            }
            break;
        default:
            break;
    }
    if (ScreenKind == skRace && Race)
        Race->DrawRaceHud();
}

void TMForm::QuestionKeys(int32_t lagCount) {
    for (int32_t item : {YesItem, NoItem})
        if (TMenuButton* button = Menu.Button(item))
            button->MoveTree(lagCount);
    Menu.UpdateHighlight(false, Input.MouseX, Input.MouseY);
    if (Input.Y.Pressed)
        ChooseMenuItem(YesItem);
    if (Input.N.Pressed)
        ChooseMenuItem(NoItem);
    if (Input.Left.Pressed) {
        if (Menu.MenuIndex < YesItem || Menu.MenuIndex > NoItem)
            Menu.MenuIndex = YesItem;
        if (Menu.MenuIndex - 1 >= YesItem)
            --Menu.MenuIndex;
    }
    if (Input.Right.Pressed) {
        if (Menu.MenuIndex < YesItem || Menu.MenuIndex > NoItem)
            Menu.MenuIndex = NoItem;
        if (Menu.MenuIndex + 1 <= NoItem)
            ++Menu.MenuIndex;
    }
}

void TMForm::DrawCentred(int32_t style, const std::string& text, int32_t x, int32_t y,
                         int32_t points) {
    Text.SetTextFont(style);
    if (points > 0)
        Text.SetTextSize(points);
    Text.DrawTextAt(text, x, y, true, true);
}

void TMForm::NameEntryFrame(int32_t lagCount) {
    const int32_t score = Race ? Race->State().Score : 0;
    DrawCentred(9, "Your score is " + std::to_string(score), 400, 261, 14);
    DrawCentred(9, "Please enter your name: ", 400, 296, 14);
    DrawCentred(10, PlayerName, 400, 334);
    if (nameCursor_) {
        nameCursor_->X = Text.TextWidthIn(PlayerName, 10) / 2.0 + 402;
        nameCursor_->Advance(lagCount);
    }
    if (TypedChar != '\r')
        return;
    TypedChar = 0;
    Saved.HighScores[NewHighScoreSlot] = {PlayerName, score};
    SortHighScores(Saved.HighScores);
    CloseDialog();
    OpenDialog(dkSendResult);
}

// The request starts in the dialog's first frame and runs in the background; "Sending..." stays
// on screen, one frame after another, until it has ended.
void TMForm::SendingFrame() {
    DrawCentred(QuestionStyle, "Sending...", 400, 279);
    if (SendingStep != 1) {
        SendingStep = 1;
        if (Race)
            Online.SendWorldResult(PlayerName, Race->State().Score, Options.Country);
        return;
    }
    if (Online.Sending())
        return;
    CloseDialog();
    EndGameToHighScores(1);
}

void TMForm::DialogAnswer() {
    const bool yes = Menu.MenuIndex == YesItem;
    if (!yes && Menu.MenuIndex != NoItem)
        return;
    switch (DialogKind) {
        case dkExitGame:
            CloseDialog();
            if (yes) {
                MainMenu.LeaveMainMenu();  // also kills its background
                Shutdown();
            }
            break;
        case dkExitToMenu:
            CloseDialog();
            if (yes)
                FinishGame();
            break;
        case dkClearScores:
            CloseDialog();
            if (yes)
                Saved.ResetHighScores();
            break;
        case dkSendResult:
            CloseDialog();
            if (yes)
                OpenDialog(dkSending);
            else
                EndGameToHighScores(4);
            break;
        default:
            break;
    }
}

// After the last dialog of a game: the name entry when the score qualifies, else the menu.
void TMForm::FinishGame() {
    const int32_t score = Race ? Race->State().Score : 0;
    if (ScoreQualifies(Saved.HighScores, score)) {
        OpenDialog(dkEnterName);
        return;
    }
    if (Race)
        Race->EndRace();
    MainMenu.EnterMainMenu(0, 1, true);
}

// The end of a game that went through the send question: the main menu is rebuilt with mainItem
// highlighted and left for the high-score screen in the same frame, so no main button shows
// highlighted there.
void TMForm::EndGameToHighScores(int32_t mainItem) {
    if (Race)
        Race->EndRace();
    MainMenu.EnterMainMenu(0, mainItem, true);
    HighScoresScreen.Build();
}

void TMForm::CloseDialog() {
    const auto kind = static_cast<TDialogKind>(DialogKind);
    Menu.MenuIndex = savedMenuIndex_;
    Menu.MenuStart = savedMenuStart_;
    Menu.MenuEnd = savedMenuEnd_;
    if (HasPanel(kind) && dialogPanel_) {
        dialogPanel_->KillOnce();
        dialogPanel_ = nullptr;
    }
    if (kind == dkEnterName)
        HidePointer();
    if (IsQuestion(kind)) {
        if (ScreenKind == skRace)
            HidePointer();
        for (int32_t item : {YesItem, NoItem}) {
            if (TMenuButton* button = Menu.Button(item))
                button->KillOnce();
            Menu.MenuButtons[item] = nullptr;
        }
    }
    if (kind == dkEnterName && nameCursor_) {
        nameCursor_->Blinking = 0;
        nameCursor_->Visible = false;
        nameCursor_->KillOnce();
        nameCursor_ = nullptr;
    }
    if ((kind == dkPause || kind == dkExitToMenu) && Race)
        Race->ResumeShipSounds();
    DialogKind = dkNone;
    if (BossMinimized) {
        BossMinimized = false;
        PlayScreenMusic();
    }
    MDXSpriteEngine.SweepDead();
}
