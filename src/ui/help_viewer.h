#pragma once

#include <QString>

class QWidget;

namespace ui {

// The application's help file, named by the main window when it loads.
void setHelpFile(const QString &path);
QString helpFile();

// The commands of the help viewer the windows use.
enum HelpCommand : int {
    HELP_QUIT = 2,     // the window no longer needs help; the viewer closes when none does
    HELP_CONTENTS = 3, // opens the file at its contents
};

// One help window for the whole program, shown on behalf of the windows that asked for it.
// The file is HTML in UTF-8. Returns whether the command was carried out.
bool WinHelp(QWidget *owner, const QString &helpFile, HelpCommand command, int data);

// Closes the help window whoever asked for it; used when the program ends.
void closeHelpViewer();

} // namespace ui
