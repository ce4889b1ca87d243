// The shell: the splash that starts the program, the hand-overs between windows (choosing a
// user's file and playing it, the menu commands, the vocabulary menu's check marks), what closes
// with the main window, and a copy whose folder the player may not write to: an installed copy,
// and a read-only "Custom Vocab" (the smoke tests play a real installed copy).
#include "shell/application.h"
#include "shell/splash.h"
#include "support/small_disk.h"
#include "support/windows.h"
#include "ui/file_system.h"

using namespace testing;

class NavigationTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against a splash that shows its version wrongly (padded numbers), hands over to the
    // main window late or not at all, lets a label or the picture act as the frame under it, or
    // ends the program on keys without a character and not on those with one.
    void splashAnswersItsTimerClicksAndKeys_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("outcome");
        const auto splash = [] { return ui::forms::get<Splash>(); };
        QTest::newRow("timer") << Act([=] { splash()->Timer1_Timer(); }) << "main window";
        for (const char *name : {"Frame1", "lblProductName", "lblVersion", "Image1", "Label3"})
            QTest::addRow("click %s", name)
                << Act([=] { click(control<QWidget>(splash(), name)); })
                << (name == QLatin1String("Frame1") ? "main window" : "nothing");
        for (const int key : {Qt::Key_Q, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                              Qt::Key_Left, Qt::Key_F1}) // the last two give no character
            QTest::addRow("key %s", qPrintable(QKeySequence(key).toString()))
                << Act([=] { QTest::keyClick(splash(), Qt::Key(key)); })
                << (key == Qt::Key_Left || key == Qt::Key_F1 ? "nothing" : "end");
    }
    void splashAnswersItsTimerClicksAndKeys()
    {
        QFETCH(Act, act);
        QFETCH(QString, outcome);
        int quits = 0;
        const pindrel::ProgramEnd end([&quits] { ++quits; });
        QWidget *splash = ui::forms::Show<Splash>();
        QCOMPARE(caption(splash, "lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(Splash::versionText(2, 3, 15), QStringLiteral("Version 2.3.15"));
        const QTimer *timer = control<QTimer>(splash, "Timer1");
        QCOMPARE(timer->isActive() ? timer->interval() : 0, 3500);
        act();
        processDeferredDeletes();
        QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSplash")), outcome == u"nothing");
        QCOMPARE(mainWindow() && mainWindow()->isVisible(), outcome == u"main window");
        QCOMPARE(quits, outcome == u"end" ? 1 : 0);
    }

    // Guards against an OK without a choice, or with a file that cannot be played (no words, or
    // gone since the list was read), that closes the chooser or loses the game in progress; and a
    // switch to a usable file that reads it again, keeps the old score or list, or reads meanings
    // from it.
    void chooserOpensTheGameOnlyOnAPlayableFileReadOnce()
    {
        for (const char *name : {"birds.txt", "gone.txt"})
            folder().writeCustom(QString::fromLatin1(name), "owl|hoots|wise|a meaning|a sentence\r\n");
        folder().writeCustom(QStringLiteral("blank.txt"), "  \r\n\r\n");
        auto *window = ui::forms::Show<GameWindow>();
        menuItem(window, "mnuCustVocab")->trigger();
        QWidget *dialog = form("frmSelectCustVocab");
        click(window, "cmdHint01");
        loseGame(window);
        const QString word = state(window).strWord;
        QVERIFY(QFile::remove(folder().customPath(QStringLiteral("gone.txt"))));
        for (const QString file : {"", "gone.txt", "blank.txt"}) {
            messages().clear();
            if (!file.isEmpty())
                selectItem(control<QListWidget>(dialog, "File1"), file);
            click(dialog, "cmdOK");
            processDeferredDeletes();
            QCOMPARE(messages().styles, QList<int> {file.isEmpty() ? 64 : 48});
            QVERIFY(messages().texts.first().contains(file.isEmpty() ? "You must choose a file." : file));
            QVERIFY(mainWindow() == window && dialog->isVisible() && state(window).strWord == word);
            QCOMPARE(board(window), QStringLiteral("panel 1, keys 0, hints 00, score -1, list 1"));
        }
        QStringList reads;
        ui::setFileReadObserver([&reads](const QString &path) { reads.append(ui::shortName(path)); });
        const auto stop = qScopeGuard([] { ui::setFileReadObserver({}); });
        selectItem(control<QListWidget>(dialog, "File1"), QStringLiteral("birds.txt"));
        click(dialog, "cmdOK");
        processDeferredDeletes();
        QCOMPARE(reads, QStringList({"birds.txt", "review.txt"})); // and the review list, as every load
        QVERIFY(!form("frmSelectCustVocab") && mainWindow() && mainWindow()->isVisible());
        QVERIFY(state(mainWindow()).strWord == u"OWL" && !state(mainWindow()).blnBuiltIn
                && state(mainWindow()).arrWordTable.at(0).meaning.isEmpty());
        QCOMPARE(board(mainWindow()), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
        QCOMPARE(caption(mainWindow(), "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  birds.txt"));
    }

    // Guards against a check mark that Qt's own click leaves behind or takes away: after every
    // step exactly one of the four vocabulary items is checked, the one being played (none only
    // while nothing is loaded), whatever was clicked, cancelled or could not be read.
    void exactlyOneCheckMarkNamesTheVocabularyInPlay()
    {
        folder().writeCustom(QStringLiteral("birds.txt"), "owl|hoots|at night\r\n");
        QFile::rename(folder().filePath("school.txt"), folder().filePath("school.off"));
        ui::forms::Show<GameWindow>();
        const auto marks = [] { // the checked items, by the letter of their vocabulary
            QString checked;
            for (const QAction *item : mainWindow()->findChildren<QAction *>())
                checked += item->isChecked() ? item->objectName().mid(3, 1) : QString();
            return checked;
        };
        // Each step: a menu item to trigger ("-" takes a file away, "<" cancels the chooser, "+"
        // chooses birds.txt in it), then the marks it must leave.
        const QStringList steps = QStringLiteral(",mnuSchool,school back,mnuSchool S,mnuSchool "
                                                 "S,mnuCustVocab S,< S,-house.txt S,mnuHouse S,"
                                                 "mnuAnimals A,-animals.txt A,mnuAnimals A,+ "
                                                 "C,mnuCustVocab C,< C,mnuHouse C,mnuSchool S")
                                      .split(u',');
        for (const QString &step : steps) {
            const QString act = step.section(u' ', 0, 0), expected = step.section(u' ', 1);
            if (act.startsWith(u"mnu"))
                menuItem(mainWindow(), qPrintable(act))->trigger();
            else if (act == u"<")
                click(form("frmSelectCustVocab"), "cmdCancel");
            else if (act.startsWith(u'-'))
                QFile::remove(folder().filePath(act.mid(1)));
            else if (act == u"school")
                QFile::rename(folder().filePath("school.off"), folder().filePath("school.txt"));
            else if (act == u"+")
                chooseFile(menuItem(mainWindow(), "mnuCustVocab"), QStringLiteral("birds.txt"));
            QCOMPARE(act + " -> " + marks(),
                     act + " -> " + (expected == u"back" ? QString() : expected));
        }
    }

    // Guards against help that opens anywhere but at its contents or fails without a word when its
    // file is missing; a second Create that keeps what the first editor held or switches meanings
    // on for a user file; windows that outlive a main window opened anew on a file (About, the save
    // dialog, the chooser and the editor close with it; the hidden popup and edit chooser stay);
    // and windows, hidden ones too, that outlive the main window's end and keep the program running.
    void menuCommandsThenClosingEndEverything_data()
    {
        QTest::addColumn<Act>("close");
        QTest::newRow("Exit") << Act([] { menuItem(mainWindow(), "mnuExit")->trigger(); });
        QTest::newRow("close box") << Act([] { mainWindow()->close(); });
        QTest::newRow("quit button") << Act([] { click(mainWindow(), "Command1_1"); });
    }
    void menuCommandsThenClosingEndEverything()
    {
        QFETCH(Act, close);
        folder().writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
        pindrelModule::strFileInUse = pindrelModule::strEditFile = QStringLiteral("birds.txt");
        int quits = 0;
        const pindrel::ProgramEnd end([&quits] { ++quits; });
        auto *window = ui::forms::Show<GameWindow>();
        menuItem(window, "mnuContents")->trigger();
        QTextBrowser *help = helpWindow();
        QVERIFY(help && help->toPlainText().contains(QStringLiteral("สารบัญ / Contents")));
        help->setSource(QUrl(QStringLiteral("#play")));
        menuItem(window, "mnuContents")->trigger();
        QCOMPARE(helpWindow(), help);
        QCOMPARE(help->verticalScrollBar()->value(), 0);
        QVERIFY(QFile::remove(folder().filePath(QStringLiteral("help04.hlp"))));
        menuItem(window, "mnuContents")->trigger();
        QVERIFY(help->toPlainText().contains("ขออภัย") && help->toPlainText().contains("help04.hlp"));

        menuItem(window, "mnuCreate")->trigger();
        QTest::keyClicks(control<QLineEdit>(form("new_vocab"), "txtVocab"), "giraffe");
        menuItem(window, "mnuCreate")->trigger();
        processDeferredDeletes();
        QCOMPARE(control<QLineEdit>(form("new_vocab"), "txtVocab")->text(), QString());
        QVERIFY(pindrelModule::strEditFile.isEmpty() && !state(window).blnBuiltIn);
        addEntry(form("new_vocab"), "cat", "a pet", "meows");
        click(form("new_vocab"), "cmdSave");
        menuItem(window, "mnuAbout")->trigger();
        menuItem(window, "mnuEditData")->trigger();
        click(form("frmChooseFile"), "cmdCancel");
        loseGame(window);
        control<QListWidget>(window, "lstDifficultWords")->setCurrentRow(0);
        chooseFile(menuItem(window, "mnuCustVocab"), QStringLiteral("birds.txt"));
        QStringList loaded = ui::forms::loadedNames();
        loaded.sort();
        QCOMPARE(loaded, QStringList({"Pindrel", "frmChooseFile", "frmShowMeaning"}));
        menuItem(mainWindow(), "mnuAbout")->trigger();
        loseGame(mainWindow()); // the quit button is on the result panel
        close();
        processDeferredDeletes();
        QCOMPARE(ui::forms::loadedNames(), QStringList());
        QVERIFY(!helpWindow());
        QCOMPARE(quits, 1);
    }

    // Guards against an installed copy whose users cannot make or edit a vocabulary (their files
    // belong in their own data folder, made at start-up), or that writes into its own folder; and
    // against a read-only "Custom Vocab" in a copy of the user's own told as anything but what it
    // is, with the splash's timer handing over again while the message is open.
    void aFolderThatCannotBeWrittenTo_data()
    {
        QTest::addColumn<bool>("installed"); // else only its "Custom Vocab" is read-only
        QTest::newRow("installed copy") << true;
        QTest::newRow("read-only Custom Vocab") << false;
    }
    void aFolderThatCannotBeWrittenTo()
    {
        QFETCH(bool, installed);
        folder().writeCustom(QStringLiteral("birds.txt"), "owl|it hoots|at night\r\n");
        QTemporaryDir home; // the user's own, outside the read-only folder
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const SmallDisk readOnly(installed ? folder().path() : folder().customPath({}), true);
        if (!readOnly.error.isNull())
            QSKIP(qPrintable("a read-only mount needs root and mount rights: " + readOnly.error));
        bool timerRunning = true;
        messages().onMessage = [&](auto &) {
            if (QWidget *splash = form("frmSplash"))
                timerRunning = control<QTimer>(splash, "Timer1")->isActive();
        };
        click(control<QWidget>(ui::forms::Show<Splash>(), "Frame1"));
        const auto commands = [] {
            return QList<bool>({menuItem(mainWindow(), "mnuCustVocab")->isEnabled(),
                                menuItem(mainWindow(), "mnuEditData")->isEnabled(),
                                menuItem(mainWindow(), "mnuCreate")->isEnabled()});
        };
        if (!installed) {
            QCOMPARE(messages().texts.size(), 1); // Thai first, then English
            QVERIFY(
                messages().texts[0].indexOf("\n\nThe folder \"Custom Vocab\" cannot be written to") > 0);
            QVERIFY(!timerRunning);
            QCOMPARE(commands(), QList<bool>({true, false, false}));
            return;
        }
        const QString userFolder = home.filePath(QStringLiteral("pindrel/Custom Vocab"));
        QVERIFY(messages().texts.isEmpty() && QDir(userFolder).exists());
        QCOMPARE(commands(), QList<bool>({false, false, true}));
        menuItem(mainWindow(), "mnuCreate")->trigger();
        addEntry(form("new_vocab"), "cat", "a pet", "meows");
        click(form("new_vocab"), "cmdSave");
        control<QLineEdit>(form("frmSave"), "Text1")->setText(QStringLiteral("pets"));
        click(form("frmSave"), "cmdSave");
        processDeferredDeletes();
        QCOMPARE(messages().texts, QStringList {"บันทึกข้อมูลเรียบร้อยแล้ว"});
        QFile saved(userFolder + QStringLiteral("/pets.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == "cat|a pet|meows\r\n");
        QCOMPARE(commands(), QList<bool>({true, true, true}));
        QCOMPARE(caption(mainWindow(), "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  pets.txt"));
        QCOMPARE(QDir(folder().customPath({})).entryList(QDir::Files), QStringList {"birds.txt"});
    }
};

WINDOWS_TEST_MAIN(NavigationTest)
#include "test_navigation.moc"
