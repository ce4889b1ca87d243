#include "ui/text_lines.h"

namespace ui {

QList<QByteArrayView> splitLines(QByteArrayView bytes) {
  QList<QByteArrayView> lines;
  lines.reserve(bytes.count('\r') + 1);
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size; ++i) {
    if (bytes[i] != '\r')
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

QList<QByteArrayView> splitFields(QByteArrayView line) {
  QList<QByteArrayView> fields;
  qsizetype start = 0;
  for (qsizetype i = line.indexOf('|'); i >= 0; i = line.indexOf('|', start)) {
    fields.append(line.sliced(start, i - start));
    start = i + 1;
  }
  fields.append(line.sliced(start));
  return fields;
}

} // namespace ui
