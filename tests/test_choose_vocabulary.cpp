// Choosing the vocabulary: the built-in categories from the menu and a user's file through
// the chooser dialog.
#include "shell/application.h"
#include "support/board.h"
#include "support/game.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "ui/forms.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace testing;

class ChooseVocabularyTest : public QObject {
  Q_OBJECT

  // The check marks of House, School, Animals and the user's vocabulary, in that order.
  static QList<bool> checkMarks(const GameWindow *w) {
    return {w->mnuHouse->isChecked(), w->mnuSchool->isChecked(), w->mnuAnimals->isChecked(),
            w->mnuCustVocab->isChecked()};
  }

private slots:
  void cleanup() { unloadAllForms(); }

  // Guards against a category choice, also a repeated one, that keeps the result panel, the
  // score, the list or the old order.
  void choosingACategoryTwiceRestartsTwice() {
    ProgramFolder folder;
    GameWindow::setSeedSource([seed = 0u]() mutable { return ++seed; });
    auto *window = ui::forms::Show<GameWindow>();
    QList<QList<qint16>> orders;
    for (int round = 0; round < 2; ++round) {
      click(control<QPushButton>(window, "cmdHint01"));
      loseGame(window);
      window->mnuHouse->trigger();
      QVERIFY(!control<QFrame>(window, "Frame1")->isVisible());
      QCOMPARE(enabledKeys(window), 26);
      QCOMPARE(caption(window, "lblScore"), QStringLiteral("0"));
      QCOMPARE(difficultWords(window)->count(), 0);
      QCOMPARE(checkMarks(window), (QList<bool>{true, false, false, false}));
      orders.append(window->arrWordOrder);
    }
    QVERIFY(orders.at(0) != orders.at(1));
  }

  // Guards against Cancel undoing the switch away from meanings; an OK without a choice, or
  // with a file that cannot be played (no records, or gone since the list was read), that
  // closes the dialog or loses the game in progress; and a switch to a usable file that keeps
  // the old score, list or check marks, or that is taken for the end of the program.
  void chooserKeepsTheGameUntilAUsableFileIsChosen() {
    ProgramFolder folder;
    for (const char *name : {"birds.txt", "gone.txt"})
      folder.writeCustom(QString::fromLatin1(name), "owl|hoots|wise\r\n");
    folder.writeCustom(QStringLiteral("blank.txt"), "  \r\n\r\n");
    MessageRecorder messages;
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    QPointer<GameWindow> window = ui::forms::Show<GameWindow>();
    loseGame(window);
    window->mnuCustVocab->trigger();
    QCOMPARE(difficultWords(window)->count(), 0);
    click(control<QPushButton>(ui::forms::find(QStringLiteral("frmSelectCustVocab")), "cmdCancel"));
    click(control<QPushButton>(window, "Command1_0"));
    loseGame(window);
    difficultWords(window)->item(0)->setSelected(true);
    QCOMPARE(caption(ui::forms::find(QStringLiteral("frmShowMeaning")), "lblSentence"), askTheAuthor);

    window->mnuCustVocab->trigger();
    QWidget *dialog = ui::forms::find(QStringLiteral("frmSelectCustVocab"));
    click(control<QPushButton>(window, "Command1_0"));
    click(control<QPushButton>(window, "cmdHint01"));
    loseGame(window);
    const QString word = window->strWord;
    QVERIFY(QFile::remove(folder.customPath(QStringLiteral("gone.txt"))));
    for (const QString &file : {QString(), QStringLiteral("gone.txt"), QStringLiteral("blank.txt")}) {
      messages.clear();
      if (!file.isEmpty())
        selectItem(control<QListWidget>(dialog, "File1"), file);
      click(control<QPushButton>(dialog, "cmdOK"));
      processDeferredDeletes();
      QCOMPARE(messages.count(), 1);
      const QString text = messages.texts().first();
      QVERIFY2(file.isEmpty() ? text == u"You must choose a file." : text.contains(file), qPrintable(text));
      QCOMPARE(messages.messages().first().style, file.isEmpty() ? 64 : 48);
      QVERIFY(window && dialog->isVisible());
      QCOMPARE(window->strWord, word);
      QCOMPARE(window->intScore, qint16(-1));
      QCOMPARE(difficultWords(window)->count(), 1);
    }

    selectItem(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
    click(control<QPushButton>(dialog, "cmdOK"));
    processDeferredDeletes();
    QCOMPARE(quits, 0);
    QVERIFY(!ui::forms::IsLoaded(QStringLiteral("frmSelectCustVocab")));
    auto *reopened = ui::forms::get<GameWindow>();
    QVERIFY(reopened && reopened->isVisible());
    QCOMPARE(reopened->strWord, QStringLiteral("OWL"));
    QCOMPARE(caption(reopened, "lblScore"), QStringLiteral("0"));
    QCOMPARE(difficultWords(reopened)->count(), 0);
    QCOMPARE(checkMarks(reopened), (QList<bool>{false, false, false, true}));
    QCOMPARE(caption(reopened, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
  }
};

QTEST_MAIN(ChooseVocabularyTest)
#include "test_choose_vocabulary.moc"
