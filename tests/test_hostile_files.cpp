// Damaged and hostile vocabulary files (tests/data/README.md), chosen in the game and in the
// editor: each is taken as the reader's rules say, or refused with a message that changes nothing.
#include "game/select_cust_vocab.h"
#include "storage/choose_file_dialog.h"
#include "storage/save_dialog.h"
#include "support/windows.h"

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using namespace testing;
namespace fs = std::filesystem;
namespace module = pindrelModule;

const QByteArray owl = "owl|hoots|at night\r\n";
constexpr int refused = -1;
constexpr int notListed = -2; // a name no chooser may offer: hidden, or not in UTF-8

static QByteArray corpus(const char *name) {
  QFile file(QFINDTESTDATA(QStringLiteral("data/") + QLatin1String(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("corpus file missing");
}

static void writeRaw(const fs::path &path, const QByteArray &bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

class HostileFilesTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a file that crashes, freezes the program, is misread, or is refused
  // silently, without naming it in Thai and then in English, or after a change; and against
  // hidden names offered in a list.
  void eachFileIsTakenOrRefusedWhole_data() {
    QTest::addColumn<QString>("kind"); // file, folder, fifo, or link to: missing, zero, fifo
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("gameRecords"); // refused, notListed, or the records read
    QTest::addColumn<int>("editorRecords");
    QTest::addColumn<QByteArrayList>("first"); // the first entry's three fields
    const auto row = [](const char *tag, const QByteArray &bytes, int game, int editor,
                        const QByteArrayList &first = {}, const char *kind = "file") {
      QTest::newRow(tag) << QString::fromLatin1(kind) << bytes << game << editor << first;
    };
    const QByteArrayList owlFields{"owl", "hoots", "at night"};
    const QByteArray high = corpus("high_bytes.txt");
    row("empty", corpus("empty.txt"), refused, 0);
    row("mixed line ends", corpus("mixed_ends.txt"), 3, 3, owlFields);
    row("nul byte", corpus("nul_byte.txt"), 1, 1, {QByteArray("o\0wl", 4), "hoots", "at night"});
    row("bytes 0x80 to 0xff", high, 1, 1, {"owl", high.mid(4, 64), high.mid(69, 64)});
    row("10 MB line", QByteArray(10 << 20, 'a'), refused, refused);
    row("32,766 lines", owl.repeated(32766), 32766, 32766, owlFields);
    row("32,767 lines", owl.repeated(32767), refused, refused);
    row("32,768 lines", owl.repeated(32768), refused, refused);
    row("500 letters", corpus("long_word.txt"), 1, 1, {QByteArray(500, 'a'), "long", "word"});
    row("bar only", corpus("bar_only.txt"), 1, 1, {"", "", ""});
    row("utf-8 with its mark", "\xEF\xBB\xBF" + QStringLiteral("owl|นกฮูก|at night\n").toUtf8(), 1, 1,
        {"owl", cp874(QStringLiteral("นกฮูก")), "at night"});
    row("utf-16", QByteArray("\xFF\xFEo\0w\0l\0", 8), refused, refused);
    row("folder", {}, refused, refused, {}, "folder");
    row("link to a missing file", {}, refused, refused, {}, "link");
    row("link to /dev/zero", {}, refused, refused, {}, "link to zero");
    row("fifo", {}, refused, refused, {}, "fifo");
    row("link to a fifo", {}, refused, refused, {}, "link to fifo");
    row("name not utf-8", owl, notListed, notListed);
    row("hidden name", owl, notListed, notListed);
  }
  void eachFileIsTakenOrRefusedWhole() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, gameRecords);
    QFETCH(int, editorRecords);
    ProgramFolder folder;
    MessageRecorder messages;
    const QByteArray name = gameRecords != notListed                        ? "hostile.txt"
                            : QByteArray(QTest::currentDataTag()).startsWith("hidden") ? ".hidden.txt"
                                                                                      : "bad\xff\xfe.txt";
    const QString listed = QFile::decodeName(name);
    const fs::path path = (QFile::encodeName(folder.customPath({})) + name).toStdString();
    const auto removeRaw = qScopeGuard([&] { fs::remove_all(path); });
    const auto warned = [&] { // one warning, naming the file in Thai and then in English
      const QString text = messages.texts.value(0);
      return messages.styles == QList<int>{48} && text.startsWith("ใช้ไฟล์คำศัพท์ \"" + listed + '"') &&
             text.contains("\n\nThe vocabulary file \"" + listed + "\" cannot be used");
    };
    // Both choosers list a good file, which then turns into the hostile one.
    fs::create_directories(path.parent_path());
    writeRaw(path, owl);
    QPointer<GameWindow> game = ui::forms::Show<GameWindow>();
    const int offered = gameRecords == notListed ? 0 : 1;
    QCOMPARE(ui::forms::Load<SelectCustVocab>()->findChild<QListWidget *>()->count(), offered);
    QCOMPARE(ui::forms::Load<ChooseFileDialog>()->findChild<QListWidget *>()->count(), offered);
    QCOMPARE(ui::forms::Load<SaveDialog>()->findChild<QListWidget *>()->count(), offered);
    ui::forms::Unload(QString::fromLatin1(SaveDialog::formName));
    QCOMPARE(menuItem(game, "mnuCustVocab")->isEnabled(), bool(offered));
    if (!offered)
      return;
    fs::remove(path);
    if (kind == "folder")
      fs::create_directory(path);
    else if (kind == "link")
      fs::create_symlink(path.parent_path() / "gone.txt", path);
    else if (kind == "link to zero")
      fs::create_symlink("/dev/zero", path);
    else if (kind == "fifo" || kind == "link to fifo") {
      const fs::path fifo = kind == "fifo" ? path : path.parent_path() / "pipe";
      QCOMPARE(::mkfifo(fifo.c_str(), 0644), 0);
      if (fifo != path)
        fs::create_symlink(fifo, path);
    } else
      writeRaw(path, bytes);
    const QString word = state(game).strWord;
    chooseFile(menuItem(game, "mnuCustVocab"), listed);
    auto *now = ui::forms::get<GameWindow>();
    // Refused leaves the same window on the same word; a file taken is played on as many slots.
    QCOMPARE(warned() && now == game && state(now).strWord == word ? refused : state(now).intWordCount, gameRecords);
    QCOMPARE(now->findChildren<QLabel *>(QRegularExpression("^Word_")).size(),
             qMax<qsizetype>(state(now).strWord.size(), 1));

    messages.clear();
    module::arrVocab = module::arrHint01 = module::arrHint02 = {"kept"};
    module::strEditFile = QStringLiteral("kept.txt");
    chooseFile(menuItem(now, "mnuEditData"), listed);
    QWidget *editor = form("new_vocab");
    if (editorRecords == refused) { // the store and the file edited as they were, and no editor
      QVERIFY(warned() && !editor);
      QCOMPARE(module::arrVocab + QStringList{module::strEditFile}, QStringList({"kept", "kept.txt"}));
      return;
    }
    QCOMPARE(module::arrVocab.size(), editorRecords);
    QCOMPARE(module::strEditFile, listed);
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(control<QPushButton>(editor, "cmdRightArrow")->isEnabled(), editorRecords > 0);
    if (editorRecords > 0)
      QTEST(QByteArrayList({cp874(module::arrVocab[0]), cp874(module::arrHint01[0]),
                            cp874(module::arrHint02[0])}), "first");
  }
};

WINDOWS_TEST_MAIN(HostileFilesTest)
#include "test_hostile_files.moc"
