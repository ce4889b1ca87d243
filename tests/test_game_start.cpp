// The main window's start-up: the custom folder, the menu, the keys and the first word.
#include "storage/pindrel_module.h"
#include "support/board.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "ui/forms.h"
#include "ui/twips.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QtTest>

using namespace testing;

class GameStartTest : public QObject {
  Q_OBJECT

private slots:
  void init() { GameWindow::setSeedSource([] { return 7u; }); }
  void cleanup() {
    unloadAllForms();
    pindrelModule::strFileInUse.clear();
  }

  // Guards against a start-up that needs the custom folder, enables the custom commands with
  // nothing to choose, ignores the custom file in use or reads its meanings, leaves
  // strFileInUse set, lays the keys out with gaps or wrong letters, or shows the first word
  // other than as empty upper-case slots with the score at 0.
  void startUpShowsTheFirstWord_data() {
    QTest::addColumn<QString>("customFile");
    QTest::addColumn<bool>("inUse");
    QTest::newRow("no folder") << QString() << false;
    QTest::newRow("other files only") << QStringLiteral("notes.doc") << false;
    QTest::newRow("a vocabulary") << QStringLiteral("birds.txt") << false;
    QTest::newRow("a vocabulary in use") << QStringLiteral("birds.txt") << true;
  }
  void startUpShowsTheFirstWord() {
    QFETCH(QString, customFile);
    QFETCH(bool, inUse);
    ProgramFolder folder;
    folder.write(QStringLiteral("school.txt"), cp874(QStringLiteral("Apple|red|ผลไม้|แอปเปิ้ล|I eat.\r\n")));
    if (!customFile.isEmpty())
      folder.writeCustom(customFile, cp874(QStringLiteral("owl|hoots|นก|meaning|sentence\r\n")));
    pindrelModule::strFileInUse = inUse ? customFile : QString();
    auto *window = ui::forms::Load<GameWindow>();
    QVERIFY(QDir(folder.customPath({})).exists());
    QCOMPARE(control<QAction>(window, "mnuCustVocab")->isEnabled(), customFile.endsWith(".txt"));
    QCOMPARE(control<QAction>(window, "mnuEditData")->isEnabled(), customFile.endsWith(".txt"));
    QVERIFY(control<QAction>(window, "mnuSchool")->isChecked());
    QCOMPARE(window->blnBuiltIn, !inUse);
    QVERIFY(pindrelModule::strFileInUse.isEmpty());
    QCOMPARE(caption(window, "lblFileInUse"),
             QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ") + (inUse ? customFile : QStringLiteral("school.txt")));
    QCOMPARE(window->arrWordTable.at(0).meaning.isEmpty(), inUse);

    for (int i = 0; i <= 25; ++i) {
      QCOMPARE(key(window, i)->isVisibleTo(window) ? key(window, i)->text() : "", QString(QChar(65 + i)));
      QCOMPARE(key(window, i)->geometry(), ui::twipsRect(240 + 495 * (i % 13), i < 13 ? 360 : 795, 495, 435));
    }
    QCOMPARE(enabledKeys(window), 26);
    const QString word = inUse ? QStringLiteral("OWL") : QStringLiteral("APPLE");
    QCOMPARE(window->strWord, word);
    QCOMPARE(window->intNextWord, qint16(1)); // wrapped round the one-word order
    const QLabel *last = control<QLabel>(window, QStringLiteral("Word_%1").arg(word.size()));
    QCOMPARE(last->geometry(), ui::twipsRect(240 + 585 * int(word.size() - 1), 1440, 585, 405));
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Word_%1").arg(word.size() + 1)));
    QCOMPARE(caption(window, "lblScore"), QStringLiteral("0"));
    QVERIFY(control<QPushButton>(window, "cmdHint01")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "cmdHint02")->isEnabled());
  }

  // Guards against a crash, or a half-made game, when the first vocabulary cannot be used.
  void missingSchoolFileOpensAnIdleWindow() {
    ProgramFolder folder{QStringList()};
    MessageRecorder messages;
    auto *window = ui::forms::Load<GameWindow>();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, 48);
    QVERIFY(messages.texts().first().contains(QStringLiteral("school.txt")));
    QCOMPARE(enabledKeys(window), 0);
    QVERIFY(!control<QPushButton>(window, "cmdHint01")->isEnabled());
    QVERIFY(control<QAction>(window, "mnuHouse")->isEnabled());
    QCOMPARE(caption(window, "lblFileInUse"), QString());
  }
};

QTEST_MAIN(GameStartTest)
#include "test_game_start.moc"
