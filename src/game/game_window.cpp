#include "game/game_window.h"

#include "storage/pindrel_module.h"
#include "ui/controls.h"
#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/help_viewer.h"
#include "ui/listen_button.h"
#include "ui/message_box.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/zoom.h"
#include "ui/zoom_steps.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QColor keyBack(128, 128, 128);
const QColor keyFore(255, 255, 0);
const QColor slotBack(192, 255, 255);
const QColor slotFore(128, 0, 0);
const QColor formBack(192, 192, 192);
const QColor fileInUseBack(255, 255, 192);

void setSingleBorder(QFrame *frame)
{
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
}

// A character typed as such: with Alt, Ctrl or Meta held, a key is a command (a menu, a
// shortcut), not a letter; Shift only makes a capital.
bool isTyped(const QKeyEvent &key)
{
    return key.text().size() == 1
        && !(key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
}

} // namespace

GameWindow::GameWindow(std::optional<QList<VocabEntry>> checkedEntries)
    : m_checkedEntries(std::move(checkedEntries))
    , Letter(QStringLiteral("Letter"), [this](int index) { Letter_Click(index); })
    , Word(QStringLiteral("Word"), nullptr)
{
    setWindowTitle(QStringLiteral("Pindrel : Vokabin"));
    createMenus();
    createControls();
}

void GameWindow::createControls()
{
    // The board lies in the middle of what the window has: all of it, but at full screen.
    auto *middle = new QWidget(this);
    ui::setColours(middle, formBack, palette().color(QPalette::WindowText));
    auto *centring = new QGridLayout(middle);
    centring->setContentsMargins(0, 0, 0, 0);
    m_client = new QWidget(middle);
    m_client->setObjectName(QStringLiteral("client"));
    ui::setFixedTwipsSize(m_client, 8835, 5595);
    ui::setColours(m_client, formBack, palette().color(QPalette::WindowText));
    centring->addWidget(m_client, 0, 0, Qt::AlignCenter);
    setCentralWidget(middle);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *key = new ui::ClickableLabel(m_client);
    ui::place(key, 240, 360, 495, 435);
    ui::setColours(key, keyBack, keyFore);
    setSingleBorder(key);
    key->setAlignment(Qt::AlignCenter);
    key->setFont(ui::font(QStringLiteral("MS Sans Serif"), 12, true));
    Letter.place(0, key);

    auto *slot = new ui::ClickableLabel(m_client);
    ui::place(slot, 240, 1440, 585, 405);
    ui::setColours(slot, slotBack, slotFore);
    setSingleBorder(slot);
    slot->setAlignment(Qt::AlignCenter);
    slot->setFont(ui::font(QStringLiteral("MS Sans Serif"), 12));
    Word.place(1, slot);

    imgPindrel = ui::addControl<ui::ImageBox>(m_client, "imgPindrel", {240, 2360, 2580, 3135});
    imgPindrel->setPicture(ui::LoadPicture(QStringLiteral(":/resources/beach.jpg")));

    cmdHint01 = ui::addButton(this, m_client, "cmdHint01", QStringLiteral("Give me a hint."),
                              {3000, 2360, 1575, 375}, &GameWindow::cmdHint01_Click);
    cmdHint02 = ui::addButton(this, m_client, "cmdHint02", QStringLiteral("Another hint, please."),
                              {3000, 2760, 1575, 375}, &GameWindow::cmdHint02_Click);
    lblHint01 = ui::addLabel(m_client, "lblHint01", {}, {4680, 2360, 3615, 375});
    lblHint02 = ui::addLabel(m_client, "lblHint02", {}, {4680, 2760, 3615, 375});
    setSingleBorder(lblHint01);
    setSingleBorder(lblHint02);

    lblFileInUse = ui::addLabel(m_client, "lblFileInUse", {}, {4680, 2055, 3615, 255});
    ui::setColours(lblFileInUse, fileInUseBack, palette().color(QPalette::WindowText));

    lblScoreLabel = ui::addLabel(m_client, "lblScoreLabel", QStringLiteral("Your Score:"),
                                 {7320, 360, 855, 255});
    lblScore = ui::addLabel(m_client, "lblScore", QStringLiteral("0"), scoreDesign);
    lblScore->setAlignment(Qt::AlignCenter);
    lblScore->setFont(ui::font(QStringLiteral("CordiaUPC"), 36, true));

    Label2 = ui::addLabel(m_client, "Label2", QStringLiteral("YOUR DIFFICULT WORDS:"),
                          {6240, 3240, 2055, 255});
    lstDifficultWords
        = ui::addControl<QListWidget>(m_client, "lstDifficultWords", {6360, 3480, 1815, 1740});
    lstDifficultWords->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every word is one line: the list need not measure all of them again at each new one.
    lstDifficultWords->setUniformItemSizes(true);
    lstDifficultWords->installEventFilter(this);
    // A click shows the meaning also when the word is already the selected one.
    connect(lstDifficultWords, &QListWidget::itemClicked, this, [this] { lstDifficultWords_Click(); });
    connect(lstDifficultWords, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstDifficultWords->selectedItems().isEmpty())
            lstDifficultWords_Click();
    });

    Frame1 = ui::addControl<QFrame>(m_client, "Frame1", {3000, 3120, 3000, 2175});
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->hide();
    Label1 = ui::addLabel(Frame1, "Label1", {}, {240, 360, 2580, 900});
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFont(ui::font(QStringLiteral("MS Sans Serif"), 12, true));
    const QString captions[] = {QStringLiteral("คำศัพท์ต่อไป"), QStringLiteral("เลิก")};
    const char *names[] = {"Command1_0", "Command1_1"};
    const int lefts[] = {240, 1680};
    for (int i = 0; i < 2; ++i) {
        Command1[i] = ui::addControl<QPushButton>(Frame1, names[i],
                                                  {double(lefts[i]), 1560, 1125, 465}, captions[i]);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    // Once the word is won or lost, the learner can hear it: in the panel's free top corner.
    cmdListen = ui::addControl<ui::ListenButton>(Frame1, "cmdListen", {2640, 45, 300, 300});
    makeKeyboardFriendly();
    connect(&ui::zoomNotifier(), &ui::ZoomNotifier::zoomed, this, &GameWindow::showZoomed);
}

