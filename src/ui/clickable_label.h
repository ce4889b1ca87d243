#pragma once

#include <QLabel>

namespace ui {

// A label that takes clicks, as letter keys and frames do. A disabled label gets no clicks.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    // Its caption is plain text, as every label's.
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A frame without caption, with a single line round it, that takes clicks on its own face.
class ClickableFrame : public QFrame
{
    Q_OBJECT
public:
    explicit ClickableFrame(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace ui
