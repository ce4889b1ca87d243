// Hostile vocabulary files chosen in the game and in the editor, through both choosers: each is
// taken as the one reader takes it, or refused with one message that changes nothing. What the
// reader makes of each kind of file is tested on the reader itself (test_vocabulary_file).
#include "game/select_cust_vocab.h"
#include "storage/choose_file_dialog.h"
#include "storage/save_dialog.h"
#include "support/windows.h"

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace testing;
namespace module = pindrelModule;

const QByteArray owl = "owl|hoots|at night\r\n";
constexpr int refused = -1;
constexpr int notListed = -2; // a name no list may offer: hidden, or not in UTF-8

class HostileFilesTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a file that freezes a window, is misread, is refused silently or after a
  // change, or by one chooser and not the other; and against names offered that a file manager
  // hides or that cannot be written back.
  void eachFileIsTakenOrRefusedWhole_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: a FIFO
    QTest::addColumn<int>("gameRecords");  // refused, notListed, or the records read
    QTest::addColumn<int>("editorRecords");
    QTest::addColumn<QString>("hint01"); // of the first entry
    QTest::newRow("empty") << QByteArray("e.txt") << QByteArray("\r\n") << refused << 0 << "";
    QTest::newRow("32,766 lines") << QByteArray("m.txt") << owl.repeated(32766) << 32766 << 32766 << "hoots";
    QTest::newRow("32,767 lines") << QByteArray("m.txt") << owl.repeated(32767) << refused << refused << "";
    QTest::newRow("fifo") << QByteArray("f.txt") << QByteArray() << refused << refused << "";
    QTest::newRow("utf-8 with its mark") << QByteArray("u.txt") << "\xEF\xBB\xBF" + QStringLiteral("owl|นกฮูก|x\n").toUtf8()
                                         << 1 << 1 << "นกฮูก";
    QTest::newRow("name not utf-8") << QByteArray("bad\xff\xfe.txt") << owl << notListed << notListed << "";
    QTest::newRow("hidden name") << QByteArray(".hidden.txt") << owl << notListed << notListed << "";
  }
  void eachFileIsTakenOrRefusedWhole() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, gameRecords);
    QFETCH(int, editorRecords);
    ProgramFolder folder;
    MessageRecorder messages;
    const QString listed = QFile::decodeName(name);
    const QByteArray path = QFile::encodeName(folder.customPath({})) + name;
    const auto warned = [&] { // one warning, naming the file in Thai and then in English
      const QString text = messages.texts.value(0);
      return messages.styles == QList<int>{48} && text.startsWith("ใช้ไฟล์คำศัพท์ \"" + listed + '"') &&
             text.contains("\n\nThe vocabulary file \"" + listed + "\" cannot be used");
    };
    // Every list offers a good file, which then turns into the hostile one.
    QDir().mkpath(folder.customPath({}));
    std::ofstream(path.constData(), std::ios::binary) << owl.constData();
    QPointer<GameWindow> game = ui::forms::Show<GameWindow>();
    const int offered = gameRecords == notListed ? 0 : 1;
    const QList<QWidget *> lists{ui::forms::Load<SelectCustVocab>(), ui::forms::Load<ChooseFileDialog>(),
                                 ui::forms::Load<SaveDialog>()};
    for (QWidget *list : lists)
      QCOMPARE(list->findChild<QListWidget *>()->count(), offered);
    QCOMPARE(menuItem(game, "mnuCustVocab")->isEnabled(), bool(offered));
    if (!offered)
      return;
    QVERIFY(::unlink(path.constData()) == 0);
    if (bytes.isEmpty())
      QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    else
      std::ofstream(path.constData(), std::ios::binary).write(bytes.constData(), bytes.size());
    const QString word = state(game).strWord;
    chooseFile(menuItem(game, "mnuCustVocab"), listed);
    auto *now = ui::forms::get<GameWindow>();
    // Refused leaves the same window on the same word; a file taken is played.
    QCOMPARE(warned() && now == game && state(now).strWord == word ? refused : state(now).intWordCount, gameRecords);

    messages.clear();
    module::arrVocab = module::arrHint01 = module::arrHint02 = {"kept"};
    module::strEditFile = QStringLiteral("kept.txt");
    chooseFile(menuItem(now, "mnuEditData"), listed);
    if (editorRecords == refused) { // the store and the file edited as they were, and no editor
      QVERIFY(warned() && !form("new_vocab"));
      QCOMPARE(module::arrVocab + QStringList{module::strEditFile}, QStringList({"kept", "kept.txt"}));
      return;
    }
    QCOMPARE(module::arrVocab.size(), editorRecords);
    QCOMPARE(module::strEditFile, listed);
    QVERIFY(form("new_vocab") && form("new_vocab")->isVisible());
    QTEST(module::arrHint01.value(0), "hint01");
  }
};

WINDOWS_TEST_MAIN(HostileFilesTest)
#include "test_hostile_files.moc"
