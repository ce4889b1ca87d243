// Opens every window of the game on a real X display (run by scripts/take-screenshots.sh
// under Xvfb on the xcb platform) and saves what the display shows of each as a PNG: the
// pictures in docs/screenshots are made here, from the real windows with the real fonts.
//   take_screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include "classroom/worksheet.h"
#include "editor/vocab_editor.h"
#include "game/game_window.h"
#include "game/select_cust_vocab.h"
#include "shell/about.h"
#include "shell/application.h"
#include "shell/navigation.h"
#include "shell/splash.h"
#include "storage/choose_file_dialog.h"
#include "storage/save_dialog.h"
#include "storage/thai_codepage.h"
#include "ui/desktop.h"
#include "ui/file_system.h"
#include "ui/forms.h"
#include "ui/message_box.h"
#include "ui/zoom.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <cstdio>

namespace {

QDir output;
bool allSaved = true;

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// What the X server shows of the window, once it is mapped and painted.
void shoot(QWidget *window, const char *name)
{
    window->show();
    window->raise();
    QElapsedTimer timer;
    timer.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    settle(300);
    const QString path = output.filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!window->screen()->grabWindow(window->winId()).save(path)) {
        std::fprintf(stderr, "take_screenshots: cannot write %s\n", qPrintable(path));
        allSaved = false;
    }
}

template<class T> QWidget *shoot(const char *name)
{
    QWidget *window = ui::forms::Show<T>();
    shoot(window, name);
    return window;
}

template<class T = QWidget> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

void typeLetter(QWidget *window, QChar letter)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.toUpper().unicode() - 'A'),
                    Qt::NoModifier, QString(letter));
    QApplication::sendEvent(window, &press);
}

// Letters of the word, or letters that are not in it.
QString letters(const QString &word, bool inWord, int count)
{
    QString chosen;
    for (char c = 'A'; c <= 'Z' && chosen.size() < count; ++c)
        if (word.contains(QLatin1Char(c)) == inWord)
            chosen += QLatin1Char(c);
    return chosen;
}

// The main window with a word half guessed: two right letters, three wrong, both hints taken.
GameWindow *showGameInPlay()
{
    auto *game = qobject_cast<GameWindow *>(ui::forms::Show<GameWindow>());
    const QString word = game->game().state().strWord;
    for (const QChar letter : letters(word, true, 2) + letters(word, false, 3))
        typeLetter(game, letter);
    child<QPushButton>(game, "cmdHint01")->click();
    child<QPushButton>(game, "cmdHint02")->click();
    return game;
}

