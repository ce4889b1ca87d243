// Saving the editor's entries through the save dialog or back into the file being edited,
// and opening a file for editing through the chooser.
#include "editor/vocab_editor.h"
#include "game/game_window.h"
#include "storage/choose_file_dialog.h"
#include "storage/pindrel_module.h"
#include "storage/save_dialog.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using testing::control;

namespace {

const QByteArray birds = "owl|hoots|at night\r\nhen|lays eggs|on a farm\r\n";

QWidget *form(const char *name) { return ui::forms::find(QString::fromLatin1(name)); }

void addEntry(QWidget *editor, const QString &word, const QString &hint01, const QString &hint02) {
  control<QLineEdit>(editor, "txtVocab")->setText(word);
  control<QLineEdit>(editor, "txtHint01")->setText(hint01);
  control<QLineEdit>(editor, "txtHint02")->setText(hint02);
  testing::click(control<QPushButton>(editor, "cmdNext"));
}
void addCat() { addEntry(form("new_vocab"), "cat", "a pet", "meow"); }

// The editor's save button, then the dialog's, with the name typed.
void saveAs(const QString &name) {
  testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
  QWidget *dialog = form("frmSave");
  control<QLineEdit>(dialog, "Text1")->setText(name);
  testing::click(control<QPushButton>(dialog, "cmdSave"));
}

void selectIn(QListWidget *list, const QString &name) {
  const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
  QVERIFY(!items.isEmpty());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(items.first()).center());
}

// The Edit command, the file chosen and OK.
void chooseForEditing(GameWindow *game, const QString &name) {
  control<QAction>(game, "mnuEditData")->trigger();
  QWidget *chooser = form("frmChooseFile");
  if (!name.isEmpty())
    selectIn(control<QListWidget>(chooser, "ChooseFile"), name);
  testing::click(control<QPushButton>(chooser, "cmdOK"));
}

} // namespace

class SaveAndEditTest : public QObject {
  Q_OBJECT

