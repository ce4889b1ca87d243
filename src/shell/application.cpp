#include "shell/application.h"

#include "game/game_window.h"
#include "shell/navigation.h"
#include "shell/splash.h"
#include "speech/helper_speaker.h"
#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/help_viewer.h"
#include "ui/speaker.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QIcon>

namespace pindrel {

void prepareApplication()
{
    // The name only: a display name would be appended to every window's title by the window
    // system's platform plugin, and each title is exactly the window's caption.
    QApplication::setApplicationName(QStringLiteral("Pindrel"));
    // Names the folder of the user's settings (the zoom step) only.
    QApplication::setOrganizationName(QStringLiteral("Pindrel"));
    // An installed copy's windows take the menu entry's icon (pindrel.desktop, Icon=pindrel).
    QGuiApplication::setDesktopFileName(QStringLiteral("pindrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("pindrel")));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(PINDREL_VERSION_MAJOR).arg(PINDREL_VERSION_MINOR).arg(PINDREL_VERSION_PATCH));
    ui::installFontSubstitutes();
    ui::installZoomKeys();
    ui::setSpeakerFactory([](QObject *parent) -> ui::Speaker * {
        return new speech::HelperSpeaker(ui::programPath(QStringLiteral("pindrel-speak")), parent);
    });
}

ProgramEnd::ProgramEnd(std::function<void()> quit, QObject *parent)
    : QObject(parent)
    , m_quit(std::move(quit))
{
    connect(&ui::forms::notifier(), &ui::forms::Notifier::unloaded, this, [this] {
        QMetaObject::invokeMethod(this, &ProgramEnd::checkAfterUnload, Qt::QueuedConnection);
    });
}

void ProgramEnd::checkAfterUnload()
{
    if (m_ended || ui::forms::IsLoaded(QString::fromLatin1(Splash::formName))
        || ui::forms::IsLoaded(QString::fromLatin1(GameWindow::formName)))
        return;
    m_ended = true;
    for (const QString &name : ui::forms::loadedNames())
        ui::forms::Unload(name);
    ui::closeHelpViewer();
    m_quit();
}

int run(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    ui::restoreZoomStep();
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramEnd end([] { QApplication::quit(); });
    const Navigation navigation;
    ui::forms::Show<Splash>();
    return app.exec();
}

} // namespace pindrel
