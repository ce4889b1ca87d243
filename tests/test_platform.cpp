// The platform layer where outside data enters it: text from files and users shown as it
// stands, pictures and help read only from ordinary files of their own, text fitted to its
// label, one-line boxes, file lists, and windows placed on the screen.
#include "storage/thai_codepage.h"
#include "support/windows.h"
#include "ui/clickable_label.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/help_viewer.h"
#include "ui/message_box.h"
#include "ui/one_line_box.h"
#include "ui/picture.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using testing::helpWindow;
using testing::shown;

namespace {

// A tiny picture, as a help file's own pictures are.
QByteArray png(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ui::closeHelpViewer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Guards against text from a file, a file name or a user that Qt takes for markup in any
    // control of the platform layer: a label, a clickable label and its copies in a control array
    // (which take over every property of the first but place and visibility),
    // a fitted label and its tooltip, a message box (which would load what an <img> names, show a
    // link, strike through or hide the rest of a text, or turn an escaped name into markup).
    void outsideTextIsShownAsItStands_data()
    {
        QTest::addColumn<QString>("text");
        const char *texts[] = {"<img src=\"/dev/zero\">",
                               "<a href=\"file:///etc/passwd\">x</a>",
                               "<s>strike.txt",
                               "<h1>BIG</h1>",
                               "<font color=#c0c0c0>hidden.txt",
                               "&lt;b&gt;amp"};
        for (const char *text : texts)
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void outsideTextIsShownAsItStands()
    {
        QFETCH(QString, text);
        QWidget parent;
        QLabel *label = ui::addLabel(&parent, "label", text, {0, 0, 3615, 375});
        ui::ControlArray<ui::ClickableLabel> keys(QStringLiteral("Key"), nullptr);
        auto *first = new ui::ClickableLabel(&parent);
        first->setText(text);
        first->setFont(QFont(QStringLiteral("Loma"), 14, QFont::Bold));
        first->setFrameStyle(QFrame::Box | QFrame::Plain);
        first->setAlignment(Qt::AlignCenter);
        keys.place(0, first);
        QLabel *copy = keys.Load(1); // takes over every property but place and visibility
        QCOMPARE(std::tuple(copy->font(), copy->frameStyle(), int(copy->alignment()), copy->size()),
                 std::tuple(first->font(), first->frameStyle(), int(first->alignment()), first->size()));
        QLabel *fitted = ui::addLabel(&parent, "fitted", {}, {0, 0, 300, 375});
        ui::showOnOneLine(fitted, QApplication::font(), 7, text + QString(60, u'W'), {});
        QCOMPARE(QStringList({shown(label), shown(first), shown(copy)}), QStringList(3, text));
        QCOMPARE(shown(fitted->toolTip()), text + QString(60, u'W'));

        QString inBox;
        QTimer::singleShot(0, [&inBox] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            inBox = shown(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")));
            box->accept();
        });
        ui::MsgBox(QStringLiteral("ชื่อ ") + text + QStringLiteral(" name"), ui::vbOKExclamation);
        QCOMPARE(inBox, QStringLiteral("ชื่อ ") + text + QStringLiteral(" name"));
    }

    // Guards against a picture or a help resource read by Qt's own loaders: a pipe would freeze the
    // program, a device would be read without end, and any file named, inside the help's folder or
    // not, would be opened; against a refused resource that Qt then opens itself (it does for an
    // empty answer); links that lead out of the help; and a help file that cannot be shown (empty,
    // or nested so deep that laying it out takes seconds) shown without a word. Esc closes it.
    void picturesAndHelpReadOnlyOrdinaryFilesOfTheirOwn()
    {
        const QString help = m_folder.filePath(QStringLiteral("help/help04.hlp"));
        m_folder.write(QStringLiteral("help/inside.png"), png({7, 5}));
        m_folder.write(QStringLiteral("outside.png"), png({9, 9}));
        const QString fifo = m_folder.filePath(QStringLiteral("help/fifo.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        // A folder or a large file of zeros is no picture to Qt either: only a pipe or a device
        // tells the program's reader from Qt's.
        const std::pair<QString, bool> pictures[]
            = {{m_folder.filePath(QStringLiteral("help/inside.png")), true},
               {fifo, false},
               {QStringLiteral("/dev/zero"), false},
               {QStringLiteral(":/resources/beach.jpg"), true}};
        for (const auto &[path, read] : pictures)
            QCOMPARE(std::pair(path, !ui::LoadPicture(path).isNull()), std::pair(path, read));

        const QStringList sources
            = {"inside.png",     "file://" + QFileInfo(help).absolutePath() + "/inside.png",
               "../outside.png", "fifo.png",
               "/dev/zero",      "link.png"};
        QVERIFY(QFile::link(m_folder.filePath(QStringLiteral("outside.png")),
                            m_folder.filePath(QStringLiteral("help/link.png"))));
        QString html
            = QStringLiteral("<p><a name=\"top\">Top</a> <a href=\"file:///etc/passwd\">out</a>");
        for (const QString &source : sources)
            html += QStringLiteral("<img src=\"%1\">").arg(source);
        m_folder.write(QStringLiteral("help/help04.hlp"),
                       (html + QStringLiteral("</p><p>more</p>").repeated(200)).toUtf8());
        QWidget owner;
        ui::WinHelp(&owner, help, ui::HELP_CONTENTS, 0);
        QTextBrowser *viewer = helpWindow();
        QVERIFY(viewer);
        QStringList sizes;
        for (const QString &source : sources) {
            const QImage image
                = viewer->document()->resource(QTextDocument::ImageResource, QUrl(source)).value<QImage>();
            sizes << QStringLiteral("%1 %2x%3").arg(source).arg(image.width()).arg(image.height());
        }
        QCOMPARE(sizes,
                 QStringList({"inside.png 7x5", sources[1] + " 7x5", "../outside.png 1x1",
                              "fifo.png 1x1", "/dev/zero 1x1", "link.png 1x1"}));
        const QString text = viewer->toPlainText();
        emit viewer->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
        QCOMPARE(viewer->toPlainText(), text);
        QScrollBar *scroll = viewer->verticalScrollBar();
        scroll->setValue(scroll->maximum());
        emit viewer->anchorClicked(QUrl(QStringLiteral("#top")));
        QVERIFY(scroll->maximum() > 100 && scroll->value() < 10);

        const std::pair<QByteArray, const char *> unfit[]
            = {{"  \n", "empty"},
               {QByteArray("<table><tr><td>").repeated(9) + "x", "nested too deeply"},
               {QByteArray("<ul><li>").repeated(33), "nested too deeply"}};
        for (const auto &[bytes, reason] : unfit) {
            m_folder.write(QStringLiteral("help/help04.hlp"), bytes);
            ui::WinHelp(&owner, help, ui::HELP_CONTENTS, 0);
            QVERIFY2(helpWindow()->toPlainText().contains(QLatin1String(reason))
                         && helpWindow()->toPlainText().contains(QStringLiteral("ขออภัย")),
                     reason);
        }
        QTest::keyClick(helpWindow(), Qt::Key_Escape);
        QVERIFY(!helpWindow());
    }

    // Guards against a hint the player paid for that cannot be read whole in its box (cut at the
    // edge, wrapped out of it, or cut without its whole text at hand): every built-in hint and
    // hints of 60 English or Thai characters fit at 7 to 8 points; only one that cannot (60
    // capital Ws) is cut with "…". And against a score cut off, off its centre, over the keys or
    // past the window's edge.
    void textFitsItsLabel_data()
    {
        QTest::addColumn<QStringList>("hints");
        QTest::addColumn<bool>("cut");
        QStringList builtIn;
        for (const char *name : {"school.txt", "house.txt", "animals.txt"})
            for (const QString &line :
                 thai_codepage::decode(m_folder.read(QLatin1String(name))).split("\r\n"))
                builtIn << line.section(u'|', 1, 1) << line.section(u'|', 2, 2);
        QTest::newRow("every built-in hint") << builtIn << false;
        QTest::newRow("60 English")
            << QStringList {"The subject where you learn about plants, animals and light."} << false;
        QTest::newRow("60 Thai") << QStringList {
            QStringLiteral("สัตว์เลี้ยงตัวเล็กที่ชอบไล่จับหนู ร้องเหมียวเหมียว ชอบนอนกลางวันบนโซฟา")
                .left(60)} << false;
        QTest::newRow("60 Ws") << QStringList {QString(60, u'W')} << true;
    }
    void textFitsItsLabel()
    {
        QFETCH(QStringList, hints);
        QFETCH(bool, cut);
        QWidget parent;
        QLabel *label = ui::addLabel(&parent, "lblHint01", {}, {4680, 2360, 3615, 375});
        for (const QString &hint : hints) {
            ui::showOnOneLine(label, QApplication::font(), 7, hint, QStringLiteral("hint 1"));
            QCOMPARE(label->geometry(), ui::twipsRect(4680, 2360, 3615, 375));
            QVERIFY2(label->sizeHint().width() <= label->width() && label->font().pointSizeF() >= 7,
                     qPrintable(hint));
            QCOMPARE(label->text() != hint, cut);
            QCOMPARE(label->text().endsWith(u'…'), cut);
            QCOMPARE(shown(label->toolTip()) + u'/' + label->accessibleDescription(),
                     cut ? hint + u'/' + hint : QStringLiteral("/hint 1"));
        }
        const QRect design = ui::twipsRect(7320, 600, 855, 855);
        const int keysRight = ui::px(240 + 13 * 495), clientWidth = ui::px(8835);
        QLabel *score = ui::addLabel(&parent, "lblScore", {}, {7320, 600, 855, 855});
        score->setFont(ui::font(QStringLiteral("CordiaUPC"), 36, true));
        for (const char *points : {"0", "-3862", "-32768"}) {
            score->setText(QLatin1String(points));
            ui::widenAboutCentre(score, design, keysRight, clientWidth);
            QVERIFY2(score->sizeHint().width() <= score->width(), points);
            QCOMPARE(score->x() * 2 + score->width(), design.x() * 2 + design.width());
            QCOMPARE(QList<int>({score->y(), score->height()}),
                     QList<int>({design.y(), design.height()}));
            QVERIFY(score->x() >= keysRight && score->geometry().right() < clientWidth);
        }
    }

    // Guards against a line break that reaches a one-line box from the user, however it comes (a
    // record written from it would break in two), and a stored text changed by being shown.
    void lineBreaksFromTheUserBecomeSpaces()
    {
        const QString broken
            = QStringLiteral("a pet\nsays\r\nmeow\rand\vpurrs\u0085at\u2028night\u2029!");
        ui::OneLineBox pasted, composed; // set text: test_vocab_editor
        QGuiApplication::clipboard()->setText(broken);
        QTest::keySequence(&pasted, QKeySequence::Paste);
        QInputMethodEvent commit;
        commit.setCommitString(broken);
        QCoreApplication::sendEvent(&composed, &commit);
        QCOMPARE(QStringList({pasted.text(), composed.text()}),
                 QStringList(2, QStringLiteral("a pet says meow and purrs at night !")));
        pasted.setStoredText(QStringLiteral("hoots\nloudly"));
        QCOMPARE(pasted.text(), QStringLiteral("hoots\nloudly"));
    }

    // Guards against a file list that offers hidden files or other patterns, draws its first name
    // as if selected when it takes the focus, or cannot be stepped into from the keyboard; and a
    // window larger than its screen placed with its caption and menu off the screen.
    void fileListsAndWindowsStartWhereAUserCanReachThem()
    {
        for (const char *name : {"b.txt", "a.txt", ".hidden.txt", "c.jpg"})
            m_folder.write(QStringLiteral("list/") + QLatin1String(name), "x");
        QWidget window;
        auto *list = new ui::FileList(&window);
        new QPushButton(QStringLiteral("OK"), &window);
        list->setFolder(m_folder.filePath(QStringLiteral("list")), QStringLiteral("*.txt"));
        window.show();
        list->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QList<int>({list->count(), list->currentRow()}), QList<int>({2, -1}));
        QCOMPARE(list->selectedName(), QString());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->selectedName(), QStringLiteral("a.txt"));

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QWidget small, large;
        small.setFixedSize(200, 100);
        large.setFixedSize(screen.size() * 2);
        ui::centreOnScreen(&small);
        ui::centreOnScreen(&large);
        QVERIFY((small.geometry().center() - screen.center()).manhattanLength() <= 2);
        QCOMPARE(large.pos(), screen.topLeft());
    }

private:
    ProgramFolder m_folder;
};

WINDOWS_TEST_MAIN(PlatformTest)
#include "test_platform.moc"