// What is fitted to its text is fitted again at the new step.
void GameWindow::showZoomed()
{
    const game::GameState &state = m_game.state();
    ShowScore();
    showHint(lblHint01, state.hint01Taken ? state.strHint01 : QString(), hint01Description);
    showHint(lblHint02, state.hint02Taken ? state.strHint02 : QString(), hint02Description);
    fitResult();
}

// F11 shows the board over the whole screen, at the largest step that fits it; F11 or Esc
// goes back to the window and the step it had.
void GameWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        showNormal();
        ui::setZoomStep(m_stepBeforeFullScreen);
        ui::centreOnScreen(this);
        return;
    }
    m_stepBeforeFullScreen = ui::zoomStep();
    const QSizeF boardAt100 = QSizeF(m_client->width(), m_client->height() + menuBar()->height())
        / (m_stepBeforeFullScreen / 100.0);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
    ui::setZoomStep(zoom_steps::largestFitting(zoom_steps::steps.back(), boardAt100, {},
                                               screen()->geometry().size()));
}

void GameWindow::Form_Load()
{
    ui::centreOnScreen(this);
    ui::setHelpFile(ui::programPath(QStringLiteral("help04.hlp")));

    // Playing needs nothing written; making and editing vocabulary need "Custom Vocab".
    const QString customFolder = ui::customVocabFolder();
    if (!pindrelModule::DirExists(customFolder))
        ui::makeFolder(customFolder);
    ui::removeStaleTemporaryFiles(customFolder);
    const QString firstCustomFile = ui::firstMatch(customFolder, QStringLiteral("*.txt"));
    const bool canSave = ui::folderWritable(customFolder);
    if (!canSave)
        ReportUnwritableCustomFolder();
    mnuCustVocab->setEnabled(!firstCustomFile.isEmpty());
    mnuEditData->setEnabled(canSave && !firstCustomFile.isEmpty());
    mnuCreate->setEnabled(canSave);

    RetrieveReviewList();
    m_game.ResetBoard();
    LayOutKeys();

    bool loaded = false;
    if (!pindrelModule::strFileInUse.isEmpty()) {
        loaded = RetrieveData(ui::customVocabPath(pindrelModule::strFileInUse), false);
        pindrelModule::strFileInUse.clear();
    } else {
        loaded = RetrieveData(ui::programPath(QStringLiteral("school.txt")), true);
    }
    if (loaded)
        SelectWord();
    else
        showRound(); // nothing to play: the menu stays usable to choose another vocabulary
}

void GameWindow::Form_Unload()
{
    ui::WinHelp(this, {}, ui::HELP_QUIT, 0);
    emit unloading();
}

// A "Custom Vocab" that cannot be written to: the player is told what still works. Once for
// each folder, as the window loads again at every switch to a custom vocabulary.
void GameWindow::ReportUnwritableCustomFolder()
{
    static QString toldFor;
    if (toldFor == ui::customVocabFolder())
        return;
    toldFor = ui::customVocabFolder();
    if (ui::folderExists(ui::customVocabFolder())) {
        ui::MsgBox(QStringLiteral("บันทึกไฟล์ลงในโฟลเดอร์ \"Custom Vocab\" ไม่ได้ "
                                  "จึงเล่นคำศัพท์ที่อยู่ในโฟลเดอร์นั้นได้ แต่สร้างและแก้ไขคำศัพท์ไม่ได้\n\n"
                                  "The folder \"Custom Vocab\" cannot be written to: the "
                                  "vocabularies in it can be played, but making and editing "
                                  "vocabulary is switched off."),
                   ui::vbOKExclamation);
    } else {
        ui::MsgBox(QStringLiteral("สร้างโฟลเดอร์ \"Custom Vocab\" ไม่ได้ จึงใช้ได้เฉพาะคำศัพท์ของโปรแกรม "
                                  "และสร้างคำศัพท์เองไม่ได้\n\n"
                                  "The folder \"Custom Vocab\" could not be made, so only the "
                                  "program's own vocabularies can be played, and making vocabulary "
                                  "is switched off."),
                   ui::vbOKExclamation);
    }
}

// A typed letter reaches the game wherever the focus is; the list takes none of them, so
// it has no type-ahead that would select a word behind the player's back.
bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstDifficultWords && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isTyped(*key) && key->text()[0].isLetter()) {
            Form_KeyPress(key->text()[0].unicode());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 || (event->key() == Qt::Key_Escape && isFullScreen())) {
        toggleFullScreen();
        return;
    }
    if (isTyped(*event)) {
        Form_KeyPress(event->text()[0].unicode());
        return;
    }
    QMainWindow::keyPressEvent(event);
}