void writeCustom(const QString &name, const QString &text)
{
    QFile file(ui::customVocabPath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(thai_codepage::encode(text).value_or(QByteArray()));
}

// What the screen shows of a window and of the tooltip of one of its controls, shown as a
// pointer resting on the control shows it.
void shootWithTooltip(QWidget *window, QWidget *control, const char *name)
{
    window->show();
    settle(300);
    QToolTip::showText(control->mapToGlobal(QPoint(control->width() / 2, control->height())),
                       control->toolTip(), control);
    settle(500);
    const QRect area
        = window->frameGeometry().united(QRect(control->mapToGlobal(QPoint(0, 0)), QSize(420, 120)));
    if (!window->screen()
             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
             .save(output.filePath(QLatin1String(name) + QStringLiteral(".png"))))
        allSaved = false;
    QToolTip::hideText();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = argc == 4 ? QByteArray(argv[3]) : QByteArray();
    if (argc < 3 || argc > 4 || !(mode.isEmpty() || mode == "--without-sound" || mode == "--zoom")) {
        std::fprintf(
            stderr, "usage: take_screenshots PROGRAM_FOLDER OUTPUT_FOLDER [--without-sound|--zoom]\n");
        return 2;
    }
    const bool withoutSound = mode == "--without-sound";
    pindrel::prepareApplication();
    const pindrel::Navigation navigation;
    output.setPath(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());

    QTemporaryDir folder;
    const QDir source(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), folder.filePath(name));
    ui::setProgramFolder(folder.path());
    QDir(folder.path()).mkdir(QStringLiteral("Custom Vocab"));
    writeCustom(QStringLiteral("birds.txt"), QStringLiteral("owl|it hoots at night|นกฮูก\r\n"));
    writeCustom(QStringLiteral("fruit.txt"), QStringLiteral("mango|yellow and sweet|มะม่วง\r\n"));
    game::setSeedSource([] { return 11u; });
    // No message is expected on the way; one would wait for a click that never comes.
    ui::setMsgBoxHandler([](const QString &text, int) {
        std::fprintf(stderr, "take_screenshots: unexpected message: %s\n", qPrintable(text));
        allSaved = false;
        return int(ui::vbOK);
    });

    // Where no sound can be played, the listen button says why: that view alone.
    if (withoutSound) {
        auto *game = qobject_cast<GameWindow *>(ui::forms::Show<GameWindow>());
        for (const QChar letter : letters(game->game().state().strWord, false, 9))
            typeLetter(game, letter);
        child<QListWidget>(game, "lstDifficultWords")->setCurrentRow(0);
        QWidget *meaning = ui::forms::find(QStringLiteral("frmShowMeaning"));
        shootWithTooltip(meaning, child(meaning, "cmdListen"), "listen-without-sound");
        for (const QString &name : ui::forms::loadedNames())
            ui::forms::Unload(name);
        return allSaved ? 0 : 1;
    }

    // The main window, the editor with Thai in every box, and the help, at three steps and with
    // the board over the whole screen.
    if (mode == "--zoom") {
        GameWindow *game = showGameInPlay();
        QWidget *editor = ui::forms::Show<VocabEditor>();
        child<QLineEdit>(editor, "txtVocab")->setText(QStringLiteral("เงาะ"));
        child<QLineEdit>(editor, "txtHint01")->setText(QStringLiteral("ผลไม้สีแดง มีขน ปี่ ญี่ ฐาน ฎีกา"));
        child<QLineEdit>(editor, "txtHint02")->setText(QStringLiteral("rambutan: เงาะโรงเรียน หวานมาก"));
        game->findChild<QAction *>(QStringLiteral("mnuContents"))->trigger();
        QWidget *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
                help = window;
        for (const int step : {100, 200, 300}) {
            ui::setZoomStep(step);
            for (const auto &[window, name] : {std::pair(static_cast<QWidget *>(game), "main"),
                                               std::pair(editor, "editor"), std::pair(help, "help")})
                shoot(window,
                      qPrintable(QStringLiteral("zoom-%1-%2").arg(step).arg(QLatin1String(name))));
        }
        ui::setZoomStep(100);
        editor->hide();
        help->hide();
        QKeyEvent fullScreen(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
        QApplication::sendEvent(game, &fullScreen);
        game->setGeometry(game->screen()->geometry()); // what a window manager does for it
        settle(500);
        shoot(game, "zoom-full-screen");
        for (const QString &name : ui::forms::loadedNames())
            ui::forms::Unload(name);
        return allSaved ? 0 : 1;
    }

    QWidget *splash = ui::forms::Load<Splash>();
    child<QTimer>(splash, "Timer1")->stop();
    shoot(splash, "splash");
    ui::forms::Unload(QStringLiteral("frmSplash"));

    GameWindow *game = showGameInPlay();
    shoot(game, "main-window");

    for (const QChar letter : letters(game->game().state().strWord, false, 9))
        typeLetter(game, letter);
    shoot(game, "lost-game");
    shootWithTooltip(game, child(game, "cmdListen"), "listen-after-the-word");

    child<QListWidget>(game, "lstDifficultWords")->setCurrentRow(0);
    shoot(ui::forms::find(QStringLiteral("frmShowMeaning")), "meaning");
    ui::forms::Hide(QStringLiteral("frmShowMeaning"));

    QWidget *editor = ui::forms::Show<VocabEditor>();
    child<QLineEdit>(editor, "txtVocab")->setText(QStringLiteral("elephant"));
    child<QLineEdit>(editor, "txtHint01")->setText(QStringLiteral("a very big grey animal"));
    child<QLineEdit>(editor, "txtHint02")->setText(QStringLiteral("ช้าง สัตว์ประจำชาติไทย"));
    shoot(editor, "editor");
    ui::forms::Unload(QStringLiteral("new_vocab"));

    QWidget *save = ui::forms::Load<SaveDialog>();
    child<QLineEdit>(save, "Text1")->setText(QStringLiteral("animals-2"));
    shoot(save, "save-dialog");
    ui::forms::Unload(QStringLiteral("frmSave"));

    QWidget *chooser = ui::forms::Load<SelectCustVocab>();
    child<QListWidget>(chooser, "File1")->setCurrentRow(0);
    shoot(chooser, "choose-custom-vocabulary");
    ui::forms::Unload(QStringLiteral("frmSelectCustVocab"));

    QWidget *editChooser = ui::forms::Load<ChooseFileDialog>();
    child<QListWidget>(editChooser, "ChooseFile")->setCurrentRow(1);
    shoot(editChooser, "choose-file-to-edit");
    ui::forms::Unload(QStringLiteral("frmChooseFile"));

    // A spreadsheet as a teacher keeps one, with two rows the editor would refuse.
    const QString sheet = folder.filePath(QStringLiteral("class-5-animals.csv"));
    QFile sheetFile(sheet);
    if (sheetFile.open(QIODevice::WriteOnly))
        sheetFile.write("\xEF\xBB\xBFWord,Hint 1,Hint 2,Thai meaning,Sentence\r\n"
                        "elephant,a very big grey animal,ช้าง,ช้าง,The elephant has a long nose.\r\n"
                        "ice cream,cold and sweet,ไอศกรีม,ไอศกรีม,\r\n"
                        "tiger,a big cat with stripes,เสือ,เสือ,The tiger is hungry.\r\n"
                        ",a bird that cannot fly,นกเพนกวิน,เพนกวิน,\r\n"
                        "rabbit,it has long ears,กระต่าย,กระต่าย,The rabbit eats a carrot.\r\n");
    sheetFile.close();
    ui::setFileDialogHandler([&sheet](const QString &, const QString &) { return sheet; });
    game->findChild<QAction *>(QStringLiteral("mnuImport"))->trigger();
    ui::setFileDialogHandler({});
    shoot(ui::forms::find(QStringLiteral("frmImportReport")), "import-report");
    ui::forms::Unload(QStringLiteral("frmImportReport"));
    ui::forms::Unload(QStringLiteral("new_vocab"));

    game->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
    QWidget *lists = ui::forms::find(QStringLiteral("frmChooseList"));
    child<QRadioButton>(lists, "optKey")->setChecked(true);
    shoot(lists, "choose-list-to-print");
    ui::forms::Unload(QStringLiteral("frmChooseList"));

    // The printed pages as PDF, which scripts/take-screenshots.sh turns into pictures.
    const auto animals = vocabulary_file::read(folder.filePath(QStringLiteral("animals.txt")),
                                               vocabulary_file::builtInFields);
    for (const auto &[kind, name] : {std::pair(worksheet::Kind::PupilsSheet, "worksheet-sheet"),
                                     std::pair(worksheet::Kind::TeachersKey, "worksheet-key")}) {
        QPrinter printer(QPrinter::HighResolution);
        worksheet::prepare(printer, QStringLiteral("animals.txt"));
        printer.setOutputFileName(output.filePath(QLatin1String(name) + QStringLiteral(".pdf")));
        allSaved = worksheet::print(printer, QStringLiteral("animals.txt"), animals.entries, kind)
            && allSaved;
    }

    shoot<About>("about");
    ui::forms::Unload(QStringLiteral("frmAbout"));

    game->findChild<QAction *>(QStringLiteral("mnuContents"))->trigger();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
            shoot(window, "help");

    for (const QString &name : ui::forms::loadedNames())
        ui::forms::Unload(name);
    return allSaved ? 0 : 1;
}
