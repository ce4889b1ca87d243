#pragma once

#include <QString>

// Which vocabulary the game plays: a built-in category, a file the user made, or the review list
// (five fields, as a category has), by its file name; none while nothing could be read.
struct VocabularyInUse
{
    bool builtIn = false;
    QString fileName;
    bool review = false;

    bool none() const { return fileName.isEmpty(); }
    bool operator==(const VocabularyInUse &) const = default;
};
