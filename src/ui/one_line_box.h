#pragma once

#include <QLineEdit>

namespace ui {

// A one-line text box that never takes a line break from the user. Qt's own keeps the breaks
// of text that is pasted, dropped, set or composed; here each of them becomes a space as the
// text arrives, so a record written from the box stays on one line.
class OneLineBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit OneLineBox(QWidget *parent = nullptr);

    // Shows text kept elsewhere exactly as it is, breaks included: a field read from a file is
    // not changed by being looked at.
    void setStoredText(const QString &text);
};

} // namespace ui
