#pragma once

#include "storage/vocabulary_file.h"

#include <QObject>

class GameWindow;

namespace pindrel {

// The hand-overs between windows, the main window's menu commands and the vocabulary menu's
// check marks: the one place that knows every window. Windows say what happened; this does what
// follows. One exists while the program runs; it wires each window as the registry loads it.
class Navigation : public QObject
{
    Q_OBJECT

public:
    explicit Navigation(QObject *parent = nullptr);

private:
    void wire(QWidget *window);

    // Hand-overs (navigation.cpp).
    void openGameOn(const QString &fileName, const QList<VocabEntry> &entries);
    void openEditorOn(const QString &fileName, const QList<VocabEntry> &entries,
                      const ui::FileStamp &asRead);
    void openEditorOnImport(const QList<VocabEntry> &entries);
    void reopenAfterSave();
    void closeWithMainWindow();
    static void markVocabularyInUse(GameWindow *game);

    // The main window's menu commands but the choice of vocabulary (menu_commands.cpp).
    void mnuContents_Click();
    void mnuCreate_Click();
    void mnuEditData_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

    // The classroom's commands (classroom_commands.cpp).
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuOpenFolder_Click();
};

} // namespace pindrel
