#pragma once

#include "engine/game.h"
#include "forms/board_view.h"

#include <QWidget>

#include <filesystem>
#include <optional>

class QLabel;
class QPushButton;

namespace kov {

class PictureControl;

// The main window: both players' card slots, the draw and discard piles, whose turn it is, the
// running totals and three buttons, laid out at fixed places. It only lays out the controls and
// hands each click to the game as the game's own action; the game decides what it does.
class frmKOV : public QWidget {
    Q_OBJECT

public:
    // Cards are dealt from cardFile; their pictures come from pictureFolder.
    frmKOV(const std::filesystem::path& pictureFolder, const std::filesystem::path& cardFile,
           QWidget* parent = nullptr);
    ~frmKOV() override;

    // Deals the first hand before the window is first shown. Says why when the card file
    // cannot be used; the program cannot start then.
    [[nodiscard]] std::optional<CardFileProblem> Form_Load();

    [[nodiscard]] const GameState& gameState() const { return game_.state(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    // The player the keys 1 to 7 play for: the player to move, nobody while no hand is in play.
    [[nodiscard]] std::optional<Player> playerToMove() const;
    void PlayerOneCard_Click(int index);
    void PlayerTwoCard_Click(int index);
    void PickupCard_Click();
    void CmdNewGame_Click();
    void cmdExit_Click();
    void cmdAbout_Click();

    BoardControls board_;
    QList<QLabel*> boardLabels_; // the six boxed labels: turn markers, captions and totals
    PictureControl* PickupCard_ = nullptr;
    QPushButton* CmdNewGame_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdAbout_ = nullptr;

    BoardView view_;
    Game game_;
};

} // namespace kov
