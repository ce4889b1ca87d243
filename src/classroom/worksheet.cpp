#include "classroom/worksheet.h"

#include "ui/fonts.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace worksheet {
namespace {

// Everything is drawn in the device's pixels, measured in millimetres.
class Sheet
{
public:
    Sheet(QPainter &painter, const QPagedPaintDevice &device, const QString &listName,
          const QList<VocabEntry> &entries, Kind kind)
        : m_painter(painter)
        , m_mm(device.logicalDpiY() / 25.4)
        , m_width(device.width())
        , m_height(device.height())
        , m_listName(listName)
        , m_entries(entries)
        , m_kind(kind)
        , m_body(ui::printedFont(QStringLiteral("MS Sans Serif"), 12))
        , m_small(ui::printedFont(QStringLiteral("MS Sans Serif"), 9))
        , m_bold(ui::printedFont(QStringLiteral("MS Sans Serif"), 12, true))
    {
        m_wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        // A list that has no meanings and sentences (a list of one's own) gives its hints instead.
        m_hasMeanings = std::any_of(entries.begin(), entries.end(), [](const VocabEntry &e) {
            return !e.meaning.isEmpty() || !e.sentence.isEmpty();
        });
        for (const VocabEntry &entry : entries)
            m_boxColumns = std::max(m_boxColumns, std::min<qsizetype>(entry.word.size(), 12));
    }

    // The entries of each page, first to one past the last; a list without entries has one page.
    QList<std::pair<qsizetype, qsizetype>> pages()
    {
        QList<std::pair<qsizetype, qsizetype>> result;
        qsizetype first = 0;
        double y = contentTop();
        m_heights.clear();
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            const double height = m_heights.emplace_back(blockHeight(i));
            if (y + height > m_height && i > first) {
                result.append({first, i});
                first = i;
                y = contentTop();
            }
            y += height;
        }
        result.append({first, m_entries.size()});
        return result;
    }

    void drawPage(qsizetype number, qsizetype pageCount, qsizetype first, qsizetype end)
    {
        drawHeader(number, pageCount);
        double y = contentTop();
        for (qsizetype i = first; i < end; ++i) {
            drawBlock(i, y);
            y += m_heights[i];
        }
    }

private:
    double mm(double millimetres) const { return millimetres * m_mm; }

    double textHeight(const QFont &font, const QString &text, double width)
    {
        m_painter.setFont(font);
        return m_painter.boundingRect(QRectF(0, 0, width, 1e6), text, m_wrap).height();
    }

    double drawText(const QFont &font, const QString &text, double x, double y, double width)
    {
        const double height = textHeight(font, text, width);
        m_painter.drawText(QRectF(x, y, width, height), text, m_wrap);
        return height;
    }

    QString title() const
    {
        return m_kind == Kind::PupilsSheet ? QStringLiteral("ใบงานคำศัพท์ (worksheet)")
                                           : QStringLiteral("เฉลย (answer key)");
    }

    double headerHeight() { return textHeight(m_small, title(), m_width) + mm(3); }

    double contentTop()
    {
        double top = headerHeight() + mm(4);
        if (m_kind == Kind::PupilsSheet)
            top += textHeight(m_body, nameLine(), m_width) + mm(6);
        else
            top += keyRowHeight(keyTitles());
        return top;
    }

    static QString nameLine()
    {
        return QStringLiteral("ชื่อ (name) ______________________   ชั้น (class) ________   "
                              "เลขที่ (no.) ______");
    }

    void drawHeader(qsizetype number, qsizetype pageCount)
    {
        m_painter.setFont(m_small);
        const QString page = QStringLiteral("หน้า %1 จาก %2 (page %1 of %2)").arg(number).arg(pageCount);
        const double pageWidth
            = m_painter.boundingRect(QRectF(0, 0, m_width, 1e6), page, m_wrap).width();
        drawText(m_small, m_listName + QStringLiteral("  —  ") + title(), 0, 0,
                 m_width - pageWidth - mm(5));
        m_painter.drawText(QRectF(m_width - pageWidth, 0, pageWidth, headerHeight()), page, m_wrap);
        m_painter.setPen(QPen(Qt::black, mm(0.3)));
        m_painter.drawLine(QPointF(0, headerHeight()), QPointF(m_width, headerHeight()));
        const double below = headerHeight() + mm(4);
        if (m_kind == Kind::PupilsSheet)
            drawText(m_body, nameLine(), 0, below, m_width);
        else
            drawKeyRow(keyTitles(), below, keyRowHeight(keyTitles()), true);
    }

    void drawBlock(qsizetype index, double y)
    {
        if (m_kind == Kind::PupilsSheet)
            drawPupilsBlock(index, y);
        else
            drawKeyRow(keyFields(index), y, m_heights[index], false);
    }

