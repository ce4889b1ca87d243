#include "shell/navigation.h"

#include "classroom/choose_list_dialog.h"
#include "classroom/import_report.h"
#include "editor/vocab_editor.h"
#include "game/game_window.h"
#include "game/select_cust_vocab.h"
#include "shell/about.h"
#include "storage/choose_file_dialog.h"
#include "storage/pindrel_module.h"
#include "storage/review_file.h"
#include "storage/save_dialog.h"
#include "ui/forms.h"
#include "ui/message_box.h"

#include <QAction>
#include <QSignalBlocker>

namespace pindrel {
namespace {

// The vocabulary items of the menu, each with the vocabulary it stands for.
struct VocabularyItem
{
    const char *name;
    VocabularyInUse vocabulary;
};

QList<VocabularyItem> vocabularyItems(const VocabularyInUse &inUse)
{
    return {{"mnuHouse", {true, QStringLiteral("house.txt")}},
            {"mnuSchool", {true, QStringLiteral("school.txt")}},
            {"mnuAnimals", {true, QStringLiteral("animals.txt")}},
            // Whichever file of the user's is played.
            {"mnuCustVocab", {false, inUse.builtIn ? QString() : inUse.fileName}},
            {"mnuReview", {true, review_file::fileName, true}}};
}

QAction *menuItem(const GameWindow *game, const char *name)
{
    return game->findChild<QAction *>(QLatin1String(name));
}

template<class Window> void unload()
{
    ui::forms::Unload(QString::fromLatin1(Window::formName));
}

} // namespace

Navigation::Navigation(QObject *parent)
    : QObject(parent)
{
    connect(&ui::forms::notifier(), &ui::forms::Notifier::loaded, this,
            [this](const QString &, QWidget *window) { wire(window); });
}

void Navigation::wire(QWidget *window)
{
    if (auto *game = qobject_cast<GameWindow *>(window)) {
        connect(game, &GameWindow::vocabularyInUseChanged, this,
                [game] { markVocabularyInUse(game); });
        // Qt ticks or unticks a checkable item itself at every click: the marks are put back at
        // once, from the vocabulary in use, whatever the click then leads to.
        for (const VocabularyItem &item : vocabularyItems({}))
            connect(menuItem(game, item.name), &QAction::toggled, this,
                    [game] { markVocabularyInUse(game); });
        markVocabularyInUse(game);
        connect(game, &GameWindow::unloading, this, &Navigation::closeWithMainWindow);
        const std::pair<const char *, void (Navigation::*)()> commands[]
            = {{"mnuContents", &Navigation::mnuContents_Click},
               {"mnuCreate", &Navigation::mnuCreate_Click},
               {"mnuEditData", &Navigation::mnuEditData_Click},
               {"mnuExit", &Navigation::mnuExit_Click},
               {"mnuAbout", &Navigation::mnuAbout_Click},
               {"mnuImport", &Navigation::mnuImport_Click},
               {"mnuExport", &Navigation::mnuExport_Click},
               {"mnuPrint", &Navigation::mnuPrint_Click},
               {"mnuOpenFolder", &Navigation::mnuOpenFolder_Click}};
        for (const auto &[name, handler] : commands)
            connect(menuItem(game, name), &QAction::triggered, this, handler);
    } else if (auto *chooser = qobject_cast<SelectCustVocab *>(window)) {
        connect(chooser, &SelectCustVocab::fileChosen, this, &Navigation::openGameOn);
    } else if (auto *editChooser = qobject_cast<ChooseFileDialog *>(window)) {
        connect(editChooser, &ChooseFileDialog::fileChosen, this, &Navigation::openEditorOn);
    } else if (auto *editor = qobject_cast<VocabEditor *>(window)) {
        connect(editor, &VocabEditor::saveAsRequested, this, [] { ui::forms::Show<SaveDialog>(); });
        connect(editor, &VocabEditor::saved, this, &Navigation::reopenAfterSave);
    } else if (auto *saveDialog = qobject_cast<SaveDialog *>(window)) {
        connect(saveDialog, &SaveDialog::saved, this, &Navigation::reopenAfterSave);
    }
}

// Exactly one item is checked, the one of the vocabulary being played; none while none is.
void Navigation::markVocabularyInUse(GameWindow *game)
{
    const VocabularyInUse &inUse = game->game().state().vocabularyInUse;
    for (const VocabularyItem &item : vocabularyItems(inUse)) {
        QAction *action = menuItem(game, item.name);
        const QSignalBlocker quiet(action);
        action->setChecked(!inUse.none() && item.vocabulary == inUse);
    }
}

// The custom chooser found the file playable and hands over what it read: the main window opens
// afresh on it, with a new score and an empty list.
void Navigation::openGameOn(const QString &fileName, const QList<VocabEntry> &entries)
{
    unload<GameWindow>();
    unload<SelectCustVocab>();
    pindrelModule::strFileInUse = fileName;
    ui::forms::Show<GameWindow>(entries);
}

// The edit chooser read the file: its entries become the store, and the editor opens on it in
// edit mode. An editor already open starts afresh, so that its caption and browsing match.
void Navigation::openEditorOn(const QString &fileName, const QList<VocabEntry> &entries,
                              const ui::FileStamp &asRead)
{
    unload<VocabEditor>();
    pindrelModule::strEditFile = fileName;
    pindrelModule::editFileAsRead = asRead;
    vocabulary_file::Columns store = vocabulary_file::columns(entries);
    pindrelModule::arrVocab = std::move(store.words);
    pindrelModule::arrHint01 = std::move(store.hints01);
    pindrelModule::arrHint02 = std::move(store.hints02);
    ui::forms::Load<VocabEditor>()->EnableBrowsing(!entries.isEmpty());
    unload<ChooseFileDialog>();
    ui::forms::Show<VocabEditor>();
}

// The good rows of a spreadsheet become a new vocabulary in the editor, in create mode after its
// placeholder, ready to browse, correct and name in the save dialog; nothing is written before.
void Navigation::openEditorOnImport(const QList<VocabEntry> &entries)
{
    unload<VocabEditor>();
    pindrelModule::strEditFile.clear();
    VocabEditor *editor = ui::forms::Load<VocabEditor>();
    const vocabulary_file::Columns rows = vocabulary_file::columns(entries);
    pindrelModule::arrVocab += rows.words;
    pindrelModule::arrHint01 += rows.hints01;
    pindrelModule::arrHint02 += rows.hints02;
    editor->EnableBrowsing(!entries.isEmpty());
    ui::forms::Show<VocabEditor>();
}

// The store was written: the editor and the main window close (and with it the save dialog), and
// the main window opens again on the file just written, named by strFileInUse.
void Navigation::reopenAfterSave()
{
    unload<VocabEditor>();
    unload<GameWindow>();
    ui::forms::Show<GameWindow>();
    ui::MsgBox(QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว"), ui::vbOKOnly);
}

// The windows that live only as long as the main window.
void Navigation::closeWithMainWindow()
{
    unload<About>();
    unload<SaveDialog>();
    unload<SelectCustVocab>();
    unload<VocabEditor>();
    unload<ChooseListDialog>();
    unload<ImportReport>();
}

} // namespace pindrel
