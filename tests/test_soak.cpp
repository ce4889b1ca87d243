// A long session in the real main window, after which nothing may have leaked or drifted.
#include "support/windows.h"

using namespace testing;

static qsizetype residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
  return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLongLong();
}

// A built-in vocabulary whose every word carries a meaning and a sentence of its own.
static QString vocabulary(const QStringList &words) {
  QString lines;
  for (const QString &word : words)
    lines += QStringLiteral("%1|hint|another|meaning of %1|sentence of %1\r\n").arg(word);
  return lines;
}

class SoakTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against leaked controls or memory, a score that wraps round, and meanings that drift.
  void tensOfThousandsOfGamesLeakNothing() {
    ProgramFolder folder;
    MessageRecorder messages;
    folder.write(QStringLiteral("house.txt"), cp874(vocabulary({"OX", "GO", "AT", "BE"})));
    folder.write(QStringLiteral("animals.txt"), cp874(vocabulary({"CAT", "DOG", "EEL"})));
    folder.write(QStringLiteral("school.txt"), cp874(vocabulary({"A", "B", "C"})));
    // Never shown: the soak is about what is left behind, not about drawing, so its buttons are
    // pressed as the keyboard presses them.
    auto *window = ui::forms::Load<GameWindow>();
    const auto press = [window](const char *button) { control<QPushButton>(window, QString::fromLatin1(button))->click(); };
    const auto play = [&](int hints, bool lose) {
      for (int i = 0; i < hints; ++i)
        press(i == 0 ? "cmdHint01" : "cmdHint02");
      lose ? loseGame(window) : winGame(window);
    };
    const auto widgets = [window] { return qApp->allWidgets().size() - state(window).strWord.size(); };
    const char *categories[] = {"mnuHouse", "mnuAnimals", "mnuSchool"};
    qsizetype widgetsAfterWarmUp = 0, memoryAfterWarmUp = 0, lost = 0;
    // 10,000 mixed games, then school's one-letter words: 16,384 wins take the score to its edge.
    // Between two games the event loop runs, as it would between the player's clicks.
    for (int game = 0; game < 26800; ++game, press("Command1_0"), qApp->processEvents()) {
      if (game == 1000)
        std::tie(widgetsAfterWarmUp, memoryAfterWarmUp) = std::pair(widgets(), residentKiB());
      if (game % 200 == 0 && game <= 10000) {
        control<QAction>(window, categories[game / 200 % 3])->trigger();
        lost = 0;
      }
      const bool lose = game < 10000 ? game % 7 == 3 : game % 64 == 5;
      lost += lose;
      play(game < 10000 ? game % 3 : 0, lose);
    }
    play(1, false); // 32766 + 2
    QCOMPARE(caption(window, "lblScore"), QStringLiteral("32767"));
    const QListWidget *list = control<QListWidget>(window, "lstDifficultWords");
    QCOMPARE(qsizetype(list->count()), lost);
    QCOMPARE(state(window).arrDiffInfo[0].size(), lost);
    for (int j = 0; j < list->count(); ++j) // each lost word's own meaning and sentence
      QCOMPARE(state(window).arrDiffInfo[0][j] + " / " + state(window).arrDiffInfo[1][j],
               QStringLiteral("meaning of %1 / sentence of %1").arg(list->item(j)->text()));
    QCOMPARE(widgets(), widgetsAfterWarmUp);
    QCOMPARE(messages.texts, QStringList());
#ifndef __SANITIZE_ADDRESS__ // which holds freed memory back on purpose
    const qsizetype grownKiB = residentKiB() - memoryAfterWarmUp;
    QVERIFY2(grownKiB < 20 * 1024, qPrintable(QStringLiteral("%1 KiB more").arg(grownKiB)));
#endif
  }
};

WINDOWS_TEST_MAIN(SoakTest)
#include "test_soak.moc"
