// Saving: the writer (SaveData) on the file system as a user's folder can be, and the windows
// around it (the editor's save button, the save dialog's names and question, the edit chooser,
// the main window opened anew on the file).
#include "storage/thai_codepage.h"
#include "support/small_disk.h"
#include "support/windows.h"
#include "ui/file_list.h"
#include "ui/one_line_box.h"

#include <optional>

using namespace testing;
namespace module = pindrelModule;

const QByteArray birds = "owl|hoots|at night\r\nhen|lays eggs|on a farm\r\n";

// Every file and folder under the program folder, by its path there: a file with a hash of its
// bytes, a folder or a link to nothing with "/".
static QStringList snapshot(const ProgramFolder &folder)
{
    QStringList entries;
    QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        entries << file.fileName().mid(folder.path().size() + 1) + u' '
                + (file.open(QIODevice::ReadOnly) ? QString::number(qHash(file.readAll()), 16) : "/");
    }
    entries.sort();
    return entries;
}

class SaveAndEditTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against the placeholder written or element 0 lost, bytes altered on their way out, a
    // link followed out of "Custom Vocab", a name of 255 bytes that fails for its temporary file, a
    // failed save that loses or alters the old file, leaves anything behind, or does not say why
    // (naming the entry as the user counts, from 1); and a save that replaces without asking a
    // file changed since it was opened, or another file than the one edited (its name cut at the
    // first dot), or writes on No.
    void saveDataWritesOnlyWhatItMay_data()
    {
        QTest::addColumn<QString>("edited"); // the file being edited; empty: create mode, as "birds"
        QTest::addColumn<QString>("setup");  // made before the save
        QTest::addColumn<QString>("file");   // written; empty: nothing may change
        const QString longName = QString(251, u'b') + ".txt"; // 255 bytes, the most a name may have
        const auto row
            = [](const char *tag, const QString &edited, const char *setup, const QString &file) {
                  QTest::newRow(tag) << edited << QString::fromLatin1(setup) << file;
              };
        row("a name of 255 bytes", longName, "", longName);
        row("a link out of the folder", "birds.txt", "link out", "birds.txt");
        row("a linked folder", "", "folder link", "birds.txt");
        row("custom vocab is a file", "", "plain file", "");
        row("target is a folder", "", "folder", "");
        row("emoji in an entry", "", "emoji", "");
        row("emoji in the first line edited", "birds.txt", "emoji", "");
        row("changed since it was opened, no", "birds.txt", "changed no", "");
        row("changed since it was opened, yes", "birds.txt", "changed", "birds.txt");
        row("another file of the name, no", "my.words.txt", "my.txt no", "");
        row("another file of the name, yes", "my.words.txt", "my.txt", "my.txt");
        row("disk full", "birds.txt", "disk full", "");
    }
    void saveDataWritesOnlyWhatItMay()
    {
        QFETCH(QString, edited);
        QFETCH(QString, setup);
        QFETCH(QString, file);
        std::optional<SmallDisk> disk;
        if (setup == u"disk full" && !disk.emplace(folder().customPath({})).error.isNull())
            QSKIP(qPrintable("a 64 KB tmpfs needs root and mount rights: " + disk->error));
        if (setup == u"folder link") { // "Custom Vocab" stands for a folder of the user's choice
            QVERIFY(QDir(folder().path()).mkdir(QStringLiteral("chosen")));
            QVERIFY(QFile::link(QStringLiteral("chosen"),
                                folder().filePath(QStringLiteral("Custom Vocab"))));
        }
        const QString existing = edited.isEmpty() ? QStringLiteral("birds.txt") : edited;
        folder().writeCustom(existing, birds);
        if (setup == u"link out") { // read through the link, but never written through it
            folder().write(QStringLiteral("outside.txt"), birds);
            QVERIFY(QFile::remove(folder().customPath(existing))
                    && QFile::link("../outside.txt", folder().customPath(existing)));
        }
        QDir custom(folder().customPath({}));
        if (setup == u"plain file" && custom.removeRecursively())
            folder().write(QStringLiteral("Custom Vocab"), "notes");
        if (setup == u"folder")
            QVERIFY(custom.remove(existing) && custom.mkdir(existing));
        if (disk) // fills the rest of the room
            folder().writeCustom(QStringLiteral("filler"), QByteArray(64 * 1024, 'x'));
        module::strEditFile = edited;
        module::editFileAsRead = ui::stampOf(ui::readWholeFile(folder().customPath(edited), 1 << 20));
        if (setup.startsWith(u"changed")) // by another copy of the program
            folder().writeCustom(edited, "bird|flies|high\r\n");
        if (setup.startsWith(u"my.txt"))
            folder().writeCustom(QStringLiteral("my.txt"), birds);
        if (setup.endsWith(u" no"))
            messages().answers = {ui::vbNo};
        // Element 0 is the placeholder in create mode, the file's first entry in edit mode.
        const qsizetype first = edited.isEmpty() ? 0 : 1;
        const QString hint = edited.isEmpty() ? " x|y " : thai_codepage::decode("\x81\xDB\xFF");
        module::arrVocab = QStringList {"Vocab", "cat"}.mid(first);
        module::arrHint01 = QStringList {"Hint One", setup == u"emoji" ? "🐶" : hint}.mid(first);
        module::arrHint02 = QStringList {"Hint Two", first ? "แมว เหมียว" : "meow"}.mid(first);
        QStringList expected = snapshot(folder());
        QString given = edited.isEmpty() ? QStringLiteral("birds") : edited;
        QCOMPARE(module::SaveData(given), !file.isEmpty());
        const QString asked = setup.startsWith(u"my.txt") ? "my.txt" : "birds.txt";
        if (setup.startsWith(u"changed") || setup.startsWith(u"my.txt")) {
            QCOMPARE(messages().styles.value(0), int(ui::vbYesNoQuestion));
            QVERIFY(messages().texts.value(0).contains(asked));
        }
        if (file.isEmpty()) { // asked or told why, naming the file or the entry
            QCOMPARE(messages().styles, QList<int> {setup.endsWith(u" no") ? 36 : 48});
            QVERIFY(messages().texts.value(0).contains(setup == u"emoji" ? "Entry 1 (\"cat\")" : asked));
        } else { // one plain file of that name but for case, in "Custom Vocab", and nothing else
            QCOMPARE(module::strFileInUse, file);
            const QByteArray written = edited.isEmpty()
                ? QByteArray("cat| x|y |meow\r\n")
                : "cat|\x81\xDB\xFF|" + cp874(QStringLiteral("แมว เหมียว")) + "\r\n";
            const QString path = (setup == u"folder link" ? "chosen/" : "Custom Vocab/") + file + u' ';
            expected.removeIf([&path](const QString &entry) { return entry.startsWith(path); });
            expected << path + QString::number(qHash(written), 16);
            expected.sort();
        }
        QCOMPARE(snapshot(folder()), expected);
    }

    // Guards against a refused name that writes or closes the dialog, a question that names another
    // file than the one given or is not asked (a twin but for case, a file made since the list was
    // read), a twin written beside the name that differs only in case, No that writes, text never
    // added that is written, a dialog that hides its folder, and a save that does not play the new
    // file in a main window opened anew (its editor and dialog closed), with the message on top.
    void theSaveButtonsHandOverToAGameOnTheFile_data()
    {
        QTest::addColumn<QString>("edited"); // empty: create mode, named in the dialog
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("styles"); // the question's answer is No when nothing is written
        QTest::addColumn<QString>("file");
        const auto row = [](const char *tag, const char *edited, const char *typed,
                            const QList<int> &styles, const char *file) {
            QTest::newRow(tag) << QString(edited) << QString(typed) << styles << QString(file);
        };
        row("a new name", "", "my.words", {0}, "my.txt");
        row("a dot first", "", ".txt", {48}, "");
        row("over a file, yes", "", "BIRDS.txt", {36, 0}, "birds.txt");
        row("over a file, no", "", "birds", {36}, "");
        row("over a file made since", "", "later", {36, 0}, "later.txt");
        row("the file edited", "birds.txt", "", {0}, "birds.txt");
    }
    void theSaveButtonsHandOverToAGameOnTheFile()
    {
        QFETCH(QString, edited);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        folder().writeCustom(QStringLiteral("birds.txt"), birds);
        QPointer<GameWindow> old = ui::forms::Show<GameWindow>();
        if (file.isEmpty())
            messages().answers = {ui::vbNo};
        edited.isEmpty() ? menuItem(old, "mnuCreate")->trigger()
                         : chooseFile(menuItem(old, "mnuEditData"), edited);
        QPointer<QWidget> editor = form("new_vocab");
        addEntry(editor, "dog", "a pet", "barks");
        control<QLineEdit>(editor, "txtVocab")->setText(QStringLiteral("never added"));
        const QStringList before = snapshot(folder());
        click(editor, "cmdSave");
        if (QWidget *dialog = form("frmSave")) {
            if (typed == u"later") // by another copy, after the dialog listed the folder
                folder().writeCustom(QStringLiteral("later.txt"), birds);
            // Its box takes no line break, its list shows no name as chosen before one is.
            QVERIFY(control<ui::OneLineBox>(dialog, "Text1") && control<ui::FileList>(dialog, "File1"));
            QCOMPARE(control<QLineEdit>(dialog, "txtFolder")->text(),
                     folder().customPath({}).chopped(1));
            control<QLineEdit>(dialog, "Text1")->setText(typed);
            click(dialog, "cmdSave");
        }
        processDeferredDeletes();
        QTEST(messages().styles, "styles");
        if (messages().styles.value(0) == 36)
            QCOMPARE(messages().texts.value(0),
                     QStringLiteral("The file, %1, exists. Do you want to overwrite it?").arg(typed));
        auto *game = qobject_cast<GameWindow *>(form("Pindrel"));
        if (file.isEmpty()) { // nothing written, and every window stays
            QCOMPARE(snapshot(folder()), before);
            QVERIFY(old && game == old && editor && form("frmSave")->isVisible());
            return;
        }
        QCOMPARE(folder().read("Custom Vocab/" + file),
                 QByteArray(edited.isEmpty() ? "" : birds) + "dog|a pet|barks\r\n");
        QCOMPARE(messages().texts.last(), QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว"));
        QVERIFY(!old && !editor && !form("frmSave") && game && game->isVisible());
        QCOMPARE(caption(game, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ") + file);
        QCOMPARE(state(game).intWordCount, edited.isEmpty() ? 1 : 3);
        QVERIFY(module::strFileInUse.isEmpty() && module::strEditFile.isEmpty());
    }

    // Guards against a chooser that acts on no choice or on a file it cannot read (gone since its
    // list was read: the open editor and its store stay as they were), reads its list again after
    // Cancel, or leaves an open editor with its create-mode caption.
    void chooserKeepsItsListAndRestartsTheEditor()
    {
        folder().writeCustom(QStringLiteral("birds.txt"), birds);
        GameWindow *game = ui::forms::Show<GameWindow>();
        menuItem(game, "mnuCreate")->trigger();
        QPointer<QWidget> before = form("new_vocab");
        chooseFile(menuItem(game, "mnuEditData"), QString());
        QCOMPARE(messages().texts, QStringList {"กรุณาคลิกเลือกไฟล์ก่อนครับ"});
        QCOMPARE(messages().styles, QList<int> {0});
        click(form("frmChooseFile"), "cmdCancel");
        folder().writeCustom(QStringLiteral("later.txt"), birds);
        menuItem(game, "mnuEditData")->trigger();
        QCOMPARE(control<ui::FileList>(form("frmChooseFile"), "ChooseFile")->count(), 1);
        QVERIFY(QFile::rename(folder().customPath("birds.txt"), folder().customPath("birds.off")));
        chooseFile(menuItem(game, "mnuEditData"), QStringLiteral("birds.txt"));
        QVERIFY(messages().styles.last() == 48 && messages().texts.last().contains("birds.txt"));
        QVERIFY(before && module::strEditFile.isEmpty() && module::arrVocab == QStringList {"Vocab"});
        QVERIFY(QFile::rename(folder().customPath("birds.off"), folder().customPath("birds.txt")));
        chooseFile(menuItem(game, "mnuEditData"), QStringLiteral("birds.txt"));
        QVERIFY(!before && !form("frmChooseFile"));
        QCOMPARE(form("new_vocab")->windowTitle(), QStringLiteral("แก้ไขข้อมูลในไฟล์ birds.txt"));
    }
};

WINDOWS_TEST_MAIN(SaveAndEditTest)
#include "test_save_and_edit.moc"
