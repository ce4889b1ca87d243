#pragma once

#include "game/game.h"
#include "storage/vocabulary_file.h"
#include "ui/clickable_label.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
namespace ui {
class ImageBox;
class ListenButton;
} // namespace ui

// The game: form "Pindrel". Its handlers ask the game core, then show what it says: the keys,
// the slots, the gallows, the score, the hints, the result panel and the difficult words.
class GameWindow : public QMainWindow, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "Pindrel";

    // checkedEntries: those of the custom file the window opens on, already read and found usable,
    // so that the file is not read a second time.
    explicit GameWindow(std::optional<QList<VocabEntry>> checkedEntries = std::nullopt);

    void Form_Load() override;
    void Form_Unload() override;

    // What the game stands at, for the shell's check marks and for tests.
    const game::Game &game() const { return m_game; }

signals:
    void vocabularyInUseChanged();
    // The window is unloading: the windows that live with it are to close too.
    void unloading();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static inline const QString hint01Description = QStringLiteral("hint 1");
    static inline const QString hint02Description = QStringLiteral("hint 2");
    // The score label's designed place, in twips; it widens about its centre for long numbers.
    static constexpr ui::Twips scoreDesign {7320, 600, 855, 855};

    // Building the window (game_window.cpp, game_window_menus.cpp).
    void createControls();
    void createMenus();
    void makeKeyboardFriendly();
    void ReportUnwritableCustomFolder();
    void showZoomed();
    void toggleFullScreen();

    // Vocabulary and words (game_window_vocabulary.cpp).
    bool RetrieveData(const QString &path, bool builtIn);
    void ChooseCategory(const QString &name);
    void showChosenVocabulary();
    void SelectWord();
    void showNewWord();
    void LayOutKeys();

    // The review list (game_window_review.cpp).
    void RetrieveReviewList();
    void SaveReviewList();
    void showReviewItem();

    // Play (game_window_play.cpp).
    void ResetBoard();
    void StartNextWord();
    void Guess(int index);
    void showRound();
    void showKey(int index);
    void showHintButtons();
    void showResult();
    void fitResult();
    void ShowStage(int stage);
    void ShowScore();
    void showHint(QLabel *label, const QString &hint, const QString &description);
    void emptyDiffList();

    // What a screen reader hears (game_window_accessibility.cpp).
    void describeKey(int index);
    void describeSlots();
    void announce(const QString &text);
    QString guessResult(QChar letter, qsizetype found) const;
    void announceNewWord();

    // Handlers.
    void Letter_Click(int index);
    void Form_KeyPress(int KeyAscii);
    void cmdHint01_Click();
    void cmdHint02_Click();
    void Command1_Click(int index);
    void lstDifficultWords_Click();
    void mnuHouse_Click();
    void mnuSchool_Click();
    void mnuAnimals_Click();
    void mnuCustVocab_Click();
    void mnuReview_Click();

    game::Game m_game;
    std::optional<QList<VocabEntry>> m_checkedEntries;
    int m_stepBeforeFullScreen = 100;

    QWidget *m_client = nullptr;
    ui::ControlArray<ui::ClickableLabel> Letter;
    ui::ControlArray<ui::ClickableLabel> Word;
    ui::ImageBox *imgPindrel = nullptr;
    QPushButton *cmdHint01 = nullptr;
    QPushButton *cmdHint02 = nullptr;
    QLabel *lblHint01 = nullptr;
    QLabel *lblHint02 = nullptr;
    QLabel *lblFileInUse = nullptr;
    QLabel *lblScoreLabel = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *lstDifficultWords = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    std::array<QPushButton *, 2> Command1 {};
    ui::ListenButton *cmdListen = nullptr;

    QAction *mnuCustVocab = nullptr;
    QAction *mnuReview = nullptr;
    QAction *mnuCreate = nullptr;
    QAction *mnuEditData = nullptr;
};
