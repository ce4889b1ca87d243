#pragma once

#include <QString>

// Which vocabulary the game plays: a built-in category or a file the user made, by its file
// name; none while nothing could be read.
struct VocabularyInUse
{
    bool builtIn = false;
    QString fileName;

    bool none() const { return fileName.isEmpty(); }
    bool operator==(const VocabularyInUse &) const = default;
};
