#pragma once

#include "cards/player.h"
#include "engine/game.h"
#include "ui/qt_platform.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace kov {

class PictureControl;

// The main window: both players' card slots, the draw and discard piles, whose turn it is, the
// running totals and three buttons, laid out at fixed places. It only lays out the controls and
// forwards clicks; the game decides what they do.
class frmKOV : public QWidget {
    Q_OBJECT

public:
    // Cards are dealt from cardFile; their pictures come from pictureFolder.
    frmKOV(const QString& pictureFolder, const std::filesystem::path& cardFile,
           QWidget* parent = nullptr);
    ~frmKOV() override;

    // Deals the first hand before the window is first shown. Returns the message to show when
    // the card file cannot be used; the program cannot start then.
    [[nodiscard]] std::optional<std::string> Form_Load();

    [[nodiscard]] PictureControl* slot(Player player, int slot) const;
    [[nodiscard]] PictureControl* PickupCard() const { return PickupCard_; }
    [[nodiscard]] PictureControl* DiscardCard() const { return DiscardCard_; }
    [[nodiscard]] QLabel* turnLabel(Player player) const;
    [[nodiscard]] QLabel* totalLabel(Player player) const;
    [[nodiscard]] QLabel* colourInForce() const { return colourInForce_; }
    [[nodiscard]] Game& game() { return game_; }

    // Whose turn marker is shown: the player the keys 1 to 7 play for. Nobody while no hand is
    // in play.
    [[nodiscard]] std::optional<Player> playerToMove() const;
    // Names the turn markers after the one shown, for screen readers; called on every change.
    void nameTurnLabels();

private:
    void CmdNewGame_Click();
    void cmdExit_Click();
    void cmdAbout_Click();

    std::array<PictureControl*, 7> PlayerOneCard_{};
    std::array<PictureControl*, 7> PlayerTwoCard_{};
    PictureControl* PickupCard_ = nullptr;
    PictureControl* DiscardCard_ = nullptr;
    QLabel* lblPlayerOne_ = nullptr;
    QLabel* lblPlayerTwo_ = nullptr;
    QLabel* lblPlayerOneScore_ = nullptr;
    QLabel* lblPlayerTwoScore_ = nullptr;
    QLabel* colourInForce_ = nullptr;
    QPushButton* CmdNewGame_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdAbout_ = nullptr;

    QtPlatform platform_;
    Game game_;
};

} // namespace kov
