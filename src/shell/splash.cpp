#include "shell/splash.h"

#include "game/game_window.h"
#include "ui/clickable_label.h"
#include "ui/controls.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {
constexpr int clientWidth = 6270;
constexpr int clientHeight = 4095;
constexpr int handOverMilliseconds = 3500;
const QColor darkRed(128, 0, 0);
} // namespace

Splash::Splash()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new ui::ClickableFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::place(Frame1, 120, 0, 6000, 4050);
    connect(Frame1, &ui::ClickableFrame::clicked, this, &Splash::Frame1_Click);

    const QString arial = QStringLiteral("Arial");
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    lblProductName = addLabel("lblProductName", {}, ui::font(arial, 32.25, true), 1440, 240, 3375, 765);
    ui::setForeColour(lblProductName, palette().color(QPalette::Highlight));
    lblCompanyProduct
        = addLabel("lblCompanyProduct", QStringLiteral("Learn English, one letter at a time"),
                   ui::font(arial, 14.25, true), 690, 960, 4875, 330);
    lblVersion = addLabel("lblVersion", {}, ui::font(arial, 12, true), 2392, 1320, 1470, 285);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label4 = addLabel("Label4", QStringLiteral("for Windows"), ui::font(sansSerif, 9.75), 2520,
                      1560, 1215, 255);

    Image1 = new ui::ImageBox(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    ui::place(Image1, 240, 2280, 1140, 1215);
    // The photograph is larger than its place on the splash: it is shown whole, scaled down.
    Image1->setPicture(ui::LoadPicture(QStringLiteral(":/resources/beach.jpg")));
    Image1->installEventFilter(this);

    Label1 = addLabel("Label1", QStringLiteral("Vokabin"),
                      ui::font(QStringLiteral("CordiaUPC"), 36, true), 1560, 2520, 3255, 1335);
    ui::setForeColour(Label1, darkRed);
    Label2 = addLabel("Label2", QStringLiteral("ทายคำศัพท์ สนุกได้ความรู้"),
                      ui::font(sansSerif, 12, true), 1680, 3240, 2895, 255);
    Label3 = addLabel("Label3", QStringLiteral("สร้างด้วยความตั้งใจเพื่อนักเรียนไทยทุกคน"),
                      ui::font(sansSerif, 8.25), 840, 3600, 4575, 255);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(handOverMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Splash::Timer1_Timer);

    ui::setFixedTwipsSize(this, clientWidth, clientHeight);
}

// Every label sits on the frame, and a click on one of them is the label's, not the frame's.
// The Thai faces that stand in for the designed fonts are taller: a label grows downward
// rather than cut off the lower vowels.
QLabel *Splash::addLabel(const char *name, const QString &caption, const QFont &font, double left,
                         double top, double width, double height)
{
    QLabel *label = ui::addLabel(Frame1, name, caption, {left, top, width, height});
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::growToText(label, ui::Growth::Down);
    label->installEventFilter(this);
    return label;
}

QString Splash::versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void Splash::Form_Load()
{
    ui::centreOnScreen(this);
    lblVersion->setText(versionText(PINDREL_VERSION_MAJOR, PINDREL_VERSION_MINOR, PINDREL_VERSION_PATCH));
    lblProductName->setText(QApplication::applicationDisplayName());
    Timer1->start();
}

void Splash::Form_Unload()
{
    Timer1->stop();
}

// The timer stops first: a message box that the main window's start-up opens runs its own
// event loop, and a second hand-over from there would destroy the splash under the box.
void Splash::showMainWindow()
{
    Timer1->stop();
    ui::forms::Show<GameWindow>();
    ui::forms::Unload(QString::fromLatin1(formName));
}

void Splash::Timer1_Timer()
{
    showMainWindow();
}

void Splash::Frame1_Click()
{
    showMainWindow();
}

// Any key that gives a character leaves before the game has started: the program ends.
void Splash::Form_KeyPress(int KeyAscii)
{
    Q_UNUSED(KeyAscii);
    ui::forms::Unload(QString::fromLatin1(formName));
}

// The splash takes the keys itself; none of its controls can take the focus.
void Splash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void Splash::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty()) {
        Form_KeyPress(event->text().at(0).unicode());
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Splash::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
