// Saving through the save dialog or into the file being edited, failed saves, the edit chooser.
#include "support/small_disk.h"
#include "support/windows.h"

#include <optional>

using namespace testing;

const QByteArray birds = "owl|hoots|at night\r\nhen|lays eggs|on a farm\r\n";

// Every file and folder in the program folder, each file with a hash of its bytes.
static QStringList snapshot(const ProgramFolder &folder) {
  QStringList entries;
  QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    const bool isFile = file.open(QIODevice::ReadOnly);
    entries << file.fileName() + (isFile ? QString::number(qHash(file.readAll()), 16).prepend(u' ') : "/");
  }
  entries.sort();
  return entries;
}

class SaveAndEditTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against the placeholder written, element 0 lost, a line end missing, bytes altered
  // on their way out; a refused name that writes or closes the dialog; a file replaced without
  // asking, after No, or after a question that names another file than the one given; a twin
  // written beside a name that differs only in case; a link followed out of "Custom Vocab"; a
  // save that leaves the old windows instead of playing the new file; and a failed save that
  // loses or alters the old file, leaves anything behind, or closes the windows as if it had
  // worked.
  void saveWritesOnlyWhatItMay_data() {
    QTest::addColumn<QByteArray>("edited"); // null: create mode, saved through the dialog
    QTest::addColumn<QString>("existing");  // the file in "Custom Vocab" that is edited or listed
    QTest::addColumn<QString>("typed");     // into the dialog; null: the existing file clicked
    QTest::addColumn<QString>("setup");     // made before the save
    QTest::addColumn<QList<int>>("styles"); // of the messages given
    QTest::addColumn<QString>("file");      // saved and played; when none, a question gets No
    QTest::addColumn<QByteArray>("written"); // into that file
    const auto row = [](const char *tag, const QByteArray &edited, const QString &typed,
                        const char *setup, const QList<int> &styles, const QString &file = {},
                        const QByteArray &written = {}, const QString &existing = "birds.txt") {
      QTest::newRow(tag) << edited << existing << typed << QString::fromLatin1(setup) << styles
                         << file << written;
    };
    const QByteArray added = "cat| x|y |meow\r\ndog|a pet|meow\r\n";
    const QByteArray thai = "cat|\x81\xDB\xFF|" + cp874(QStringLiteral("แมว เหมียว")) + "\r\n";
    const QString longName = QString(251, u'b') + ".txt"; // 255 bytes, the most a name may have
    row("create, bar and spaces kept", {}, "my.words", "", {0}, "my.txt", added);
    row("create over a file, yes", {}, {}, "", {36, 0}, "birds.txt", added);
    row("edit, thai and unassigned bytes kept", thai, {}, "", {0}, "birds.txt", thai + added);
    row("edit an empty file", "", {}, "", {0}, "birds.txt", added);
    row("edit, upper-case extension", birds, {}, "", {0}, "Birds.TXT", birds + added, "Birds.TXT");
    row("create, same name but for case", {}, "birds", "", {36, 0}, "Birds.TXT", added, "Birds.TXT");
    row("edit a name of 255 bytes", birds, {}, "", {0}, longName, birds + added, longName);
    row("edit a link out of the folder", birds, {}, "link out", {0}, "birds.txt", birds + added);
    row("create over a link to nothing", {}, "dangle", "dangling link", {36, 0}, "dangle.txt", added);
    row("create in a linked folder", {}, "new", "folder link", {0}, "new.txt", added);
    row("outside the folder", {}, "../escape", "", {48});
    row("existing, no", {}, "birds", "", {36});
    row("custom vocab is a file", {}, "birds", "plain file", {48});
    row("target is a folder", {}, "birds", "folder", {48});
    row("emoji in an entry", birds, {}, "emoji", {48});
    row("disk full", birds, {}, "disk full", {48});
  }
  void saveWritesOnlyWhatItMay() {
    QFETCH(QByteArray, edited);
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(QString, setup);
    QFETCH(QString, file);
    ProgramFolder folder;
    MessageRecorder messages;
    std::optional<SmallDisk> disk;
    if (setup == u"disk full" && !disk.emplace(folder.customPath({})).error.isNull())
      QSKIP(qPrintable("a 64 KB tmpfs needs root and mount rights: " + disk->error));
    if (setup == u"folder link") { // "Custom Vocab" stands for a folder of the user's choice
      QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("chosen")));
      QVERIFY(QFile::link(QStringLiteral("chosen"), folder.filePath(QStringLiteral("Custom Vocab"))));
    }
    folder.writeCustom(existing, edited.isNull() ? birds : edited);
    if (setup == u"link out") { // read through the link, but never written through it
      folder.write(QStringLiteral("outside.txt"), folder.read("Custom Vocab/" + existing));
      QVERIFY(QFile::remove(folder.customPath(existing)));
      QVERIFY(QFile::link(QStringLiteral("../outside.txt"), folder.customPath(existing)));
    }
    if (setup == u"dangling link")
      QVERIFY(QFile::link(QStringLiteral("../made.txt"), folder.customPath(QStringLiteral("dangle.txt"))));
    if (disk) // fills the rest of the room
      folder.writeCustom(QStringLiteral("filler"), QByteArray(64 * 1024, 'x'));
    QPointer<GameWindow> old = ui::forms::Show<GameWindow>();
    if (file.isEmpty())
      messages.answers = {ui::vbNo};
    edited.isNull() ? menuItem(old, "mnuCreate")->trigger() : chooseFile(menuItem(old, "mnuEditData"), existing);
    QPointer<QWidget> editor = form("new_vocab");
    addEntry(editor, "cat", setup == u"emoji" ? "🐶" : " x|y ", "meow");
    addEntry(editor, "dog", "a pet", "meow");
    control<QLineEdit>(editor, "txtVocab")->setText(QStringLiteral("never added"));
    QDir custom(folder.customPath({}));
    if (setup == u"plain file" && custom.removeRecursively())
      folder.write(QStringLiteral("Custom Vocab"), "notes");
    if (setup == u"folder")
      QVERIFY(custom.remove(existing) && custom.mkdir(existing));
    const QStringList before = snapshot(folder);
    click(editor, "cmdSave"); // in create mode it opens the save dialog
    if (QWidget *dialog = form("frmSave")) {
      typed.isNull() ? selectItem(control<QListWidget>(dialog, "File1"), existing)
                     : control<QLineEdit>(dialog, "Text1")->setText(typed);
      click(dialog, "cmdSave");
    }
    processDeferredDeletes();
    QTEST(messages.styles, "styles");
    if (messages.styles.first() == 36)
      QCOMPARE(messages.texts.first(), QStringLiteral("The file, %1, exists. Do you want to overwrite it?")
                                           .arg(typed.isNull() ? existing : typed));
    if (!setup.isEmpty() && messages.styles.first() == 48)
      QVERIFY(messages.texts.first().contains(setup == u"emoji" ? "Entry 2 (\"cat\")" : "birds.txt"));
    auto *game = qobject_cast<GameWindow *>(form("Pindrel"));
    if (file.isEmpty()) { // nothing written, and every window stays
      QCOMPARE(snapshot(folder), before);
      QVERIFY(old && game == old && editor && editor->isVisible());
      QCOMPARE(form("frmSave") && form("frmSave")->isVisible(), edited.isNull());
      QCOMPARE(pindrelModule::strEditFile, edited.isNull() ? QString() : existing);
      return;
    }
    QTEST(folder.read(QStringLiteral("Custom Vocab/") + file), "written");
    // One file of that name but for case, a plain one; nothing outside "Custom Vocab" touched.
    const QStringList twins = custom.entryList(QDir::AllEntries | QDir::System).filter(
        QRegularExpression("^" + QRegularExpression::escape(file) + "$", QRegularExpression::CaseInsensitiveOption));
    QCOMPARE(twins, QStringList{file});
    QVERIFY(!QFileInfo(custom.filePath(file)).isSymLink());
    const auto outside = [&folder](const QStringList &entries) {
      return entries.filter(QRegularExpression("^" + QRegularExpression::escape(folder.path()) + "/(?!Custom Vocab/|chosen/)"));
    };
    QCOMPARE(outside(snapshot(folder)), outside(before));
    QCOMPARE(messages.texts.last(), QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว"));
    QVERIFY(!old && !editor && !form("frmSave") && game && game->isVisible());
    QCOMPARE(caption(game, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ") + file);
    QVERIFY(pindrelModule::strFileInUse.isEmpty() && pindrelModule::strEditFile.isEmpty());
  }

  // Guards against a chooser that acts on no choice, reads its list again after Cancel, or
  // leaves an open editor with its create-mode caption (the store it loads is saved above).
  void chooserKeepsItsListAndRestartsTheEditor() {
    ProgramFolder folder;
    MessageRecorder messages;
    folder.writeCustom(QStringLiteral("birds.txt"), birds);
    GameWindow *game = ui::forms::Show<GameWindow>();
    menuItem(game, "mnuCreate")->trigger();
    QPointer<QWidget> before = form("new_vocab");
    chooseFile(menuItem(game, "mnuEditData"), QString());
    QCOMPARE(messages.texts, QStringList{"กรุณาคลิกเลือกไฟล์ก่อนครับ"});
    QCOMPARE(messages.styles, QList<int>{0});
    click(form("frmChooseFile"), "cmdCancel");
    folder.writeCustom(QStringLiteral("later.txt"), birds);
    menuItem(game, "mnuEditData")->trigger();
    QCOMPARE(control<QListWidget>(form("frmChooseFile"), "ChooseFile")->count(), 1);
    chooseFile(menuItem(game, "mnuEditData"), QStringLiteral("birds.txt"));
    QVERIFY(!before && !form("frmChooseFile"));
    QCOMPARE(form("new_vocab")->windowTitle(), QStringLiteral("แก้ไขข้อมูลในไฟล์ birds.txt"));
  }
};

WINDOWS_TEST_MAIN(SaveAndEditTest)
#include "test_save_and_edit.moc"
