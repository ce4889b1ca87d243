// The main window's start-up: the custom folder, the menu, the keys and the first word.
#include "game/game_window.h"
#include "storage/pindrel_module.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"
#include "ui/twips.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using testing::control;

class GameStartTest : public QObject {
  Q_OBJECT

private slots:
  void init() { GameWindow::setSeedSource([] { return 7u; }); }
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
  }

  // Guards against a start-up that needs the custom folder to exist, or enables the custom
  // commands when there is nothing to choose.
  void customFolderDecidesTheCustomCommands_data() {
    QTest::addColumn<bool>("makeFolder");
    QTest::addColumn<QString>("fileInFolder");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("no folder") << false << QString() << false;
    QTest::newRow("empty folder") << true << QString() << false;
    QTest::newRow("other files only") << true << QStringLiteral("notes.doc") << false;
    QTest::newRow("a vocabulary") << true << QStringLiteral("birds.txt") << true;
  }
  void customFolderDecidesTheCustomCommands() {
    QFETCH(bool, makeFolder);
    QFETCH(QString, fileInFolder);
    QFETCH(bool, enabled);
    ProgramFolder folder;
    if (makeFolder)
      QDir(folder.path()).mkdir(QStringLiteral("Custom Vocab"));
    if (!fileInFolder.isEmpty())
      folder.writeCustom(fileInFolder, "cat|a pet|meow\r\n");
    auto *window = ui::forms::Load<GameWindow>();
    QVERIFY(QDir(folder.customPath({})).exists());
    QCOMPARE(control<QAction>(window, "mnuCustVocab")->isEnabled(), enabled);
    QCOMPARE(control<QAction>(window, "mnuEditData")->isEnabled(), enabled);
    QVERIFY(control<QAction>(window, "mnuSchool")->isChecked());
    QVERIFY(window->blnBuiltIn);
  }

  // Guards against keys laid out with gaps, in the wrong row, or with the wrong letters.
  void keysStandInTwoTouchingRows() {
    ProgramFolder folder;
    auto *window = ui::forms::Load<GameWindow>();
    for (int i = 0; i <= 25; ++i) {
      auto *key = control<QLabel>(window, QStringLiteral("Letter_%1").arg(i));
      QVERIFY(key);
      QCOMPARE(key->text(), QString(QChar(65 + i)));
      QVERIFY(key->isVisibleTo(window));
      QVERIFY(key->isEnabled());
      const int column = i % 13;
      QCOMPARE(key->geometry(), ui::twipsRect(240 + 495 * column, i < 13 ? 360 : 795, 495, 435));
    }
  }

  // Guards against a first word that is not laid out as empty slots, or a score that is not 0.
  void firstWordStandsAsEmptySlots() {
    ProgramFolder folder;
    folder.write(QStringLiteral("school.txt"),
                 cp874(QStringLiteral("Apple|red fruit|ผลไม้|แอปเปิ้ล|I eat an apple.\r\n")));
    auto *window = ui::forms::Load<GameWindow>();
    QCOMPARE(window->strWord, QStringLiteral("APPLE"));
    QCOMPARE(window->intWordCount, qint16(1));
    QCOMPARE(window->intNextWord, qint16(1));
    for (int i = 1; i <= 5; ++i) {
      auto *slot = control<QLabel>(window, QStringLiteral("Word_%1").arg(i));
      QVERIFY(slot);
      QVERIFY(slot->text().isEmpty());
      QCOMPARE(slot->geometry(), ui::twipsRect(240 + 585 * (i - 1), 1440, 585, 405));
    }
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Word_6")));
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLabel>(window, "lblFileInUse")->text(),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  school.txt"));
    QVERIFY(control<QPushButton>(window, "cmdHint01")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "cmdHint02")->isEnabled());
    QCOMPARE(window->strMeaning, QStringLiteral("แอปเปิ้ล"));
  }

  // Guards against the custom file being ignored, or strFileInUse left set for the next load.
  void customFileInUseIsReadOnce() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"),
                       cp874(QStringLiteral("owl|hoots|นก|meaning|sentence\r\nhen|eggs|ไก่\r\n")));
    pindrelModule::strFileInUse = QStringLiteral("birds.txt");
    auto *window = ui::forms::Load<GameWindow>();
    QVERIFY(!window->blnBuiltIn);
    QVERIFY(pindrelModule::strFileInUse.isEmpty());
    QCOMPARE(window->intWordCount, qint16(2));
    QCOMPARE(window->intNextWord, qint16(2));
    QCOMPARE(window->arrWordTable.at(0).meaning, QString());
    QCOMPARE(control<QLabel>(window, "lblFileInUse")->text(),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
    QVERIFY(control<QAction>(window, "mnuSchool")->isChecked());
  }

  // Guards against a crash, or a half-made game, when the first vocabulary cannot be used.
  void missingSchoolFileOpensAnIdleWindow() {
    ProgramFolder folder{QStringList()};
    MessageRecorder messages;
    auto *window = ui::forms::Load<GameWindow>();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, 48);
    QVERIFY(messages.texts().first().contains(QStringLiteral("school.txt")));
    QVERIFY(!control<QLabel>(window, "Letter_0")->isEnabled());
    QVERIFY(!control<QLabel>(window, "Letter_25")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "cmdHint01")->isEnabled());
    QVERIFY(control<QAction>(window, "mnuHouse")->isEnabled());
    QCOMPARE(control<QLabel>(window, "lblFileInUse")->text(), QString());
  }
};

QTEST_MAIN(GameStartTest)
#include "test_game_start.moc"
