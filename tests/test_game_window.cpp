// The main window as a player meets it: the board it lays out, each click and key reaching the
// game, and what the game then says reaching the screen (keys, slots, gallows, hints, score,
// result, difficult words), by keyboard and screen reader too; and the review list's menu item and
// file. The rules themselves: test_game.
#include "storage/thai_codepage.h"
#include "support/windows.h"
#include "ui/twips.h"

using namespace testing;

namespace {

QImage picture(const GameWindow *window)
{
    return control<QLabel>(window, "imgPindrel")->pixmap().toImage();
}
QImage stagePicture(const ProgramFolder &folder, int stage)
{ // decoded at the size of its box, as the window decodes it
    QImageReader reader(folder.filePath(QStringLiteral("0%1.jpg").arg(stage)));
    reader.setScaledSize(ui::twipsRect(0, 0, 2580, 3135).size());
    return QPixmap::fromImage(reader.read()).toImage();
}
QString shownSlots(const GameWindow *window)
{ // "_" for an empty slot
    QString shown;
    for (int i = 1; i <= state(window).strWord.size(); ++i)
        shown += caption(window, QStringLiteral("Word_%1").arg(i)).leftJustified(1, u'_');
    return shown;
}
QString accessible(QObject *control, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

} // namespace

class GameWindowTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against keys laid out wrongly (the second row must start at "N", right under "A"),
    // slots stacked at one place, custom commands offered with nothing to choose (a hidden file is
    // nothing to choose), the wrong file
    // named, and a start-up that puts the keyboard on a button, or half-starts without a file.
    void startUpLaysOutTheBoardAndTheFirstWord_data()
    {
        QTest::addColumn<QString>("customFile");
        QTest::newRow("no folder") << QString();
        QTest::newRow("a hidden vocabulary only") << QStringLiteral(".hidden.txt");
        QTest::newRow("a vocabulary") << QStringLiteral("birds.txt");
        QTest::newRow("no school.txt") << QStringLiteral("-");
    }
    void startUpLaysOutTheBoardAndTheFirstWord()
    {
        QFETCH(QString, customFile);
        if (customFile.contains(u'.'))
            folder().writeCustom(customFile, "owl|hoots|at night\r\n");
        auto *window = customFile == u"-" && QFile::remove(folder().filePath("school.txt"))
            ? ui::forms::Show<GameWindow>()
            : startGameOn(folder(), QStringLiteral("Apple|red|ผลไม้|แอปเปิ้ล|I eat.\r\n"));
        QVERIFY(QDir(folder().customPath({})).exists());
        const bool custom = customFile.endsWith(".txt") && !customFile.startsWith(u'.');
        QCOMPARE(QList<bool>({menuItem(window, "mnuCustVocab")->isEnabled(),
                              menuItem(window, "mnuEditData")->isEnabled()}),
                 QList<bool>({custom, custom}));
        for (int i = 0; i <= 25; ++i) {
            const auto *key = control<QLabel>(window, QStringLiteral("Letter_%1").arg(i));
            QCOMPARE(key->isVisible() ? key->text() : "", QString(QChar(65 + i)));
            QCOMPARE(key->geometry(),
                     ui::twipsRect(240 + 495 * (i % 13), 360 + 435 * (i / 13), 495, 435));
        }
        if (customFile == u"-") { // told why, and nothing to play until another vocabulary is chosen
            QCOMPARE(messages().styles, QList<int> {48});
            QVERIFY(messages().texts.first().contains(QStringLiteral("school.txt")));
            QCOMPARE(board(window), QStringLiteral("panel 0, keys 0, hints 00, score 0, list 0"));
            return;
        }
        QCOMPARE(caption(window, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  school.txt"));
        for (int i = 1; i <= 5; ++i) {
            const auto *slot = control<QLabel>(window, QStringLiteral("Word_%1").arg(i));
            QCOMPARE(slot->isVisible() ? slot->geometry() : QRect(),
                     ui::twipsRect(240 + 585 * (i - 1), 1440, 585, 405));
        }
        QCOMPARE(shownSlots(window), QStringLiteral("_____"));
        QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
        QCOMPARE(window->focusWidget(), window);
    }

    // Guards against a click or key that does not reach the game (with Alt, Ctrl or Meta held a
    // letter is no guess; Shift only makes a capital), slots, keys, hints, gallows, result or score
    // that do not show what the game says, and a next word or a new category that keeps anything
    // of the last word's board (the gallows back at stage 0 above all).
    void playShowsWhatTheGameSays_data()
    {
        QTest::addColumn<QString>("word");
        // What is typed: 1 and 2 click a hint, ! the key D; ^ ~ # hold Alt, Ctrl, Meta.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("after"); // the board
        const auto row = [](const char *tag, const char *word, const char *typed,
                            const char *filled, const QString &result, const char *after) {
            QTest::newRow(tag) << word << typed << filled << result << after;
        };
        row("repeated letter, won", "book", "B^o!o#kk", "BOOK", "You've Won!",
            "panel 1, keys 0, hints 00, score 2, list 0");
        row("two hints, a loss", "Cat", "12b~ddefghijk", "___", "You've Lost! \n\rThe Word Was CAT",
            "panel 1, keys 0, hints 00, score -2, list 1");
        row("in play", "ox", "^xo!1", "O_", "", "panel 0, keys 24, hints 01, score -1, list 0");
    }
    void playShowsWhatTheGameSays()
    {
        QFETCH(QString, word);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        auto *window = startGameOn(folder(), word + QStringLiteral("|h1|h2|m|s\r\n"));
        Qt::KeyboardModifiers held;
        for (const QChar c : typed) {
            const qsizetype holding = QStringLiteral("^~#").indexOf(c);
            if (holding >= 0) {
                held = QList<Qt::KeyboardModifier> {Qt::AltModifier, Qt::ControlModifier,
                                                    Qt::MetaModifier}[holding];
                continue;
            }
            if (c == u'!')
                click(control<QLabel>(window, "Letter_3"));
            else if (c.isDigit())
                click(window, c == u'1' ? "cmdHint01" : "cmdHint02");
            else
                QTest::keyClick(window, c.toLatin1(), c.isUpper() ? Qt::ShiftModifier : held);
            held = {};
            QCOMPARE(picture(window), stagePicture(folder(), state(window).intWrongGuesses));
        }
        QCOMPARE(caption(window, "lblHint01") + caption(window, "lblHint02"),
                 QString(typed.contains(u'1') ? "h1" : "") + (typed.contains(u'2') ? "h2" : ""));
        QTEST(shownSlots(window), "filled");
        QTEST(caption(window, "Label1"), "result");
        QCOMPARE(board(window), after);
        auto *listen = control<QToolButton>(window, "cmdListen");
        if (!after.startsWith(u"panel 1")) { // the word cannot be heard before it is decided
            QVERIFY(!listen->isVisible());
            return;
        }
        speech().said.clear();
        click(listen);
        QCOMPARE(speech().said, (QList<QStringList> {{word.toLower(), "s"}}));

        click(window, "Command1_0"); // the same word again, on a clean board
        QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, ") + after.section(", ", 3));
        QCOMPARE(caption(window, "lblHint01") + caption(window, "lblHint02"), QString());
        QCOMPARE(picture(window), stagePicture(folder(), 0));
        QCOMPARE(shownSlots(window), QString(word.size(), u'_'));
        QTest::keyClicks(window, "zq");
        menuItem(window, "mnuAnimals")->trigger(); // a new category: everything starts afresh
        QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
        QCOMPARE(picture(window), stagePicture(folder(), 0));
        QCOMPARE(shownSlots(window), QString(state(window).strWord.size(), u'_'));
    }
    // Guards against words, hints, meanings, sentences and file names that the board or the popup
    // shows as markup (a picture loaded, a link, a popup grown to fit a heading, text hidden or
    // struck through), a file name with a line break cut off in the caption; and a list and its
    // meanings that drift apart, a popup that will not reopen or shows another word's meaning,
    // text cut off in it (it wraps and grows downward), and the list's type-ahead taking the
    // player's letters. The message box: test_platform.
    void lostWordsShowTheirOwnMeaningsAsText()
    {
        const QString sentence
            = QStringLiteral("<s>This example sentence is much too long to stand on the "
                             "two lines that the label was designed with, so it wraps.");
        const QString broken = QStringLiteral("<s>two\nlines.txt");
        folder().writeCustom(broken, "owl|hoots|at night\r\n");
        auto *window = startGameOn(folder(),
                                   QStringLiteral("cat|<img src=\"/dev/zero\">|<a "
                                                  "href=\"file:///etc/passwd\">x</a>|<h1>"
                                                  "BIG</h1>|%1\r\n<font "
                                                  "color=#efefef>dog|h|i|หมา|A dog.\r\n")
                                       .arg(sentence));
        for (int game = 0; game < 3; ++game, click(window, "Command1_0")) {
            click(window, "cmdHint01");
            click(window, "cmdHint02");
            QCOMPARE(caption(window, "lblHint01") + caption(window, "lblHint02"),
                     state(window).strHint01 + state(window).strHint02);
            loseGame(window);
            for (const QLabel *label : window->findChildren<QLabel *>())
                QCOMPARE(shown(label), label->text());
        }
        QListWidget *list = control<QListWidget>(window, "lstDifficultWords");
        QCOMPARE(list->count(), 3);
        for (const int row : {2, 0, 1}) {
            list->setCurrentRow(row);
            QWidget *popup = form("frmShowMeaning");
            QVERIFY(popup && popup->isVisible() && popup->height() < 2 * ui::px(1830));
            const bool cat = list->item(row)->text() == u"CAT";
            QCOMPARE(caption(popup, "lblMeaning"),
                     cat ? "CAT:   <h1>BIG</h1>" : "<FONT COLOR=#EFEFEF>DOG:   หมา");
            auto *label = control<QLabel>(popup, "lblSentence");
            QCOMPARE(label->text(), cat ? sentence : QStringLiteral("A dog."));
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
            QVERIFY(control<QPushButton>(popup, "cmdOK")->geometry().top()
                    >= label->geometry().bottom());
            for (const QLabel *shownLabel : popup->findChildren<QLabel *>())
                QCOMPARE(shown(shownLabel), shownLabel->text());
            click(popup, "cmdOK");
            QVERIFY(!popup->isVisible());
        }
        selectItem(list, QStringLiteral("<FONT COLOR=#EFEFEF>DOG")); // the selected one, by a click
        QVERIFY(form("frmShowMeaning")->isVisible());
        speech().said.clear();
        click(control<QWidget>(form("frmShowMeaning"), "cmdListen"));
        QCOMPARE(speech().said, (QList<QStringList> {{"<font color=#efefef>dog", "A dog."}}));

        list->setCurrentRow(int(list->count()) - 1); // its removal moves the current row: no click
        list->clearSelection();
        list->setFocus();
        QTest::keyClick(list, 'c');
        QCOMPARE(state(window).intLettersFound, qint16(state(window).strWord.count(u'C')));
        QVERIFY(list->selectedItems().isEmpty());
        chooseFile(menuItem(mainWindow(), "mnuCustVocab"), broken);
        QCOMPARE(caption(mainWindow(), "lblFileInUse"), "กำลังใช้ข้อมูลจากไฟล์  <s>two lines.txt");
    }
    // Guards against a game that needs the mouse (Tab skips a control, Enter does not go on), a
    // keyboard left on a button at a new word (a Space or Enter meant for nothing would take a
    // hint), a guess, hint or result that a screen reader never hears, and controls not named by
    // their text or not described by their place.
    void theKeyboardAlonePlaysAWordAndEachStepIsAnnounced()
    {
        auto *window = startGameOn(folder(), QStringLiteral("Cat|a pet|สัตว์เลี้ยง|แมว|A cat.\r\n"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QStringList steps; // after each key: where the focus is, and the last announcement
        for (const QChar key : QStringLiteral(" \r\t\t\t azct\t\t\t\t\r \r")) {
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            steps << QApplication::focusWidget()->objectName() + ": "
                    + accessible(window, QAccessible::Description);
        }
        const QString newWord = QStringLiteral("New word: 3 letters");
        const QString won = QStringLiteral("T: 1 letter found. You've Won! (Your Score: 1)");
        QCOMPARE(
            steps,
            QStringList({"Pindrel: " + newWord, "Pindrel: " + newWord, "cmdHint01: " + newWord,
                         "lstDifficultWords: " + newWord, "cmdHint01: " + newWord,
                         "cmdHint02: Hint 1: a pet (Your Score: -1)", "cmdHint02: A: 1 letter found",
                         "cmdHint02: Z: not in the word, 1 wrong guess",
                         "cmdHint02: C: 1 letter found", "Command1_0: " + won, "Command1_1: " + won,
                         "cmdListen: " + won, "lstDifficultWords: " + won, "Command1_0: " + won,
                         "Pindrel: " + newWord, "Pindrel: " + newWord, "Pindrel: " + newWord}));
        QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 1, list 0"));
        QTest::keyClick(window, 'a');
        QStringList named; // name / description
        for (const char *name :
             {"Letter_0", "Letter_1", "Word_2", "Word_3", "lblScore", "lstDifficultWords"}) {
            QObject *widget = control<QWidget>(window, QString::fromLatin1(name));
            named << accessible(widget, QAccessible::Name) + " / "
                    + accessible(widget, QAccessible::Description);
        }
        QCOMPARE(named,
                 QStringList({"A / letter A, used", "B / letter B, not used yet", "A / letter 2 of 3",
                              " / letter 3 of 3", "1 / Your Score:", "YOUR DIFFICULT WORDS: / "}));
    }

    // Guards against an item that miscounts, is offered empty, forgets across a restart, or plays
    // the list without its check mark alone and its file named; against a list that cannot be
    // read (damaged; the reader's refusals are test_vocabulary_file's) being deleted,
    // overwritten or told of more than once, or stopping the game; and a save that fails (a data
    // folder that is a file) told of at every word. A full disk: test_save_and_edit.
    void theItemPlaysTheWordsLostAndBadListsAreToldOnce_data()
    {
        QTest::addColumn<QStringList>("expected"); // the item after two words lost and a restart,
        // what the message says in English after the Thai, what is kept whole in the data folder
        QTest::newRow("none") << QStringList {"(2) on"};
        QTest::newRow("garbled") << QStringList {"(2) on", "cannot be read", "review (unreadable).txt"};
        QTest::newRow("data is a file") << QStringList {"(0) off", "could not be saved"};
    }
    void theItemPlaysTheWordsLostAndBadListsAreToldOnce()
    {
        QFETCH(QStringList, expected);
        const QString trouble = QTest::currentDataTag(), kept = expected.value(2);
        const QByteArray old = trouble == u"garbled" ? "cat|a|b|c|d|7\r\n" : "cat|a|b|c|d|2\r\n";
        if (trouble != u"none")
            folder().write(trouble == u"data is a file" ? "data/pindrel" : "data/pindrel/review.txt",
                           old);
        auto *window = startGameOn(folder(), "owl|a|b|c|d\r\nbee|a|b|c|d\r\n");
        for (int word = 0; word < 2; ++word, click(window, "Command1_0"))
            loseGame(window);
        resetProgram();
        QAction *review = menuItem(window = ui::forms::Show<GameWindow>(), "mnuReview");
        QCOMPARE(review->text() + (review->isEnabled() ? " on" : " off"),
                 "ทบทวนคำที่เคยผิด " + expected[0]);
        QCOMPARE(messages().texts.size(), int(expected.size() > 1));
        for (const QString &message : messages().texts) // Thai first, then English
            QVERIFY2(message.indexOf("\n\nThe review list \"review.txt\" " + expected[1]) > 0,
                     qPrintable(message));
        if (!kept.isEmpty())
            QCOMPARE(folder().read("data/pindrel/" + kept), old);
        if (!review->isEnabled())
            return;
        review->trigger();
        QString marks; // Qt's own untick at a second click: test_navigation
        for (const QAction *action : window->findChildren<QAction *>())
            marks += action->isChecked() ? action->objectName() : "";
        QCOMPARE(marks, "mnuReview");
        QCOMPARE(caption(window, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  review.txt"));
    }
};

WINDOWS_TEST_MAIN(GameWindowTest)
#include "test_game_window.moc"
