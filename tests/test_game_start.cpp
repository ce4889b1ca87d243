// The main window's start-up: the custom folder, the menu, the keys and the first word.
#include "support/windows.h"

using namespace testing;

class GameStartTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a start-up that needs the custom folder, enables the custom commands with
  // nothing to choose, leaves the meanings of the built-in vocabulary unread, shows a key
  // hidden or with a wrong letter, or shows the first word other than in upper case with the
  // score at 0. Its slots are tried in test_game_play, and a custom file in use at start-up is
  // what choosing or saving a file leads to (test_choose_vocabulary, test_save_and_edit).
  void startUpShowsTheFirstWord_data() {
    QTest::addColumn<QString>("customFile");
    QTest::newRow("no folder") << QString();
    QTest::newRow("other files only") << QStringLiteral("notes.doc");
    QTest::newRow("a vocabulary") << QStringLiteral("birds.txt");
  }
  void startUpShowsTheFirstWord() {
    QFETCH(QString, customFile);
    ProgramFolder folder;
    if (!customFile.isEmpty())
      folder.writeCustom(customFile, "owl|hoots|at night\r\n");
    auto *window = startGameOn(folder, QStringLiteral("Apple|red|ผลไม้|แอปเปิ้ล|I eat.\r\n"));
    QVERIFY(QDir(folder.customPath({})).exists());
    const bool custom = customFile.endsWith(".txt");
    QCOMPARE(QList<bool>({window->mnuCustVocab->isEnabled(), window->mnuEditData->isEnabled()}),
             QList<bool>({custom, custom}));
    QVERIFY(window->mnuSchool->isChecked() && window->blnBuiltIn);
    QCOMPARE(window->arrWordTable.at(0).meaning, QStringLiteral("แอปเปิ้ล"));
    QCOMPARE(caption(window, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  school.txt"));
    for (int i = 0; i <= 25; ++i) {
      const auto *key = control<QLabel>(window, QStringLiteral("Letter_%1").arg(i));
      QCOMPARE(key->isVisibleTo(window) ? key->text() : "", QString(QChar(65 + i)));
    }
    QCOMPARE(window->strWord, QStringLiteral("APPLE"));
    QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
  }

  // Guards against a crash, or a half-made game, when the first vocabulary cannot be used.
  void missingSchoolFileOpensAnIdleWindow() {
    ProgramFolder folder;
    QFile::remove(folder.filePath(QStringLiteral("school.txt")));
    MessageRecorder messages;
    auto *window = ui::forms::Load<GameWindow>();
    QCOMPARE(messages.styles, QList<int>{48});
    QVERIFY(messages.texts.first().contains(QStringLiteral("school.txt")));
    QCOMPARE(board(window), QStringLiteral("panel 0, keys 0, hints 00, score 0, list 0"));
    QVERIFY(window->mnuHouse->isEnabled());
    QCOMPARE(caption(window, "lblFileInUse"), QString());
  }
};

WINDOWS_TEST_MAIN(GameStartTest)
#include "test_game_start.moc"
