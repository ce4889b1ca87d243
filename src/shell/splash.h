#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QTimer;
namespace ui {
class ClickableFrame;
class ImageBox;
} // namespace ui

// The start-up window: form "frmSplash". It hands over to the main window after a while or
// at a click, and a key ends the program before the game has begun.
class Splash : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmSplash";

    Splash();

    void Form_Load() override;
    void Form_Unload() override;

    // "Version 1.0.0" for 1, 0 and 0.
    static QString versionText(int major, int minor, int revision);

    // Handlers; the timer's and the frame's are also run by tests, which do not wait.
    void Timer1_Timer();
    void Frame1_Click();
    void Form_KeyPress(int KeyAscii);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &caption, const QFont &font, double left,
                     double top, double width, double height);
    void showMainWindow();

    ui::ClickableFrame *Frame1 = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label4 = nullptr;
    ui::ImageBox *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QTimer *Timer1 = nullptr;
};
