// Choosing the vocabulary: the built-in categories from the menu and a user's file through
// the chooser dialog.
#include "shell/application.h"
#include "support/windows.h"
#include "ui/file_system.h"

using namespace testing;

class ChooseVocabularyTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a category choice, also a repeated one, that keeps the result panel, the
  // score, the list or the old order; Cancel undoing the switch away from meanings; an OK
  // without a choice, or with a file that cannot be played (no records, or gone since the list
  // was read), that closes the dialog or loses the game in progress; and a switch to a usable
  // file that keeps the old score, list or check marks, reads meanings from it, or is taken
  // for the end of the program.
  void menuChoicesRestartTheGameOnlyOnAUsableVocabulary() {
    ProgramFolder folder;
    for (const char *name : {"birds.txt", "gone.txt"})
      folder.writeCustom(QString::fromLatin1(name), "owl|hoots|wise|a meaning|a sentence\r\n");
    folder.writeCustom(QStringLiteral("blank.txt"), "  \r\n\r\n");
    MessageRecorder messages;
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    GameWindow::setSeedSource([seed = 0u]() mutable { return ++seed; });
    QPointer<GameWindow> window = ui::forms::Show<GameWindow>();
    const auto checkMarks = [](const GameWindow *w) { // House, School, Animals, the user's file
      return QList<bool>{w->mnuHouse->isChecked(), w->mnuSchool->isChecked(),
                         w->mnuAnimals->isChecked(), w->mnuCustVocab->isChecked()};
    };
    QList<QList<qint16>> orders;
    for (int round = 0; round < 2; ++round) {
      click(window, "cmdHint01");
      loseGame(window);
      window->mnuHouse->trigger();
      QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
      QCOMPARE(checkMarks(window), (QList<bool>{true, false, false, false}));
      orders.append(window->arrWordOrder);
    }
    QVERIFY(orders.at(0) != orders.at(1));

    loseGame(window);
    window->mnuCustVocab->trigger();
    QCOMPARE(control<QListWidget>(window, "lstDifficultWords")->count(), 0);
    click(form("frmSelectCustVocab"), "cmdCancel");
    click(window, "Command1_0");
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->item(0)->setSelected(true);
    QCOMPARE(caption(form("frmShowMeaning"), "lblSentence"),
             QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ"));

    window->mnuCustVocab->trigger();
    QWidget *dialog = form("frmSelectCustVocab");
    click(window, "Command1_0");
    click(window, "cmdHint01");
    loseGame(window);
    const QString word = window->strWord;
    QVERIFY(QFile::remove(folder.customPath(QStringLiteral("gone.txt"))));
    for (const QString &file : {QString(), QStringLiteral("gone.txt"), QStringLiteral("blank.txt")}) {
      messages.clear();
      if (!file.isEmpty())
        selectItem(control<QListWidget>(dialog, "File1"), file);
      click(dialog, "cmdOK");
      processDeferredDeletes();
      QCOMPARE(messages.styles, QList<int>{file.isEmpty() ? 64 : 48});
      const QString text = messages.texts.first();
      QVERIFY2(file.isEmpty() ? text == u"You must choose a file." : text.contains(file), qPrintable(text));
      QVERIFY(window && dialog->isVisible());
      QCOMPARE(window->strWord, word);
      QCOMPARE(board(window), QStringLiteral("panel 1, keys 0, hints 00, score -1, list 1"));
    }

    selectItem(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
    click(dialog, "cmdOK");
    processDeferredDeletes();
    QVERIFY(quits == 0 && !form("frmSelectCustVocab"));
    auto *reopened = ui::forms::get<GameWindow>();
    QVERIFY(reopened && reopened->isVisible());
    QCOMPARE(reopened->strWord, QStringLiteral("OWL"));
    QVERIFY(!reopened->blnBuiltIn && reopened->arrWordTable.at(0).meaning.isEmpty());
    QCOMPARE(board(reopened), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
    QCOMPARE(checkMarks(reopened), (QList<bool>{false, false, false, true}));
    QCOMPARE(caption(reopened, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
  }

  // Guards against a check mark that Qt's own click leaves behind or takes away: after every
  // step exactly one of the four vocabulary items is checked, the one being played (none only
  // while nothing is loaded), whatever was clicked, cancelled or could not be read.
  void exactlyOneCheckMarkNamesTheVocabularyInPlay() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|at night\r\n");
    MessageRecorder messages;
    QFile::rename(folder.filePath("school.txt"), folder.filePath("school.off"));
    QPointer<QWidget> window = ui::forms::Show<GameWindow>();
    const auto marks = [&window] { // the checked items, by the letter of their vocabulary
      QString checked;
      for (const char *name : {"mnuHouse", "mnuSchool", "mnuAnimals", "mnuCustVocab"})
        if (control<QAction>(window, QString::fromLatin1(name))->isChecked())
          checked += QLatin1Char(name[3]);
      return checked;
    };
    const auto choose = [&](const char *item) { control<QAction>(window, QString::fromLatin1(item))->trigger(); };
    const auto cancelChooser = [&](const QString &playing) {
      choose("mnuCustVocab");
      QCOMPARE(marks(), playing); // the chooser is open, the same vocabulary plays on
      click(form("frmSelectCustVocab"), "cmdCancel");
      QCOMPARE(marks(), playing);
    };
    QCOMPARE(marks(), QString()); // nothing could be loaded
    choose("mnuSchool");
    QCOMPARE(marks(), QString());
    QFile::rename(folder.filePath("school.off"), folder.filePath("school.txt"));
    choose("mnuSchool");
    QCOMPARE(marks(), QStringLiteral("S"));
    choose("mnuSchool"); // the same again
    QCOMPARE(marks(), QStringLiteral("S"));
    cancelChooser(QStringLiteral("S"));
    QFile::remove(folder.filePath("house.txt"));
    choose("mnuHouse");
    QCOMPARE(marks(), QStringLiteral("S"));
    choose("mnuAnimals");
    QCOMPARE(marks(), QStringLiteral("A"));
    QFile::remove(folder.filePath("animals.txt"));
    choose("mnuAnimals"); // in use, but gone since
    QCOMPARE(marks(), QStringLiteral("A"));
    chooseFile(control<QAction>(window, "mnuCustVocab"), QStringLiteral("birds.txt"));
    window = form("Pindrel");
    QCOMPARE(marks(), QStringLiteral("C"));
    cancelChooser(QStringLiteral("C"));
    choose("mnuHouse");
    QCOMPARE(marks(), QStringLiteral("C"));
    choose("mnuSchool");
    QCOMPARE(marks(), QStringLiteral("S"));
    control<QAction>(window, "mnuCreate")->trigger();
    addEntry(form("new_vocab"), "cat", "a pet", "meows");
    click(form("new_vocab"), "cmdSave");
    control<QLineEdit>(form("frmSave"), "Text1")->setText(QStringLiteral("pets"));
    click(form("frmSave"), "cmdSave");
    processDeferredDeletes();
    window = form("Pindrel");
    QCOMPARE(marks(), QStringLiteral("C"));
  }

  // Guards against the chosen file read twice: once by the chooser to find it usable, again by
  // the main window it reopens.
  void chosenFileIsReadOnce() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|at night\r\n");
    QStringList reads;
    ui::setFileReadObserver([&reads](const QString &path) { reads.append(ui::shortName(path)); });
    const auto stop = qScopeGuard([] { ui::setFileReadObserver({}); });
    auto *window = ui::forms::Show<GameWindow>();
    reads.clear();
    chooseFile(control<QAction>(window, "mnuCustVocab"), QStringLiteral("birds.txt"));
    QCOMPARE(caption(form("Pindrel"), "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
    QCOMPARE(reads, QStringList{"birds.txt"});
  }
};

WINDOWS_TEST_MAIN(ChooseVocabularyTest)
#include "test_choose_vocabulary.moc"
