#include "classroom/csv.h"

#include <utility>

namespace csv {
namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

QChar separatorOf(QStringView text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    qsizetype tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted; // a doubled quote toggles twice
        else if (quoted)
            continue;
        else if (isLineBreak(c))
            break;
        else if (c == u',')
            ++commas;
        else if (c == u';')
            ++semicolons;
        else if (c == u'\t')
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return QLatin1Char('\t');
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QList<QStringList> records(QStringView text, QChar separator)
{
    QList<QStringList> result;
    QStringList record;
    QString field;
    bool quoted = false;
    bool atFieldStart = true;
    bool inRecord = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        const bool crLf = c == u'\r' && i + 1 < size && text[i + 1] == u'\n';
        if (quoted) {
            if (c == u'"' && i + 1 < size && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else if (isLineBreak(c)) {
                field += u' ';
                i += crLf ? 1 : 0;
            } else {
                field += c;
            }
            continue;
        }
        if (c == separator) {
            record.append(std::exchange(field, {}));
            atFieldStart = true;
            inRecord = true;
        } else if (isLineBreak(c)) {
            record.append(std::exchange(field, {}));
            result.append(std::exchange(record, {}));
            i += crLf ? 1 : 0;
            atFieldStart = true;
            inRecord = false;
        } else {
            quoted = c == u'"' && atFieldStart;
            if (!quoted)
                field += c;
            atFieldStart = false;
            inRecord = true;
        }
    }
    if (inRecord) {
        record.append(field);
        result.append(record);
    }
    return result;
}

QString line(const QStringList &fields, QChar separator)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields[i];
        const bool quote = field.contains(separator) || field.contains(u'"')
            || field.contains(u'\r') || field.contains(u'\n');
        if (i > 0)
            text += separator;
        if (quote)
            text += u'"' + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
        else
            text += field;
    }
    return text + QLatin1String("\r\n");
}

} // namespace csv
