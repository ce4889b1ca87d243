#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// What the desktop offers the windows: its file and print dialogs, its file manager and its
// clipboard.
namespace ui {

// The user's documents folder, where spreadsheets are looked for and written first.
QString documentsFolder();

// Qt's file dialogs: the path chosen, or an empty one for Cancel. A save dialog starts on path
// (a folder and a proposed name) and asks before it replaces a file.
QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter);
QString GetSaveFileName(QWidget *parent, const QString &caption, const QString &path,
                        const QString &filter);
// Tests answer in the dialogs' place: the handler gets the caption and the folder or path it
// would start on. An empty handler restores the dialogs.
using FileDialogHandler = std::function<QString(const QString &caption, const QString &start)>;
void setFileDialogHandler(FileDialogHandler handler);

// Qt's print dialog, to a printer or to a PDF file: false for Cancel.
bool ChoosePrinter(QPrinter &printer, QWidget *parent);

// Shows the folder in the desktop's file manager; false when none answered.
bool openInFileManager(const QString &folder);
void copyToClipboard(const QString &text);

} // namespace ui