  GameWindow *startGame(ProgramFolder &folder) {
    folder.writeCustom(QStringLiteral("birds.txt"), birds);
    return ui::forms::Show<GameWindow>();
  }
  void createMode(GameWindow *game) { control<QAction>(game, "mnuCreate")->trigger(); }

private slots:
  void init() { GameWindow::setSeedSource([] { return 7u; }); }
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
    pindrelModule::strEditFile.clear();
  }

  // Guards against the placeholder written, element 0 of an edited file lost, a missing or
  // extra line end, a field altered on its way out, or bytes changed by a read and a write.
  void fileHoldsTheStoreLineByLine_data() {
    QTest::addColumn<QByteArray>("edited"); // null: create mode
    QTest::addColumn<QStringList>("added"); // word, hint one, hint two, ...
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("create, nothing added") << QByteArray() << QStringList() << QByteArray();
    QTest::newRow("create, two entries")
        << QByteArray() << QStringList{"cat", "a pet", "meow", "dog", "a pet", "woof"}
        << QByteArray("cat|a pet|meow\r\ndog|a pet|woof\r\n");
    QTest::newRow("hint with a bar, spaces kept")
        << QByteArray() << QStringList{"cat", "x|y ", " meow"} << QByteArray("cat|x|y | meow\r\n");
    QTest::newRow("edit, one added")
        << birds << QStringList{"dog", "a pet", "woof"} << birds + "dog|a pet|woof\r\n";
    const QByteArray thai = "cat|\x81\xDB\xFF|" + cp874(QStringLiteral("แมว เหมียว")) + "\r\n";
    QTest::newRow("edit, thai and unassigned bytes") << thai << QStringList() << thai;
  }
  void fileHoldsTheStoreLineByLine() {
    QFETCH(QByteArray, edited);
    QFETCH(QStringList, added);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    MessageRecorder messages;
    GameWindow *game = startGame(folder);
    if (!edited.isNull()) {
      folder.writeCustom(QStringLiteral("birds.txt"), edited);
      chooseForEditing(game, QStringLiteral("birds.txt"));
    } else {
      createMode(game);
      if (added.isEmpty()) {
        // The save button waits for a first entry; a Create behind the open dialog empties
        // the store.
        addCat();
        testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
        createMode(game);
      }
    }
    for (qsizetype i = 0; i + 2 < added.size(); i += 3)
      addEntry(form("new_vocab"), added[i], added[i + 1], added[i + 2]);
    control<QLineEdit>(form("new_vocab"), "txtVocab")->setText(QStringLiteral("never added"));
    if (edited.isNull())
      saveAs(QStringLiteral("zoo"));
    else
      testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
    QCOMPARE(folder.read(edited.isNull() ? "Custom Vocab/zoo.txt" : "Custom Vocab/birds.txt"),
             written);
    QCOMPARE(messages.messages().last().text, QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว"));
    QVERIFY(pindrelModule::strEditFile.isEmpty());
  }

  // Guards against a save that leaves the old windows behind, or a new main window that does
  // not play from the file just written.
  void saveReopensTheGameOnTheNewFile() {
    ProgramFolder folder;
    MessageRecorder messages;
    QPointer<GameWindow> old = startGame(folder);
    control<QAction>(old, "mnuHouse")->trigger();
    createMode(old);
    addCat();
    saveAs(QStringLiteral("my.words"));
    testing::processDeferredDeletes();
    QVERIFY(!old);
    QVERIFY(!form("new_vocab") && !form("frmSave"));
    auto *game = qobject_cast<GameWindow *>(form("Pindrel"));
    QVERIFY(game && game->isVisible());
    QCOMPARE(folder.read(QStringLiteral("Custom Vocab/my.txt")), QByteArray("cat|a pet|meow\r\n"));
    QCOMPARE(control<QLabel>(game, "lblFileInUse")->text(),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  my.txt"));
    QCOMPARE(game->strWord, QStringLiteral("CAT"));
    QVERIFY(game->mnuCustVocab->isEnabled() && game->mnuCustVocab->isChecked());
    QVERIFY(!game->mnuSchool->isChecked() && !game->mnuHouse->isChecked());
    QVERIFY(pindrelModule::strFileInUse.isEmpty());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().last().style, 0);
  }

  // Guards against a file replaced without asking, replaced after No, or a question that
  // names another file than the one typed.
  void existingFileIsReplacedOnlyAfterYes_data() {
    QTest::addColumn<QString>("typed"); // empty: the file is clicked in the list
    QTest::addColumn<int>("answer");
    QTest::newRow("typed, no") << QStringLiteral("birds") << 7;
    QTest::newRow("typed, yes") << QStringLiteral("birds") << 6;
    QTest::newRow("with another extension, yes") << QStringLiteral("birds.doc") << 6;
    QTest::newRow("clicked in the list, yes") << QString() << 6;
  }
  void existingFileIsReplacedOnlyAfterYes() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    ProgramFolder folder;
    MessageRecorder messages;
    messages.answerNext(answer);
    createMode(startGame(folder));
    addCat();
    testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
    QWidget *dialog = form("frmSave");
    if (typed.isEmpty())
      selectIn(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
    else
      control<QLineEdit>(dialog, "Text1")->setText(typed);
    const QString shown = control<QLineEdit>(dialog, "Text1")->text();
    testing::click(control<QPushButton>(dialog, "cmdSave"));
    QCOMPARE(messages.messages().first().text,
             QStringLiteral("The file, %1, exists. Do you want to overwrite it?").arg(shown));
    QCOMPARE(messages.messages().first().style, 36);
    QCOMPARE(folder.read(QStringLiteral("Custom Vocab/birds.txt")),
             answer == 6 ? QByteArray("cat|a pet|meow\r\n") : birds);
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSave")), answer != 6);
  }

  // Guards against a refused name that still writes a file or closes the dialog.
  void refusedNameWritesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("extension only") << QStringLiteral(".txt");
    QTest::newRow("outside the folder") << QStringLiteral("../escape");
    QTest::newRow("device") << QStringLiteral("con");
  }
  void refusedNameWritesNothing() {
    QFETCH(QString, typed);
    ProgramFolder folder;
    MessageRecorder messages;
    createMode(startGame(folder));
    addCat();
    saveAs(typed);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, 48);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("escape.txt"))));
    QCOMPARE(QDir(folder.customPath({})).entryList(QDir::Files), QStringList{"birds.txt"});
    QCOMPARE(control<QLineEdit>(form("frmSave"), "Text1")->text(), typed);
  }

  // Guards against a failed write that loses the old file, or closes the windows as if the
  // save had worked.
  void failedWriteLeavesEverythingAsItWas_data() {
    QTest::addColumn<bool>("editBirds");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QStringList>("hint"); // an entry the code page cannot hold, when given
    QTest::newRow("custom vocab is a file") << false << true << QStringList();
    QTest::newRow("target is a folder") << false << false << QStringList();
    QTest::newRow("edited file became a folder") << true << false << QStringList();
    QTest::newRow("emoji in an added entry") << true << false << QStringList{"dog", "🐶"};
  }
  void failedWriteLeavesEverythingAsItWas() {
    QFETCH(bool, editBirds);
    QFETCH(bool, folderIsAFile);
    QFETCH(QStringList, hint);
    ProgramFolder folder;
    MessageRecorder messages;
    QPointer<GameWindow> game = startGame(folder);
    editBirds ? chooseForEditing(game, QStringLiteral("birds.txt")) : createMode(game);
    QPointer<QWidget> editor = form("new_vocab");
    addEntry(editor, hint.value(0, QStringLiteral("cat")), hint.value(1, QStringLiteral("pet")),
             QStringLiteral("meow"));
    QDir custom(folder.customPath({}));
    if (folderIsAFile) {
      custom.removeRecursively();
      folder.write(QStringLiteral("Custom Vocab"), "notes");
    } else if (hint.isEmpty()) {
      custom.remove(QStringLiteral("birds.txt"));
      custom.mkdir(QStringLiteral("birds.txt"));
    }
    if (editBirds)
      testing::click(control<QPushButton>(editor, "cmdSave"));
    else
      saveAs(QStringLiteral("birds"));
    testing::processDeferredDeletes();
    QCOMPARE(messages.messages().last().style, 48);
    QVERIFY(messages.messages().last().text.contains(hint.isEmpty() ? "birds.txt"
                                                                    : "Entry 2 (\"dog\")"));
    QVERIFY(game && editor && editor->isVisible());
    QCOMPARE(form("Pindrel"), game.data());
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSave")), !editBirds);
    QCOMPARE(pindrelModule::strEditFile, editBirds ? QStringLiteral("birds.txt") : QString());
    if (folderIsAFile)
      QCOMPARE(folder.read(QStringLiteral("Custom Vocab")), QByteArray("notes"));
    else if (!hint.isEmpty())
      QCOMPARE(folder.read(QStringLiteral("Custom Vocab/birds.txt")), birds);
    else
      QVERIFY(QFileInfo(custom.filePath(QStringLiteral("birds.txt"))).isDir());
  }

  // Guards against the chooser acting on no choice, or on a file it cannot load, as if it
  // had loaded it.
  void chooserRefusesWhatItCannotOpen_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("change"); // what happens to the file after the list was read
    QTest::addColumn<int>("style");
    QTest::newRow("nothing selected") << QString() << QString() << 0;
    QTest::newRow("vanished") << QStringLiteral("birds.txt") << QStringLiteral("remove") << 48;
    QTest::newRow("became a folder")
        << QStringLiteral("birds.txt") << QStringLiteral("folder") << 48;
    QTest::newRow("too many lines") << QStringLiteral("birds.txt") << QStringLiteral("long") << 48;
  }
  void chooserRefusesWhatItCannotOpen() {
    QFETCH(QString, chosen);
    QFETCH(QString, change);
    QFETCH(int, style);
    ProgramFolder folder;
    MessageRecorder messages;
    GameWindow *game = startGame(folder);
    pindrelModule::strEditFile = QStringLiteral("kept.txt");
    ui::forms::Load<ChooseFileDialog>();
    QDir custom(folder.customPath({}));
    custom.remove(QStringLiteral("birds.txt"));
    if (change == QLatin1String("folder"))
      custom.mkdir(QStringLiteral("birds.txt"));
    if (change == QLatin1String("long"))
      folder.writeCustom(QStringLiteral("birds.txt"), QByteArray("a|b|c\r\n").repeated(32768));
    chooseForEditing(game, chosen);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, style);
    if (style == 0)
      QCOMPARE(messages.texts().first(), QStringLiteral("กรุณาคลิกเลือกไฟล์ก่อนครับ"));
    else
      QVERIFY(messages.texts().first().contains(chosen));
    QVERIFY(form("frmChooseFile")->isVisible());
    QVERIFY(!form("new_vocab"));
    QCOMPARE(pindrelModule::strEditFile, QStringLiteral("kept.txt"));
  }

  // Guards against an empty file that keeps an earlier store, opens with arrows that show
  // nothing, or puts its first entry anywhere but index 0.
  void emptyFileOpensOnNoEntries() {
    ProgramFolder folder;
    MessageRecorder messages;
    folder.writeCustom(QStringLiteral("new.txt"), "\r\n  \r\n");
    GameWindow *game = startGame(folder);
    createMode(game);
    addCat();
    chooseForEditing(game, QStringLiteral("new.txt"));
    QWidget *editor = form("new_vocab");
    QVERIFY(pindrelModule::arrVocab.isEmpty() && pindrelModule::arrHint02.isEmpty());
    QVERIFY(!control<QPushButton>(editor, "cmdLeftArrow")->isEnabled());
    QVERIFY(!control<QPushButton>(editor, "cmdRightArrow")->isEnabled());
    QVERIFY(control<QPushButton>(editor, "cmdSave")->isEnabled());
    addEntry(editor, QStringLiteral("dog"), QStringLiteral("a pet"), QStringLiteral("woof"));
    QVERIFY(control<QPushButton>(editor, "cmdRightArrow")->isEnabled());
    testing::click(control<QPushButton>(editor, "cmdSave"));
    QCOMPARE(folder.read(QStringLiteral("Custom Vocab/new.txt")), QByteArray("dog|a pet|woof\r\n"));
    QCOMPARE(messages.count(), 1);
  }

  // Guards against an open editor that keeps its create-mode caption and state when a file is
  // chosen for editing.
  void chooserRestartsAnOpenEditor() {
    ProgramFolder folder;
    GameWindow *game = startGame(folder);
    createMode(game);
    QPointer<QWidget> before = form("new_vocab");
    chooseForEditing(game, QStringLiteral("birds.txt"));
    testing::processDeferredDeletes();
    QWidget *editor = form("new_vocab");
    QVERIFY(!before && editor && editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("แก้ไขข้อมูลในไฟล์ birds.txt"));
    QCOMPARE(pindrelModule::arrHint01, (QStringList{"hoots", "lays eggs"}));
    QVERIFY(control<QPushButton>(editor, "cmdLeftArrow")->isEnabled());
    QVERIFY(control<QPushButton>(editor, "cmdSave")->isEnabled());
    QVERIFY(!form("frmChooseFile"));
  }

  // Guards against Cancel unloading the chooser, so that its list is read again.
  void cancelledChooserShowsItsOldList() {
    ProgramFolder folder;
    GameWindow *game = startGame(folder);
    control<QAction>(game, "mnuEditData")->trigger();
    testing::click(control<QPushButton>(form("frmChooseFile"), "cmdCancel"));
    QVERIFY(form("frmChooseFile") && !form("frmChooseFile")->isVisible());
    folder.writeCustom(QStringLiteral("later.txt"), birds);
    control<QAction>(game, "mnuEditData")->trigger();
    QCOMPARE(control<QListWidget>(form("frmChooseFile"), "ChooseFile")->count(), 1);
  }
};

QTEST_MAIN(SaveAndEditTest)
#include "test_save_and_edit.moc"
