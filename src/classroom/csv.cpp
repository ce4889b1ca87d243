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

Reader::Reader(QStringView text, QChar separator)
    : m_text(text)
    , m_separator(separator)
{ }

QStringList Reader::next()
{
    QStringList record;
    QString field;
    bool quoted = false;
    bool atFieldStart = true;
    const qsizetype size = m_text.size();
    while (m_at < size) {
        const QChar c = m_text[m_at++];
        const bool crLf = c == u'\r' && m_at < size && m_text[m_at] == u'\n';
        if (quoted) {
            if (c == u'"' && m_at < size && m_text[m_at] == u'"') {
                field += c;
                ++m_at;
            } else if (c == u'"') {
                quoted = false;
            } else if (isLineBreak(c)) {
                field += u' ';
                m_at += crLf ? 1 : 0;
            } else {
                field += c;
            }
        } else if (c == m_separator) {
            record.append(std::exchange(field, {}));
            atFieldStart = true;
        } else if (isLineBreak(c)) {
            m_at += crLf ? 1 : 0;
            break;
        } else {
            quoted = c == u'"' && atFieldStart;
            if (!quoted)
                field += c;
            atFieldStart = false;
        }
    }
    record.append(field);
    return record;
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
