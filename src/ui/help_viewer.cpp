#include "ui/help_viewer.h"

#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/zoom.h"
#include "ui/zoom_steps.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

#include <algorithm>

namespace ui {
namespace {

// The help window's size at 100 %, in pixels, and its text's size; the file's own sizes are
// relative to that text.
constexpr QSize helpSize(640, 520);
constexpr double textPoints = 11;
// A help file is a few pages of text; Qt lays out 512 KB of it in a fraction of a second.
constexpr qint64 helpFileBytes = 512 << 10;
// A picture of the help is a screenshot or a drawing.
constexpr qint64 helpResourceBytes = 8 << 20;
// Qt's layout of nested tables doubles in time with each level (about 10 ms at 8 levels,
// seconds at 16), and deep nesting of lists and blocks costs too: a help file has no need of it.
constexpr int deepestTables = 8;
constexpr int deepestBlocks = 32;

QString &applicationHelpFile()
{
    static QString path;
    return path;
}

// The help window. Everything it shows comes from the help file's own folder: a picture or a
// style sheet named anywhere else, or one that is not an ordinary file, is not read, and a link
// leads only to a place in the help itself. Esc closes it, as it closes a dialog.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser()
    {
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
        connect(&zoomNotifier(), &ZoomNotifier::zoomed, this, [this] { fitToScreen(screen()); });
    }

    // At the zoom step, or at the largest below it at which the window fits the screen, whole.
    void fitToScreen(QScreen *onScreen)
    {
        document()->setDefaultFont(ui::font(QStringLiteral("MS Sans Serif"), textPoints));
        const QRect area = onScreen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        const int step = zoom_steps::largestFitting(zoomStep(), helpSize, frame, area.size());
        resize(helpSize * (step / 100.0));
        if (!isVisible()) {
            setScreen(onScreen);
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        keepInside(this, area);
    }

    void showFile(const QString &path, const QString &html)
    {
        m_folder = QFileInfo(path).absolutePath();
        setHtml(html);
    }

protected:
    // A name Qt gets nothing for it opens itself, as a picture file: so a picture that is
    // refused or cannot be read is an empty one, and any other resource an empty text.
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QString path = pathInFolder(name);
        const FileBytes file = path.isEmpty() ? FileBytes {} : readWholeFile(path, helpResourceBytes);
        const bool read = !path.isEmpty() && file.ok();
        if (type != QTextDocument::ImageResource)
            return read ? QString::fromUtf8(file.bytes) : QString();
        QImage picture = read ? QImage::fromData(file.bytes) : QImage();
        if (picture.isNull()) {
            picture = QImage(1, 1, QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
        }
        return picture;
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }

private:
    // The file a relative or file: name stands for, when it lies in the help's folder.
    QString pathInFolder(const QUrl &name) const
    {
        if (m_folder.isEmpty() || !(name.scheme().isEmpty() || name.isLocalFile()))
            return {};
        const QString local = name.isLocalFile() ? name.toLocalFile() : name.path();
        const QString folder = QFileInfo(m_folder).canonicalFilePath();
        const QString path = QFileInfo(QDir(m_folder).absoluteFilePath(local)).canonicalFilePath();
        if (folder.isEmpty() || !path.startsWith(folder + QLatin1Char('/')))
            return {};
        return path;
    }

    void followLink(const QUrl &link)
    {
        if (link.scheme().isEmpty() && link.path().isEmpty() && link.hasFragment())
            scrollToAnchor(link.fragment());
    }

    QString m_folder;
};

struct Viewer
{
    QPointer<HelpBrowser> window;
    QList<QPointer<QWidget>> owners;
};

Viewer &viewer()
{
    static Viewer v;
    return v;
}

HelpBrowser *makeWindow()
{
    auto *window = new HelpBrowser;
    window->setObjectName(QStringLiteral("helpViewer"));
    window->setWindowFlag(Qt::Window);
    window->setWindowTitle(QStringLiteral("Pindrel Help - วิธีใช้โปรแกรม"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The help window follows the program; it never keeps the program alive on its own.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

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

// How deep the tables, and the lists and blocks, of the text are nested at most.
std::pair<int, int> deepestNesting(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)(table|ul|ol|dl|div|blockquote)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    int tables = 0, blocks = 0, mostTables = 0, mostBlocks = 0;
    for (const QRegularExpressionMatch &m : tag.globalMatch(html)) {
        const int step = m.capturedView(1).isEmpty() ? 1 : -1;
        if (m.capturedView(2).compare(QLatin1String("table"), Qt::CaseInsensitive) == 0)
            mostTables = std::max(mostTables, tables = std::max(0, tables + step));
        mostBlocks = std::max(mostBlocks, blocks = std::max(0, blocks + step));
    }
    return {mostTables, mostBlocks};
}

// Why the help file's bytes are no help to show; empty when they are.
QString problemOf(const FileBytes &file, const QString &html)
{
    if (!file.ok())
        return file.error.isEmpty() ? describe(file.problem) : file.error;
    if (html.trimmed().isEmpty())
        return QStringLiteral("the file is empty");
    const auto [tables, blocks] = deepestNesting(html);
    if (tables > deepestTables || blocks > deepestBlocks)
        return QStringLiteral("its tables or lists are nested too deeply to be shown");
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
void showContents(HelpBrowser *window, const QString &path)
{
    const FileBytes file = readWholeFile(path, helpFileBytes);
    const QString html = file.ok() ? QString::fromUtf8(file.bytes) : QString();
    const QString problem = problemOf(file, html);
    window->showFile(path, problem.isEmpty() ? html : missingFileText(path, problem));
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
        v.window->fitToScreen(owner && owner->screen() ? owner->screen()
                                                       : QGuiApplication::primaryScreen());
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
