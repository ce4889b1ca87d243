#pragma once

#include "game/vocabulary_in_use.h"
#include "storage/vocabulary_file.h"
#include "ui/clickable_label.h"
#include "ui/control_array.h"
#include "ui/forms.h"

#include <QList>
#include <QMainWindow>
#include <QRandomGenerator>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
namespace ui {
class ImageBox;
}

// The game: form "Pindrel".
class GameWindow : public QMainWindow, public ui::Form {
  Q_OBJECT

  static inline const QString hint01Description = QStringLiteral("hint 1");
  static inline const QString hint02Description = QStringLiteral("hint 2");

public:
  static constexpr const char *formName = "Pindrel";

  // checkedEntries: those of the custom file the window opens on, already read and found usable,
  // so that the file is not read a second time.
  explicit GameWindow(std::optional<QList<VocabEntry>> checkedEntries = std::nullopt);

  void Form_Load() override;
  void Form_Unload() override;

  // Procedures that other windows call.
  void SelectWord();
  void GameLost();
  void emptyDiffList();

  // Where word orders take their seed; tests make it fixed, the game takes it from the clock.
  static void setSeedSource(std::function<quint32()> source);

  const VocabularyInUse &vocabularyInUse() const { return m_vocabularyInUse; }

signals:
  void vocabularyInUseChanged();

public:
  // The game state. Read by tests; written only by the window's own procedures.
  QList<VocabEntry> arrWordTable;
  qint16 intWordCount = 0;
  QList<qint16> arrWordOrder; // positions 1..n; element 0 unused
  qint16 intNextWord = 0;
  bool blnBuiltIn = false;
  QString strWord;
  QString strHint01;
  QString strHint02;
  QString strMeaning;
  QString strSentence;
  qint16 intWrongGuesses = 0;
  qint16 intLettersFound = 0;
  qint16 intScore = 0;
  std::array<QStringList, 2> arrDiffInfo; // [0]: meanings, [1]: sentences, by list position

  // The menu items whose check marks and enabled states other windows set.
  QAction *mnuHouse = nullptr;
  QAction *mnuSchool = nullptr;
  QAction *mnuAnimals = nullptr;
  QAction *mnuCustVocab = nullptr;
  QAction *mnuExit = nullptr;
  QAction *mnuCreate = nullptr;
  QAction *mnuEditData = nullptr;
  QAction *mnuContents = nullptr;
  QAction *mnuAbout = nullptr;

protected:
  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // Building the window (game_window.cpp).
  void createControls();
  void createMenus();
  void makeKeyboardFriendly();
  void ReportUnwritableCustomFolder();
  QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption,
                       void (GameWindow::*handler)(), bool checkable = false);

  // Vocabulary (game_window_vocabulary.cpp).
  bool RetrieveData(const QString &path);
  void TakeVocabulary(QList<VocabEntry> entries);
  void MakeWordOrder(qint16 n);
  void ChooseCategory(const QString &name);
  void LayOutKeys();
  void ShowNoVocabulary();

  // Play (game_window_play.cpp).
  void ResetBoard();
  void StartNextWord();
  void Guess(int index);
  void GameWon();
  void ShowStage(int stage);
  void ShowScore();
  void showScoreCaption(const QString &caption);
  void showHint(QLabel *label, const QString &hint, const QString &description);

  // What a screen reader hears (game_window_accessibility.cpp).
  void describeKey(int index, bool used);
  void describeSlots();
  void announce(const QString &text);
  QString guessResult(QChar letter, qsizetype found) const;
  void showResult();
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
  void mnuExit_Click();
  void mnuCreate_Click();
  void mnuEditData_Click();
  void mnuContents_Click();
  void mnuAbout_Click();

  void setVocabularyInUse(VocabularyInUse vocabulary);

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
  std::array<QPushButton *, 2> Command1{};

  std::optional<QList<VocabEntry>> m_checkedEntries;
  VocabularyInUse m_vocabularyInUse;

};
