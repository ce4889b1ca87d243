#pragma once

#include <QByteArray>

// Vocabulary files for measuring: English words and hints, Thai hints and meanings in code
// page 874, every line ended by CR LF. The same seed gives the same bytes.
namespace sample_vocabulary {

QByteArray make(qsizetype lines, int fields, quint32 seed);

} // namespace sample_vocabulary
