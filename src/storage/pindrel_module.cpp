#include "storage/pindrel_module.h"

#include "storage/save_name.h"
#include "storage/vocabulary_file.h"
#include "ui/file_system.h"
#include "ui/message_box.h"

namespace pindrelModule {

QString strFileInUse;
QStringList arrVocab;
QStringList arrHint01;
QStringList arrHint02;
QString strEditFile;
ui::FileStamp editFileAsRead;

bool DirExists(const QString &path)
{
    return ui::folderExists(path);
}

namespace {

// Why the store cannot be written as it is, and which entry to correct, counted from 1 as the
// user counts them (first: the store's first entry written); nothing is written.
void reportUnwritable(const vocabulary_file::Text &text, qsizetype first)
{
    using P = vocabulary_file::Text::Problem;
    if (text.problem == P::TooLarge) {
        ui::MsgBox(QStringLiteral("คำศัพท์ทั้งหมดรวมกันใหญ่เกิน %1 MB จึงบันทึกเป็นไฟล์คำศัพท์ไม่ได้ "
                                  "กรุณาลดจำนวนคำหรือย่อคำใบ้ให้สั้นลงครับ\n\n"
                                  "All the entries together are larger than %1 MB, more than a "
                                  "vocabulary file may hold. Nothing was saved; please remove some "
                                  "entries or shorten their hints.")
                       .arg(vocabulary_file::maxFileBytes >> 20),
                   ui::vbOKExclamation);
        return;
    }
    const qsizetype index = text.index;
    const vocabulary_file::Reason reason = vocabulary_file::entryProblemReason(
        text.problem, arrVocab.at(index), arrHint01.at(index), arrHint02.at(index));
    ui::MsgBox(
        QStringLiteral("คำศัพท์ลำดับที่ %1 (\"%2\") %3 "
                       "จึงยังไม่ได้บันทึกข้อมูล กรุณาแก้คำศัพท์นี้ก่อนครับ\n\n"
                       "Entry %1 (\"%2\") %4. Nothing was saved; please correct that entry first.")
            .arg(index - first + 1)
            .arg(arrVocab.at(index), reason.thai, reason.english),
        ui::vbOKExclamation);
}

void reportFailedWrite(const QString &fileName, const QString &reason)
{
    ui::MsgBox(QStringLiteral("บันทึกไฟล์ \"%1\" ไม่ได้ (%2) "
                              "คำศัพท์ทั้งหมดยังอยู่ในหน้าต่างแก้ไขคำศัพท์\n\n"
                              "The file \"%1\" could not be saved: %2. Your entries are still in "
                              "the editor.")
                   .arg(fileName, reason),
               ui::vbOKExclamation);
}

// The folder the file goes into, made again when it has gone; the reason when it cannot be.
QString prepareCustomVocabFolder()
{
    const QString folder = ui::customVocabFolder();
    if (DirExists(folder))
        return {};
    if (ui::fileExists(folder))
        return QStringLiteral("\"Custom Vocab\" is a file, not a folder");
    if (!ui::makeFolder(folder))
        return QStringLiteral("the folder \"Custom Vocab\" could not be made");
    return {};
}

// A save that would replace what the user has not seen asks first: another file than the one
// being edited (its name cut at the first dot names another), or the file being edited when it
// was changed on disk since it was opened, by another copy of the program say. No keeps all.
bool mayReplace(const QString &target)
{
    const QString path = ui::customVocabPath(target);
    if (strEditFile.isEmpty() || !ui::fileExists(path))
        return true;
    if (target != strEditFile)
        return ui::MsgBox(save_name::overwriteQuestion(target), ui::vbYesNoQuestion) == ui::vbYes;
    if (ui::unchangedSince(path, editFileAsRead, vocabulary_file::maxFileBytes))
        return true;
    return ui::MsgBox(QStringLiteral("ไฟล์ \"%1\" ถูกแก้ไขไปแล้วหลังจากที่เปิดขึ้นมาแก้ไขที่นี่ "
                                     "(อาจมีโปรแกรมอีกหน้าต่างหนึ่งบันทึกทับ) "
                                     "ต้องการบันทึกทับด้วยคำศัพท์ในหน้าต่างนี้หรือไม่\n\n"
                                     "The file \"%1\" has been changed since it was opened here "
                                     "(perhaps another copy of the program saved it). Do you want "
                                     "to replace it with the entries in this editor?")
                          .arg(target),
                      ui::vbYesNoQuestion)
        == ui::vbYes;
}

} // namespace

bool SaveData(QString &fileName)
{
    const qsizetype first = strEditFile.isEmpty() ? 1 : 0;
    const qsizetype last = arrVocab.size() - 1;
    const vocabulary_file::Text text
        = vocabulary_file::entriesText(arrVocab, arrHint01, arrHint02, first, last);
    if (!text.ok()) {
        reportUnwritable(text, first);
        return false;
    }

    fileName = save_name::baseName(fileName);
    QString reason = prepareCustomVocabFolder();
    const QString typedTarget = fileName + QStringLiteral(".txt");
    const QString existing
        = save_name::existingName(typedTarget, ui::fileNames(ui::customVocabFolder()));
    const QString target = existing.isNull() ? typedTarget : existing;
    if (reason.isNull() && !mayReplace(target))
        return false;
    if (reason.isNull())
        reason = ui::writeFileAtomically(ui::customVocabPath(target), text.bytes);
    if (!reason.isNull()) {
        reportFailedWrite(target, reason);
        return false;
    }

    strFileInUse = target;
    return true;
}

} // namespace pindrelModule
