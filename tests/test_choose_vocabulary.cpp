// Choosing the vocabulary: the built-in categories from the menu and a user's file through
// the chooser dialog.
#include "game/game_window.h"
#include "game/select_cust_vocab.h"
#include "shell/application.h"
#include "storage/pindrel_module.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using testing::control;

namespace {

const QString birds = QStringLiteral("birds.txt");

void loseGame(GameWindow *window) {
  int wrong = 0;
  for (char c = 'A'; c <= 'Z' && wrong < 9; ++c)
    if (!window->strWord.contains(QLatin1Char(c))) {
      testing::click(control<QLabel>(window, QStringLiteral("Letter_%1").arg(c - 'A')));
      ++wrong;
    }
}

int difficultWords(GameWindow *window) {
  return control<QListWidget>(window, "lstDifficultWords")->count();
}

QStringList checkedItems(GameWindow *window) {
  QStringList checked;
  for (const char *name : {"mnuHouse", "mnuSchool", "mnuAnimals", "mnuCustVocab"})
    if (control<QAction>(window, name)->isChecked())
      checked.append(QString::fromLatin1(name));
  return checked;
}

SelectCustVocab *openChooser(GameWindow *window) {
  window->mnuCustVocab->trigger();
  return ui::forms::get<SelectCustVocab>();
}

void pressOK(SelectCustVocab *dialog, const QString &name) {
  if (!name.isEmpty())
    control<QListWidget>(dialog, "File1")->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
  testing::click(control<QPushButton>(dialog, "cmdOK"));
  testing::processDeferredDeletes();
}

} // namespace

class ChooseVocabularyTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    static quint32 seed = 0;
    GameWindow::setSeedSource([] { return ++seed; });
  }
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
  }

  // Guards against a category choice, also a repeated one, that keeps the result panel, the
  // score, the list or the old order.
  void choosingACategoryTwiceRestartsTwice() {
    ProgramFolder folder;
    auto *window = ui::forms::Show<GameWindow>();
    QList<QList<qint16>> orders;
    for (int round = 0; round < 2; ++round) {
      testing::click(control<QPushButton>(window, "cmdHint01"));
      loseGame(window);
      QVERIFY(control<QFrame>(window, "Frame1")->isVisible());
      window->mnuHouse->trigger();
      QVERIFY(!control<QFrame>(window, "Frame1")->isVisible());
      QVERIFY(control<QLabel>(window, "Letter_25")->isEnabled());
      QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("0"));
      QCOMPARE(window->intScore, qint16(0));
      QCOMPARE(difficultWords(window), 0);
      QCOMPARE(checkedItems(window), QStringList{QStringLiteral("mnuHouse")});
      orders.append(window->arrWordOrder);
    }
    QVERIFY(orders.at(0) != orders.at(1));
  }

  // Guards against an OK without a choice that closes the dialog or reloads the game.
  void okWithoutAFileAsksForOne() {
    ProgramFolder folder;
    folder.writeCustom(birds, "owl|hoots|wise\r\n");
    MessageRecorder messages;
    QPointer<GameWindow> window = ui::forms::Show<GameWindow>();
    SelectCustVocab *dialog = openChooser(window);
    pressOK(dialog, {});
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().text, QStringLiteral("You must choose a file."));
    QCOMPARE(messages.messages().first().style, 64);
    QVERIFY(dialog->isVisible());
    QCOMPARE(ui::forms::get<GameWindow>(), window.data());
  }

  // Guards against a switch to a user file that keeps the old score, list or check marks, or
  // that is taken for the end of the program.
  void okWithAFileReopensTheGameOnIt() {
    ProgramFolder folder;
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    folder.writeCustom(QStringLiteral("apes.txt"), "ape|swings|hairy\r\n");
    folder.writeCustom(birds, "owl|hoots|wise\r\n");
    QPointer<GameWindow> old = ui::forms::Show<GameWindow>();
    old->mnuHouse->trigger();
    loseGame(old);
    pressOK(openChooser(old), birds);

    QVERIFY(old.isNull());
    QCOMPARE(quits, 0);
    QVERIFY(!ui::forms::IsLoaded(QStringLiteral("frmSelectCustVocab")));
    auto *window = ui::forms::get<GameWindow>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->strWord, QStringLiteral("OWL"));
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("0"));
    QCOMPARE(difficultWords(window), 0);
    QCOMPARE(checkedItems(window), QStringList{QStringLiteral("mnuCustVocab")});
    QCOMPARE(control<QLabel>(window, "lblFileInUse")->text(),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
  }

  // Guards against Cancel undoing the switch away from meanings.
  void cancelKeepsTheMeaningsOff() {
    ProgramFolder folder;
    folder.writeCustom(birds, "owl|hoots|wise\r\n");
    auto *window = ui::forms::Show<GameWindow>();
    loseGame(window);
    SelectCustVocab *dialog = openChooser(window);
    QCOMPARE(difficultWords(window), 0);
    testing::click(control<QPushButton>(dialog, "cmdCancel"));
    testing::processDeferredDeletes();
    QVERIFY(!ui::forms::IsLoaded(QStringLiteral("frmSelectCustVocab")));

    testing::click(control<QPushButton>(window, "Command1_0"));
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->item(0)->setSelected(true);
    QWidget *popup = ui::forms::find(QStringLiteral("frmShowMeaning"));
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(control<QLabel>(popup, "lblSentence")->text(),
             QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ"));
  }

  // Guards against losing the game in progress to a file that cannot be played.
  void unusableFileKeepsTheGame_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("removedAfterListing");
    QTest::newRow("no records") << QByteArray("  \r\n\r\n") << false;
    QTest::newRow("gone since the list was read") << QByteArray("owl|hoots|wise\r\n") << true;
  }
  void unusableFileKeepsTheGame() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, removedAfterListing);
    ProgramFolder folder;
    folder.writeCustom(birds, contents);
    MessageRecorder messages;
    QPointer<GameWindow> window = ui::forms::Show<GameWindow>();
    SelectCustVocab *dialog = openChooser(window);
    testing::click(control<QPushButton>(window, "cmdHint01"));
    loseGame(window);
    const QString word = window->strWord;
    if (removedAfterListing)
      QVERIFY(QFile::remove(folder.customPath(birds)));
    pressOK(dialog, birds);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, 48);
    QVERIFY(messages.texts().first().contains(birds));
    QCOMPARE(ui::forms::get<GameWindow>(), window.data());
    QVERIFY(dialog->isVisible());
    QCOMPARE(window->strWord, word);
    QCOMPARE(window->intScore, qint16(-1));
    QCOMPARE(difficultWords(window), 1);
    QVERIFY(pindrelModule::strFileInUse.isEmpty());
  }
};

QTEST_MAIN(ChooseVocabularyTest)
#include "test_choose_vocabulary.moc"
