#include "ui/help_viewer.h"

#include "ui/file_system.h"

#include <QList>
#include <QPointer>
#include <QTextBrowser>

namespace ui {
namespace {

QString &applicationHelpFile()
{
    static QString path;
    return path;
}

struct Viewer
{
    QPointer<QTextBrowser> window;
    QList<QPointer<QWidget>> owners;
};

Viewer &viewer()
{
    static Viewer v;
    return v;
}

QTextBrowser *makeWindow()
{
    auto *window = new QTextBrowser;
    window->setObjectName(QStringLiteral("helpViewer"));
    window->setWindowFlag(Qt::Window);
    window->setWindowTitle(QStringLiteral("Pindrel Help - วิธีใช้โปรแกรม"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The help window follows the program; it never keeps the program alive on its own.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->resize(640, 520);
    return window;
}

// A help file is a page of text; anything far larger is not one.
constexpr qint64 helpFileBytes = 4 << 20;

QString describe(FileBytes::Problem problem)
{
    switch (problem) {
    case FileBytes::Problem::Missing:
        return QStringLiteral("not found");
    case FileBytes::Problem::Folder:
        return QStringLiteral("it is a folder");
    case FileBytes::Problem::NotRegular:
        return QStringLiteral("not an ordinary file");
    case FileBytes::Problem::TooLarge:
        return QStringLiteral("far too large");
    case FileBytes::Problem::None:
    case FileBytes::Problem::Unreadable:
        break;
    }
    return {};
}

QString missingFileText(const QString &path, const QString &reason)
{
    return QStringLiteral("<h2>ขออภัย เปิดไฟล์วิธีใช้ไม่ได้</h2>"
                          "<p>ไม่พบไฟล์ <b>%1</b> หรืออ่านไฟล์ไม่ได้ (%2)</p>"
                          "<h2>Sorry, the help file cannot be opened</h2>"
                          "<p>The file <b>%1</b> is missing or cannot be read (%2).</p>")
        .arg(path.toHtmlEscaped(), reason.toHtmlEscaped());
}

// Reads the file afresh each time, so a help file put right while the program runs is seen;
// a new text opens at its top, where the contents are.
void showContents(QTextBrowser *window, const QString &path)
{
    const FileBytes file = readWholeFile(path, helpFileBytes);
    if (file.ok())
        window->setHtml(QString::fromUtf8(file.bytes));
    else
        window->setHtml(
            missingFileText(path, file.error.isEmpty() ? describe(file.problem) : file.error));
}

void forgetClosedOwners()
{
    viewer().owners.removeIf([](const QPointer<QWidget> &owner) { return owner.isNull(); });
}

} // namespace

void setHelpFile(const QString &path)
{
    applicationHelpFile() = path;
}

QString helpFile()
{
    return applicationHelpFile();
}

bool WinHelp(QWidget *owner, const QString &helpFile, HelpCommand command, int data)
{
    Q_UNUSED(data);
    Viewer &v = viewer();
    forgetClosedOwners();
    switch (command) {
    case HELP_CONTENTS:
        if (!v.window)
            v.window = makeWindow();
        if (!v.owners.contains(owner))
            v.owners.append(owner);
        showContents(v.window, helpFile);
        v.window->show();
        v.window->raise();
        v.window->activateWindow();
        return true;
    case HELP_QUIT:
        v.owners.removeAll(owner);
        if (v.owners.isEmpty())
            closeHelpViewer();
        return true;
    }
    return false;
}

void closeHelpViewer()
{
    viewer().owners.clear();
    if (viewer().window)
        viewer().window->close();
}

} // namespace ui
