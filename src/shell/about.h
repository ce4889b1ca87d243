#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;

// Who made the program: form "frmAbout". It has no buttons; its close box or the main
// window's closing ends it.
class About : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmAbout";

    About();

    void Form_Load() override;

private:
    QLabel *addLabel(const char *name, const QString &caption, const QFont &font, double left,
                     double top, double width, double height);

    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
};
