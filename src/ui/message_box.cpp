#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
MsgBoxHandler &handler()
{
    static MsgBoxHandler h;
    return h;
}
} // namespace

void setMsgBoxHandler(MsgBoxHandler h)
{
    handler() = std::move(h);
}

int MsgBox(const QString &text, int style)
{
    if (handler())
        return handler()(text, style);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    // Names and words inside a message come from files and users: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (style) {
    case vbYesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case vbOKExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbOKInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (style != vbYesNoQuestion)
        box.setStandardButtons(QMessageBox::Ok);
    const int pressed = box.exec();
    if (style == vbYesNoQuestion)
        return pressed == QMessageBox::Yes ? vbYes : vbNo;
    return vbOK;
}

} // namespace ui