    // The pupils' sheet: the number, the boxes, and the two hints beside them. The boxes take as
    // many columns as the list's longest word needs, up to 12, and a longer word goes on in a row
    // below; the hints have the rest of the width.
    double numberWidth() const { return mm(12); }
    double boxSize() const { return mm(8); }
    double boxPitch() const { return mm(9.2); }
    qsizetype boxColumns() const { return m_boxColumns; }
    double hintsLeft() const { return numberWidth() + double(boxColumns()) * boxPitch() + mm(4); }
    double boxesHeight(qsizetype index) const
    {
        const qsizetype letters = std::max<qsizetype>(1, m_entries[index].word.size());
        const qsizetype rows = (letters + boxColumns() - 1) / boxColumns();
        return double(rows - 1) * boxPitch() + boxSize();
    }
    QString hintLine(int number, const QString &hint) const
    {
        return QStringLiteral("คำใบ้ %1 (hint %1): %2").arg(number).arg(hint);
    }

    double pupilsBlockHeight(qsizetype index)
    {
        const double width = m_width - hintsLeft();
        const VocabEntry &entry = m_entries[index];
        const double hints = textHeight(m_body, hintLine(1, entry.hint01), width) + mm(1)
            + textHeight(m_body, hintLine(2, entry.hint02), width);
        return std::max(boxesHeight(index), hints) + mm(6);
    }

    void drawPupilsBlock(qsizetype index, double y)
    {
        const VocabEntry &entry = m_entries[index];
        m_painter.setFont(m_bold);
        m_painter.drawText(QRectF(0, y, numberWidth(), boxSize()), Qt::AlignLeft | Qt::AlignVCenter,
                           QStringLiteral("%1.").arg(index + 1));
        m_painter.setPen(QPen(Qt::black, mm(0.35)));
        m_painter.setBrush(Qt::NoBrush);
        for (qsizetype i = 0; i < entry.word.size(); ++i)
            m_painter.drawRect(QRectF(numberWidth() + double(i % boxColumns()) * boxPitch(),
                                      y + double(i / boxColumns()) * boxPitch(), boxSize(), boxSize()));
        const double width = m_width - hintsLeft();
        const double at = y + drawText(m_body, hintLine(1, entry.hint01), hintsLeft(), y, width);
        drawText(m_body, hintLine(2, entry.hint02), hintsLeft(), at + mm(1), width);
    }

    // The teacher's key: a table of the number, the word, and the meaning and the sentence.
    QStringList keyTitles() const
    {
        if (m_hasMeanings)
            return {QStringLiteral("#"), QStringLiteral("คำศัพท์ (word)"),
                    QStringLiteral("ความหมาย (Thai meaning)"), QStringLiteral("ประโยค (sentence)")};
        return {QStringLiteral("#"), QStringLiteral("คำศัพท์ (word)"),
                QStringLiteral("คำใบ้ 1 (hint 1)"), QStringLiteral("คำใบ้ 2 (hint 2)")};
    }
    QStringList keyFields(qsizetype index) const
    {
        const VocabEntry &e = m_entries[index];
        return {QString::number(index + 1), e.word, m_hasMeanings ? e.meaning : e.hint01,
                m_hasMeanings ? e.sentence : e.hint02};
    }
    QList<double> keyColumns() const
    {
        const double rest = m_width - mm(12) - mm(42);
        return {mm(12), mm(42), rest * 0.42, rest * 0.58};
    }
    double cellPadding() const { return mm(1.5); }

    double keyRowHeight(const QStringList &cells)
    {
        const QList<double> columns = keyColumns();
        double height = 0;
        for (qsizetype i = 0; i < cells.size(); ++i)
            height = std::max(height, textHeight(m_body, cells[i], columns[i] - 2 * cellPadding()));
        return height + 2 * cellPadding();
    }

    void drawKeyRow(const QStringList &cells, double y, double height, bool titles)
    {
        const QList<double> columns = keyColumns();
        double x = 0;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            drawText(titles || i == 1 ? m_bold : m_body, cells[i], x + cellPadding(),
                     y + cellPadding(), columns[i] - 2 * cellPadding());
            x += columns[i];
        }
        const double bottom = y + height;
        m_painter.setPen(QPen(Qt::black, mm(titles ? 0.35 : 0.15)));
        m_painter.drawLine(QPointF(0, bottom), QPointF(m_width, bottom));
    }

    double blockHeight(qsizetype index)
    {
        return m_kind == Kind::PupilsSheet ? pupilsBlockHeight(index) : keyRowHeight(keyFields(index));
    }

    QPainter &m_painter;
    double m_mm;
    double m_width;
    double m_height;
    QString m_listName;
    const QList<VocabEntry> &m_entries;
    Kind m_kind;
    QFont m_body;
    QFont m_small;
    QFont m_bold;
    QTextOption m_wrap;
    bool m_hasMeanings = false;
    qsizetype m_boxColumns = 4;
    QList<double> m_heights; // of each entry's block, measured once
};

} // namespace

void prepare(QPrinter &printer, const QString &listName)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(listName);
}

bool print(QPagedPaintDevice &device, const QString &listName, const QList<VocabEntry> &entries, Kind kind)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet(painter, device, listName, entries, kind);
    const auto pages = sheet.pages();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        sheet.drawPage(i + 1, pages.size(), pages[i].first, pages[i].second);
    }
    return painter.end();
}

} // namespace worksheet
