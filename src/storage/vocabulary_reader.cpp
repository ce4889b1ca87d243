#include "storage/vocabulary_reader.h"

#include "ui/file_system.h"
#include "ui/message_box.h"

std::optional<QList<VocabEntry>> readVocabulary(const QString &path, VocabularyUse use,
                                                ui::FileStamp *stamp)
{
    const int fields = use == VocabularyUse::BuiltIn ? vocabulary_file::builtInFields
                                                     : vocabulary_file::customFields;
    vocabulary_file::Contents contents = vocabulary_file::read(path, fields);
    if (contents.ok()
        || (use == VocabularyUse::Editing && contents.problem == vocabulary_file::Problem::NoRecords)) {
        if (stamp)
            *stamp = contents.stamp;
        return std::move(contents.entries);
    }
    ui::MsgBox(vocabulary_file::describeProblem(ui::shortName(path), contents), ui::vbOKExclamation);
    return std::nullopt;
}
