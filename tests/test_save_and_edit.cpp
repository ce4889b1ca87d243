// Saving through the save dialog or into the file being edited, failed saves, the edit chooser.
#include "game/game_window.h"
#include "storage/pindrel_module.h"
#include "support/game.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/small_disk.h"
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

#include <optional>

using testing::control;

const QByteArray birds = "owl|hoots|at night\r\nhen|lays eggs|on a farm\r\n";
const QString birdsFile = QStringLiteral("Custom Vocab/birds.txt");

static QWidget *form(const char *name) { return ui::forms::find(QString::fromLatin1(name)); }

static GameWindow *startGame(const ProgramFolder &folder) {
  folder.writeCustom(QStringLiteral("birds.txt"), birds);
  return ui::forms::Show<GameWindow>();
}

// The editor's save button, then the dialog's with the name typed, or with birds.txt clicked in
// its list when the name is null.
static void saveAs(const QString &name) {
  testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
  QWidget *dialog = form("frmSave");
  if (name.isNull())
    testing::selectItem(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
  else
    control<QLineEdit>(dialog, "Text1")->setText(name);
  testing::click(control<QPushButton>(dialog, "cmdSave"));
}

class SaveAndEditTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
    pindrelModule::strEditFile.clear();
  }

  // Guards against the placeholder written, element 0 lost, a line end missing, bytes altered
  // on their way out, or a save that leaves the old windows instead of playing the new file.
  void saveWritesTheStoreAndPlaysIt_data() {
    QTest::addColumn<QByteArray>("edited"); // null: create mode, saved as my.words
    QTest::addColumn<QStringList>("added"); // word, hint one, word, hint one, ...
    QTest::addColumn<QByteArray>("written");
    const QStringList dog{"dog", "a pet"};
    const QByteArray dogLine = "dog|a pet|meow\r\n";
    QTest::newRow("create, bar and spaces kept")
        << QByteArray() << QStringList{"cat", " x|y "} + dog << "cat| x|y |meow\r\n" + dogLine;
    const QByteArray thai = "cat|\x81\xDB\xFF|" + cp874(QStringLiteral("แมว เหมียว")) + "\r\n";
    QTest::newRow("edit, thai and unassigned bytes kept") << thai << dog << thai + dogLine;
    QTest::newRow("edit an empty file") << QByteArray("") << dog << dogLine;
  }
  void saveWritesTheStoreAndPlaysIt() {
    QFETCH(QByteArray, edited);
    QFETCH(QStringList, added);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    MessageRecorder messages;
    QPointer<GameWindow> old = startGame(folder);
    if (!edited.isNull())
      folder.writeCustom(QStringLiteral("birds.txt"), edited);
    edited.isNull() ? old->mnuCreate->trigger() : testing::chooseForEditing(old, "birds.txt");
    for (qsizetype i = 0; i + 1 < added.size(); i += 2)
      testing::addEntry(form("new_vocab"), added[i], added[i + 1], QStringLiteral("meow"));
    control<QLineEdit>(form("new_vocab"), "txtVocab")->setText(QStringLiteral("never added"));
    edited.isNull() ? saveAs(QStringLiteral("my.words"))
                    : testing::click(control<QPushButton>(form("new_vocab"), "cmdSave"));
    testing::processDeferredDeletes();
    const QString file = edited.isNull() ? QStringLiteral("my.txt") : QStringLiteral("birds.txt");
    QCOMPARE(folder.read(QStringLiteral("Custom Vocab/") + file), written);
    QCOMPARE(messages.texts(), QStringList{"บันทึกข้อมูลเรียบร้อยแล้ว"});
    QCOMPARE(messages.messages().last().style, 0);
    auto *game = qobject_cast<GameWindow *>(form("Pindrel"));
    QVERIFY(!old && !form("new_vocab") && !form("frmSave") && game && game->isVisible());
    QCOMPARE(control<QLabel>(game, "lblFileInUse")->text(),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ") + file);
    QVERIFY(game->mnuCustVocab->isChecked() && !game->mnuSchool->isChecked());
    QVERIFY(pindrelModule::strFileInUse.isEmpty() && pindrelModule::strEditFile.isEmpty());
  }

  // Guards against a refused name that writes or closes the dialog, and a file replaced
  // without asking, after No, or after a question that names another file than the one given.
  void saveDialogWritesOnlyWhatItMay_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("style");
    QTest::newRow("outside the folder") << QStringLiteral("../escape") << 1 << 48;
    QTest::newRow("existing, no") << QStringLiteral("birds") << 7 << 36;
    QTest::newRow("clicked in the list, yes") << QString() << 6 << 36;
  }
  void saveDialogWritesOnlyWhatItMay() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(int, style);
    ProgramFolder folder;
    MessageRecorder messages;
    messages.answerNext(answer);
    startGame(folder)->mnuCreate->trigger();
    testing::addEntry(form("new_vocab"), "cat", "a pet", "meow");
    saveAs(typed);
    QCOMPARE(messages.messages().value(0).style, style);
    if (style == 36)
      QCOMPARE(messages.texts().value(0),
               QStringLiteral("The file, %1, exists. Do you want to overwrite it?")
                   .arg(typed.isNull() ? QStringLiteral("birds.txt") : typed));
    QCOMPARE(folder.read(birdsFile), answer == 6 ? QByteArray("cat|a pet|meow\r\n") : birds);
    QCOMPARE(QDir(folder.customPath({})).entryList(QDir::Files), QStringList{"birds.txt"});
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("escape.txt"))));
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSave")), answer != 6);
  }

  // Guards against a failed save that loses or alters the old file, or closes or changes the
  // windows as if the save had worked.
  void failedSaveKeepsTheOldFileAndTheWindows_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("editing"); // birds.txt, else saved as birds through the dialog
    QTest::newRow("custom vocab is a file") << "plain file" << false;
    QTest::newRow("target is a folder") << "folder" << false;
    QTest::newRow("emoji in an entry") << "emoji" << true;
    QTest::newRow("disk full") << "disk full" << true;
  }
  void failedSaveKeepsTheOldFileAndTheWindows() {
    QFETCH(QString, failure);
    QFETCH(bool, editing);
    const auto is = [&failure](const char *name) { return failure == QLatin1String(name); };
    const QString kept = is("plain file") ? QStringLiteral("Custom Vocab") : birdsFile;
    ProgramFolder folder;
    MessageRecorder messages;
    std::optional<SmallDisk> disk;
    if (is("disk full") && !disk.emplace(folder.customPath({})).error.isNull())
      QSKIP(qPrintable("a 64 KB tmpfs needs root and mount rights: " + disk->error));
    QPointer<GameWindow> game = startGame(folder);
    if (disk) // fills the rest of the room
      folder.writeCustom(QStringLiteral("filler"), QByteArray(64 * 1024, 'x'));
    editing ? testing::chooseForEditing(game, "birds.txt") : game->mnuCreate->trigger();
    QPointer<QWidget> editor = form("new_vocab");
    testing::addEntry(editor, "dog", is("emoji") ? "🐶" : "pet", "woof");
    QDir custom(folder.customPath({}));
    if (is("plain file")) {
      custom.removeRecursively();
      folder.write(QStringLiteral("Custom Vocab"), "notes");
    } else if (is("folder")) {
      custom.remove(QStringLiteral("birds.txt"));
      custom.mkdir(QStringLiteral("birds.txt"));
    }
    const QByteArray before = folder.read(kept);
    editing ? testing::click(control<QPushButton>(editor, "cmdSave")) : saveAs("birds");
    testing::processDeferredDeletes();
    QCOMPARE(messages.messages().value(0).style, 48);
    QVERIFY(messages.texts().value(0).contains(is("emoji") ? "Entry 2 (\"dog\")" : "birds.txt"));
    QCOMPARE(folder.read(kept), before);
    QCOMPARE(QFileInfo(folder.filePath(kept)).isDir(), is("folder"));
    QVERIFY(game && form("Pindrel") == game && editor && editor->isVisible());
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSave")), !editing);
    QCOMPARE(pindrelModule::strEditFile, editing ? QStringLiteral("birds.txt") : QString());
  }

  // Guards against a chooser that acts on no choice, reads its list again after Cancel, or
  // leaves an open editor with its create-mode caption and state.
  void chooserKeepsItsListAndRestartsTheEditor() {
    ProgramFolder folder;
    MessageRecorder messages;
    GameWindow *game = startGame(folder);
    game->mnuCreate->trigger();
    QPointer<QWidget> before = form("new_vocab");
    testing::chooseForEditing(game, QString());
    QCOMPARE(messages.texts(), QStringList{"กรุณาคลิกเลือกไฟล์ก่อนครับ"});
    QCOMPARE(messages.messages().first().style, 0);
    testing::click(control<QPushButton>(form("frmChooseFile"), "cmdCancel"));
    folder.writeCustom(QStringLiteral("later.txt"), birds);
    game->mnuEditData->trigger();
    QCOMPARE(control<QListWidget>(form("frmChooseFile"), "ChooseFile")->count(), 1);
    testing::chooseForEditing(game, QStringLiteral("birds.txt"));
    QVERIFY(!before && !form("frmChooseFile"));
    QWidget *editor = form("new_vocab");
    QCOMPARE(editor->windowTitle(), QStringLiteral("แก้ไขข้อมูลในไฟล์ birds.txt"));
    QCOMPARE(pindrelModule::arrHint01, (QStringList{"hoots", "lays eggs"}));
    QVERIFY(control<QPushButton>(editor, "cmdSave")->isEnabled());
  }
};

QTEST_MAIN(SaveAndEditTest)
#include "test_save_and_edit.moc"
