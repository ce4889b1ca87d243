// The hand-overs between windows, done by the shell: choosing a user's file, saving and playing
// it, the menu commands, the vocabulary menu's check marks, and what closes with the main window.
#include "shell/application.h"
#include "support/windows.h"
#include "ui/file_system.h"

using namespace testing;
using Act = std::function<void()>;
Q_DECLARE_METATYPE(Act)

static QTextBrowser *helpWindow() {
  for (QWidget *window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
      return qobject_cast<QTextBrowser *>(window);
  return nullptr;
}
static GameWindow *mainWindow() { return ui::forms::get<GameWindow>(); }

class NavigationTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against an OK without a choice, or with a file that cannot be played (no words, or
  // gone since the list was read), that closes the chooser or loses the game in progress; and a
  // switch to a usable file that keeps the old score or list, reads meanings from it, or is
  // taken for the end of the program.
  void chooserOpensTheGameOnlyOnAPlayableFile() {
    ProgramFolder folder;
    for (const char *name : {"birds.txt", "gone.txt"})
      folder.writeCustom(QString::fromLatin1(name), "owl|hoots|wise|a meaning|a sentence\r\n");
    folder.writeCustom(QStringLiteral("blank.txt"), "  \r\n\r\n");
    MessageRecorder messages;
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    auto *window = ui::forms::Show<GameWindow>();
    menuItem(window, "mnuCustVocab")->trigger();
    QWidget *dialog = form("frmSelectCustVocab");
    click(window, "cmdHint01");
    loseGame(window);
    const QString word = state(window).strWord;
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
      QVERIFY(mainWindow() == window && dialog->isVisible() && state(window).strWord == word);
      QCOMPARE(board(window), QStringLiteral("panel 1, keys 0, hints 00, score -1, list 1"));
    }
    selectItem(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
    click(dialog, "cmdOK");
    processDeferredDeletes();
    QVERIFY(quits == 0 && !form("frmSelectCustVocab") && mainWindow() && mainWindow()->isVisible());
    QCOMPARE(state(mainWindow()).strWord, QStringLiteral("OWL"));
    QVERIFY(!state(mainWindow()).blnBuiltIn && state(mainWindow()).arrWordTable.at(0).meaning.isEmpty());
    QCOMPARE(board(mainWindow()), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
    QCOMPARE(caption(mainWindow(), "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
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
  // Guards against help that opens anywhere but at its contents, loses its text at a link or
  // fails without a word when its file is missing; a second Create that keeps what the first
  // editor held or switches the meanings on for a user file; and windows (hidden ones and the
  // editor included) that outlive the main window and keep the program running with nothing
  // to see.
  void menuCommandsThenClosingEndEverything_data() {
    QTest::addColumn<Act>("close");
    QTest::newRow("Exit") << Act([] { menuItem(mainWindow(), "mnuExit")->trigger(); });
    QTest::newRow("close box") << Act([] { mainWindow()->close(); });
    QTest::newRow("quit button") << Act([] { click(mainWindow(), "Command1_1"); });
  }
  void menuCommandsThenClosingEndEverything() {
    QFETCH(Act, close);
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
    pindrelModule::strFileInUse = pindrelModule::strEditFile = QStringLiteral("birds.txt");
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    auto *window = ui::forms::Show<GameWindow>();
    menuItem(window, "mnuContents")->trigger();
    QTextBrowser *help = helpWindow();
    QVERIFY(help && help->toPlainText().contains(QStringLiteral("สารบัญ / Contents")));
    help->setSource(QUrl(QStringLiteral("#play")));
    QVERIFY(help->verticalScrollBar()->value() > 0 && help->toPlainText().contains("สารบัญ / Contents"));
    menuItem(window, "mnuContents")->trigger();
    QCOMPARE(helpWindow(), help);
    QCOMPARE(help->verticalScrollBar()->value(), 0);
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("help04.hlp"))));
    menuItem(window, "mnuContents")->trigger();
    QVERIFY(help->toPlainText().contains("ขออภัย") && help->toPlainText().contains("help04.hlp"));

    menuItem(window, "mnuCreate")->trigger();
    QTest::keyClicks(control<QLineEdit>(form("new_vocab"), "txtVocab"), "giraffe");
    menuItem(window, "mnuCreate")->trigger();
    processDeferredDeletes();
    QCOMPARE(control<QLineEdit>(form("new_vocab"), "txtVocab")->text(), QString());
    QVERIFY(pindrelModule::strEditFile.isEmpty() && !state(window).blnBuiltIn);

    menuItem(window, "mnuAbout")->trigger();
    menuItem(window, "mnuEditData")->trigger();
    ui::forms::Hide(QStringLiteral("frmChooseFile"));
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->item(0)->setSelected(true);
    ui::forms::Hide(QStringLiteral("frmShowMeaning"));
    QCOMPARE(ui::forms::loadedNames().size(), 5);
    close();
    processDeferredDeletes();
    QCOMPARE(ui::forms::loadedNames(), QStringList());
    QVERIFY(!helpWindow());
    QCOMPARE(quits, 1);
  }

  // Guards against windows that outlive a main window opened anew on a file (About, the save
  // dialog, the chooser and the editor close with it), while the meaning popup and the edit
  // chooser, which only hide, stay loaded.
  void windowsOfTheMainWindowCloseWhenItOpensAnew() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
    auto *window = ui::forms::Show<GameWindow>();
    menuItem(window, "mnuAbout")->trigger();
    menuItem(window, "mnuCreate")->trigger();
    addEntry(form("new_vocab"), "cat", "a pet", "meows");
    click(form("new_vocab"), "cmdSave");
    menuItem(window, "mnuEditData")->trigger();
    click(form("frmChooseFile"), "cmdCancel");
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->setCurrentRow(0);
    QStringList before = ui::forms::loadedNames();
    before.sort();
    QCOMPARE(before, QStringList({"Pindrel", "frmAbout", "frmChooseFile", "frmSave", "frmShowMeaning", "new_vocab"}));
    chooseFile(menuItem(window, "mnuCustVocab"), QStringLiteral("birds.txt"));
    QStringList after = ui::forms::loadedNames();
    after.sort();
    QCOMPARE(after, QStringList({"Pindrel", "frmChooseFile", "frmShowMeaning"}));
  }
};

WINDOWS_TEST_MAIN(NavigationTest)
#include "test_navigation.moc"
