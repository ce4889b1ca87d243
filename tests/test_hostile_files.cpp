// Damaged and hostile vocabulary files (tests/data/README.md), chosen in the game and in the
// editor: each is taken as the reader's rules say, or refused with a message that changes nothing.
#include "game/game_window.h"
#include "game/select_cust_vocab.h"
#include "storage/choose_file_dialog.h"
#include "storage/pindrel_module.h"
#include "support/game.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <filesystem>
#include <fstream>

using testing::control;
namespace fs = std::filesystem;

const QByteArray owl = "owl|hoots|at night\r\n";
constexpr int refused = -1;
constexpr int notListed = -2; // file names are UTF-8 to the program: no chooser offers another

static QByteArray corpus(const char *name) {
  QFile file(QFINDTESTDATA(QStringLiteral("data/") + QLatin1String(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("corpus file missing");
}

static void writeRaw(const fs::path &path, const QByteArray &bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

static QByteArrayList fields(const QString &word, const QString &hint01, const QString &hint02) {
  return {cp874(word), cp874(hint01), cp874(hint02)};
}

class HostileFilesTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
    pindrelModule::strEditFile.clear();
  }

  // Guards against a file that crashes, is misread, or is refused silently or after a change.
  void eachFileIsTakenOrRefusedWhole_data() {
    QTest::addColumn<QByteArray>("name"); // as the file system holds it
    QTest::addColumn<QString>("kind");    // file, folder, or link to a missing file
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("gameRecords"); // refused, notListed, or the records read
    QTest::addColumn<int>("editorRecords");
    QTest::addColumn<QByteArrayList>("first"); // the first entry's three fields
    const auto row = [](const char *tag, const QByteArray &bytes, int game, int editor,
                        const QByteArrayList &first = {}, const char *kind = "file",
                        const QByteArray &name = "hostile.txt") {
      QTest::newRow(tag) << name << QString::fromLatin1(kind) << bytes << game << editor << first;
    };
    const QByteArrayList owlFields{"owl", "hoots", "at night"};
    const QByteArray high = corpus("high_bytes.txt");
    row("empty", corpus("empty.txt"), refused, 0);
    row("only blank lines", corpus("blank_lines.txt"), refused, 0);
    row("cr only", corpus("cr_only.txt"), 2, 2, owlFields);
    row("lf only", corpus("lf_only.txt"), 1, 1, {"owl", "hoots", "at night\nhen"});
    row("mixed line ends", corpus("mixed_ends.txt"), 3, 3, owlFields);
    row("nul byte", corpus("nul_byte.txt"), 1, 1, {QByteArray("o\0wl", 4), "hoots", "at night"});
    row("bytes 0x80 to 0xff", high, 1, 1, {"owl", high.mid(4, 64), high.mid(69, 64)});
    row("10 MB line", QByteArray(10 << 20, 'a'), refused, refused);
    row("32,766 lines", owl.repeated(32766), 32766, 32766, owlFields);
    row("32,767 lines", owl.repeated(32767), refused, 32767, owlFields);
    row("32,768 lines", owl.repeated(32768), refused, refused);
    row("one field", corpus("one_field.txt"), 1, 1, {"owl", "", ""});
    row("100 fields", corpus("hundred_fields.txt"), 1, 1, owlFields);
    row("500 letters", corpus("long_word.txt"), 1, 1, {QByteArray(500, 'a'), "long", "word"});
    row("bar only", corpus("bar_only.txt"), 1, 1, {"", "", ""});
    row("folder", {}, refused, refused, {}, "folder");
    row("link to a missing file", {}, refused, refused, {}, "link");
    row("name not utf-8", owl, notListed, notListed, {}, "file", "bad\xff\xfe.txt");
  }
  void eachFileIsTakenOrRefusedWhole() {
    QFETCH(QByteArray, name);
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, gameRecords);
    QFETCH(int, editorRecords);
    QFETCH(QByteArrayList, first);
    ProgramFolder folder;
    MessageRecorder messages;
    const QString listed = QFile::decodeName(name);
    const fs::path path = (QFile::encodeName(folder.customPath({})) + name).toStdString();
    const auto removeRaw = qScopeGuard([&] { fs::remove_all(path); });
    // Both choosers list a good file, which then turns into the hostile one.
    fs::create_directories(path.parent_path());
    writeRaw(path, owl);
    QPointer<GameWindow> game = ui::forms::Show<GameWindow>();
    const auto lists = {control<QListWidget>(ui::forms::Load<SelectCustVocab>(), "File1"),
                        control<QListWidget>(ui::forms::Load<ChooseFileDialog>(), "ChooseFile")};
    if (gameRecords == notListed) {
      QVERIFY(!game->mnuCustVocab->isEnabled());
      for (const QListWidget *list : lists)
        QCOMPARE(list->count(), 0);
      return;
    }
    fs::remove(path);
    if (kind == "folder")
      fs::create_directory(path);
    else if (kind == "link")
      fs::create_symlink(path.parent_path() / "gone.txt", path);
    else
      writeRaw(path, bytes);
    const QString word = game->strWord;
    testing::chooseCustomVocabulary(game, listed);
    auto *now = ui::forms::get<GameWindow>();
    if (gameRecords == refused) {
      QCOMPARE(messages.messages().value(0).style, 48);
      QVERIFY(messages.texts().value(0).contains(listed));
      QCOMPARE(now, game.data());
      QCOMPARE(now->strWord, word);
    } else {
      QCOMPARE(now->intWordCount, qint16(gameRecords));
      QCOMPARE(now->findChildren<QLabel *>(QRegularExpression("^Word_")).size(),
               qMax(now->strWord.size(), qsizetype(1)));
    }
    messages.clear();
    pindrelModule::arrVocab = pindrelModule::arrHint01 = pindrelModule::arrHint02 = {"kept"};
    pindrelModule::strEditFile = QStringLiteral("kept.txt");
    testing::chooseForEditing(now, listed);
    QWidget *editor = ui::forms::find(QStringLiteral("new_vocab"));
    if (editorRecords == refused) {
      QCOMPARE(messages.messages().value(0).style, 48);
      QVERIFY(messages.texts().value(0).contains(listed));
      QCOMPARE(pindrelModule::arrVocab, QStringList{"kept"});
      QCOMPARE(pindrelModule::strEditFile, QStringLiteral("kept.txt"));
      QVERIFY(!editor);
    } else {
      QCOMPARE(pindrelModule::arrVocab.size(), editorRecords);
      if (editorRecords > 0)
        QCOMPARE(fields(pindrelModule::arrVocab[0], pindrelModule::arrHint01[0],
                        pindrelModule::arrHint02[0]), first);
      QCOMPARE(pindrelModule::strEditFile, listed);
      QVERIFY(editor && editor->isVisible());
      QCOMPARE(control<QPushButton>(editor, "cmdRightArrow")->isEnabled(), editorRecords > 0);
    }
  }
};

QTEST_MAIN(HostileFilesTest)
#include "test_hostile_files.moc"
