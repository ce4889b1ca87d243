#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Comma-separated values as RFC 4180 has them and spreadsheet programs save them: a field in
// double quotes may hold the separator, line breaks and doubled quotes.
namespace csv {

// The separator of a sheet: comma, semicolon or tab, whichever its first line holds most of
// outside quotes; a comma when it holds none.
QChar separatorOf(QStringView text);

// Reads the records of a text one after another, each the list of its fields. A record ends at
// CR LF, CR or LF outside quotes, and a line break at the end of the text starts no record. A line
// break inside quotes becomes one space, as the fields of a word list are one line each. A quote
// that does not open a field is taken as it stands, and a quote left open runs to the end.
class Reader
{
public:
    Reader(QStringView text, QChar separator);
    bool atEnd() const { return m_at >= m_text.size(); }
    QStringList next();

private:
    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
};

// One record as a line ended by CR LF, each field quoted where a reader would otherwise take it
// differently: a separator, a quote or a line break in it.
QString line(const QStringList &fields, QChar separator = QLatin1Char(','));

} // namespace csv
