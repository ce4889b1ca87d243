#pragma once

#include <QString>
#include <QStringList>

// The names under which the save dialog writes a vocabulary file. A typed name counts up to
// its first "."; the file is always that base name plus ".txt" in the "Custom Vocab" folder.
namespace save_name {

QString baseName(const QString &typed);
QString targetFileName(const QString &typed);

// The name among names (a folder's) that is target but for case, the same case first; null
// when there is none. On the systems this file format comes from, names that differ only in
// case are one file: a save replaces it under its own name rather than write a twin beside it.
QString existingName(const QString &target, const QStringList &names);

// The question before a save replaces the file of that name.
QString overwriteQuestion(const QString &name);

// The refusals, in the order the dialog tests them.
enum class Problem {
    None,
    Empty,
    LeadingDot,
    FolderSeparator,
    ReservedCharacter,
    ControlCharacter,
    TrailingSpace,
    DeviceName,
    TooLong,
};

// The longest base name, in UTF-8 bytes, that every file system takes with ".txt" after it.
constexpr qsizetype maxBaseNameBytes = 200;

Problem check(const QString &typed);

// What the user is told, for a name check found refused.
QString message(Problem problem, const QString &typed);

} // namespace save_name
