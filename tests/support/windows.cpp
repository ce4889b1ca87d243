#include "support/windows.h"

#include "shell/application.h"
#include "shell/navigation.h"

namespace testing {

void prepareProgram()
{
    pindrel::prepareApplication();
    static const pindrel::Navigation navigation;
    speech();
}

RecordingSpeaker &speech()
{
    static RecordingSpeaker speaker;
    return speaker;
}

void WindowTest::init()
{
    game::setSeedSource([] { return 2026u; }); // every run deals the same words, in the same order
    m_folder = std::make_unique<ProgramFolder>();
    m_messages = std::make_unique<MessageRecorder>();
}

void WindowTest::cleanup()
{
    resetProgram();
    game::setSeedSource({});
    m_messages.reset();
    m_folder.reset();
}

void resetProgram()
{
    for (const QString &name : ui::forms::loadedNames())
        ui::forms::Unload(name);
    processDeferredDeletes();
    pindrelModule::strFileInUse.clear();
    pindrelModule::strEditFile.clear();
    pindrelModule::editFileAsRead = {};
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString shown(const QString &text, Qt::TextFormat format)
{
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString caption(const QObject *window, const QString &name)
{
    const auto *label = control<QLabel>(window, name);
    return label ? label->text() : QString();
}

QTextBrowser *helpWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"helpViewer" && window->isVisible())
            return qobject_cast<QTextBrowser *>(window);
    return nullptr;
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY2(widget->isVisible() && widget->isEnabled(),
             qPrintable(widget->objectName() + " is hidden or disabled: a player could not click it"));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void click(const QObject *window, const char *button)
{
    click(control<QPushButton>(window, QString::fromLatin1(button)));
}

void selectItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
}

GameWindow *startGameOn(const ProgramFolder &folder, const QString &schoolLines)
{
    folder.write(QStringLiteral("school.txt"), cp874(schoolLines));
    return ui::forms::Show<GameWindow>();
}

const game::GameState &state(const GameWindow *window)
{
    return window->game().state();
}

void loseGame(GameWindow *window)
{
    QString wrong;
    for (char c = 'A'; c <= 'Z' && wrong.size() < 9; ++c)
        if (!state(window).strWord.contains(QLatin1Char(c)))
            wrong += QLatin1Char(c);
    QTest::keyClicks(window, wrong);
}

QString board(const GameWindow *window)
{
    const auto on
        = [window](const QString &name) { return control<QWidget>(window, name)->isEnabled(); };
    int keys = 0;
    for (int i = 0; i <= 25; ++i)
        keys += on(QStringLiteral("Letter_%1").arg(i)) ? 1 : 0;
    return QStringLiteral("panel %1, keys %2, hints %3%4, score %5, list %6")
        .arg(int(control<QFrame>(window, "Frame1")->isVisibleTo(window)))
        .arg(keys)
        .arg(int(on(QStringLiteral("cmdHint01"))))
        .arg(int(on(QStringLiteral("cmdHint02"))))
        .arg(caption(window, "lblScore"))
        .arg(control<QListWidget>(window, "lstDifficultWords")->count());
}

void addEntry(QWidget *editor, const QString &word, const QString &hint01, const QString &hint02)
{
    control<QLineEdit>(editor, "txtVocab")->setText(word);
    control<QLineEdit>(editor, "txtHint01")->setText(hint01);
    control<QLineEdit>(editor, "txtHint02")->setText(hint02);
    click(editor, "cmdNext");
}

void chooseFile(QAction *command, const QString &name)
{
    command->trigger();
    QWidget *dialog
        = form(command->objectName() == u"mnuCustVocab" ? "frmSelectCustVocab" : "frmChooseFile");
    if (!name.isEmpty())
        selectItem(dialog->findChild<QListWidget *>(), name);
    click(dialog, "cmdOK");
    processDeferredDeletes();
}

} // namespace testing
