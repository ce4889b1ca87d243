#include "ui/text_lines.h"

namespace ui {

QList<QByteArrayView> splitLines(QByteArrayView bytes, bool lfEndsLine)
{
    QList<QByteArrayView> lines;
    lines.reserve(bytes.count(lfEndsLine ? '\n' : '\r') + 1);
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (bytes[i] != '\r' && !(lfEndsLine && bytes[i] == '\n'))
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(bytes.sliced(start));
    return lines;
}

QString joinLines(QStringView text)
{
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text[i].unicode()) {
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n':
        case u'\v':
        case u'\f':
        case 0x0085:
        case 0x2028:
        case 0x2029:
            joined += u' ';
            break;
        default:
            joined += text[i];
        }
    }
    return joined;
}

} // namespace ui
