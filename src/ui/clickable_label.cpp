#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace ui {
namespace {

// A click is a press and a release of the left button over the same widget.
bool isClickRelease(QWidget *widget, QMouseEvent *event, bool &pressed)
{
    const bool wasPressed = pressed;
    pressed = false;
    return wasPressed && event->button() == Qt::LeftButton && widget->isEnabled()
        && widget->rect().contains(event->position().toPoint());
}

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClickRelease(this, event, m_pressed))
        emit clicked();
    event->accept();
}

ClickableFrame::ClickableFrame(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
}

void ClickableFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClickRelease(this, event, m_pressed))
        emit clicked();
    event->accept();
}

} // namespace ui
