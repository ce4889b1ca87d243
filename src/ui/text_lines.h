#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace ui {

// Splits a file's bytes into lines as sequential text input reads them: CR LF and a lone CR
// end a line, a lone LF does not (it stays in the line) unless lfEndsLine, and a last line
// without an end counts. The views point into bytes.
QList<QByteArrayView> splitLines(QByteArrayView bytes, bool lfEndsLine = false);

// The text with every line break (CR LF, CR, LF, vertical tab, form feed, next line, line and
// paragraph separator) made one space: what a one-line box takes from the user.
QString joinLines(QStringView text);

} // namespace ui
