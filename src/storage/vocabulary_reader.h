#pragma once

#include "storage/vocabulary_file.h"

#include <optional>

// The one way a window reads a vocabulary file: the entries, or, when the file cannot be used,
// a message that names it and says why, and nothing.
enum class VocabularyUse {
    BuiltIn, // played, five fields a line
    Custom,  // played, three fields a line
    Editing, // loaded into the editor: three fields, and an empty file is a vocabulary to begin
};

// stamp, if given, receives what the file held, so that a save can tell whether it changed since.
std::optional<QList<VocabEntry>> readVocabulary(const QString &path, VocabularyUse use,
                                                ui::FileStamp *stamp = nullptr);
