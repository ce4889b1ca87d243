#include "ui/desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QUrl>

namespace ui {
namespace {

FileDialogHandler &handler()
{
    static FileDialogHandler h;
    return h;
}

} // namespace

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter)
{
    if (handler())
        return handler()(caption, folder);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString GetSaveFileName(QWidget *parent, const QString &caption, const QString &path,
                        const QString &filter)
{
    if (handler())
        return handler()(caption, path);
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

void setFileDialogHandler(FileDialogHandler h)
{
    handler() = std::move(h);
}

bool ChoosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool openInFileManager(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void copyToClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace ui
