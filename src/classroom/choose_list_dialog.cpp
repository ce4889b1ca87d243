#include "classroom/choose_list_dialog.h"

#include "classroom/spreadsheet.h"
#include "classroom/worksheet.h"
#include "storage/save_name.h"
#include "storage/vocabulary_reader.h"
#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/file_system.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// What an item of the list stands for: the file's name, and whether it is a built-in one.
constexpr int fileNameRole = Qt::UserRole;
constexpr int builtInRole = Qt::UserRole + 1;

} // namespace

ChooseListDialog::ChooseListDialog(Purpose purpose, const VocabularyInUse &inUse)
    : m_purpose(purpose)
    , m_inUse(inUse)
{
    ui::makeFixedWindow(this,
                        purpose == Purpose::Export
                            ? QStringLiteral("ส่งออกเป็นตารางคำนวณ (Export to a spreadsheet)")
                            : QStringLiteral("พิมพ์ใบงาน (Print a worksheet)"),
                        5760, 3960);
    Label1 = ui::addLabel(this, "Label1", QStringLiteral("เลือกชุดคำศัพท์ (choose a word list)"),
                          {240, 120, 5280, 375});
    lstLists = ui::addControl<QListWidget>(this, "lstLists", {240, 540, 3720, 2400});
    lstLists->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdOK = ui::addButton(this, this, "cmdOK", QStringLiteral("OK"), {4200, 540, 1320, 495},
                          &ChooseListDialog::cmdOK_Click);
    cmdCancel = ui::addButton(this, this, "cmdCancel", QStringLiteral("Cancel"),
                              {4200, 1260, 1320, 495}, &ChooseListDialog::cmdCancel_Click);
    optSheet = ui::addControl<QRadioButton>(this, "optSheet", {240, 3060, 5280, 330},
                                            QStringLiteral("ใบงานสำหรับนักเรียน (pupils' sheet)"));
    optKey = ui::addControl<QRadioButton>(this, "optKey", {240, 3420, 5280, 330},
                                          QStringLiteral("เฉลยสำหรับครู (teacher's key)"));
    optSheet->setChecked(true);
    optSheet->setVisible(purpose == Purpose::Print);
    optKey->setVisible(purpose == Purpose::Print);
}

void ChooseListDialog::Form_Load()
{
    ui::centreOnScreen(this);
    const auto add = [this](const QString &caption, const QString &fileName, bool builtIn) {
        auto *item = new QListWidgetItem(caption, lstLists);
        item->setData(fileNameRole, fileName);
        item->setData(builtInRole, builtIn);
    };
    if (!m_inUse.none())
        add(m_inUse.fileName + QStringLiteral("  (กำลังใช้ / in use)"), m_inUse.fileName, m_inUse.builtIn);
    for (const QString &name : ui::matchingFiles(ui::customVocabFolder(), QStringLiteral("*.txt")))
        if (m_inUse.builtIn || name != m_inUse.fileName)
            add(name, name, false);
    lstLists->setCurrentRow(0);
}

void ChooseListDialog::cmdOK_Click()
{
    const QList<QListWidgetItem *> selected = lstLists->selectedItems();
    if (selected.isEmpty()) {
        ui::MsgBox(QStringLiteral("กรุณาคลิกเลือกชุดคำศัพท์ก่อนครับ\n\nPlease choose a word list first."),
                   ui::vbOKOnly);
        return;
    }
    const QString name = selected.first()->data(fileNameRole).toString();
    const bool builtIn = selected.first()->data(builtInRole).toBool();
    const std::optional<QList<VocabEntry>> entries
        = readVocabulary(builtIn ? ui::programPath(name) : ui::customVocabPath(name),
                         builtIn ? VocabularyUse::BuiltIn : VocabularyUse::Custom);
    if (!entries)
        return;
    if (m_purpose == Purpose::Export ? ExportList(name, *entries) : PrintList(name, *entries))
        ui::forms::Unload(QString::fromLatin1(formName));
}

void ChooseListDialog::cmdCancel_Click()
{
    ui::forms::Unload(QString::fromLatin1(formName));
}

// The sheet goes where the user says, into the documents folder unless told otherwise; a file
// that cannot be written is reported and the dialog stays, so another place can be chosen.
bool ChooseListDialog::ExportList(const QString &name, const QList<VocabEntry> &entries)
{
    const QString proposed = ui::documentsFolder() + QLatin1Char('/') + save_name::baseName(name)
        + QStringLiteral(".csv");
    QString path = ui::GetSaveFileName(this, windowTitle(), proposed, QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return false;
    if (!ui::shortName(path).contains(QLatin1Char('.')))
        path += QStringLiteral(".csv");
    const QString reason = ui::writeFileAtomically(path, spreadsheet::exportSheet(entries));
    if (!reason.isNull()) {
        ui::MsgBox(
            QStringLiteral("บันทึกไฟล์ \"%1\" ไม่ได้ (%2)\n\nThe file \"%1\" could not be written: %2.")
                .arg(path, reason),
            ui::vbOKExclamation);
        return false;
    }
    ui::MsgBox(QStringLiteral("ส่งออกคำศัพท์ %1 คำไปที่ไฟล์ \"%2\" เรียบร้อยแล้ว\n\n"
                              "%1 words were exported to \"%2\".")
                   .arg(entries.size())
                   .arg(path),
               ui::vbOKInformation);
    return true;
}

bool ChooseListDialog::PrintList(const QString &name, const QList<VocabEntry> &entries)
{
    QPrinter printer(QPrinter::HighResolution);
    worksheet::prepare(printer, name);
    if (!ui::ChoosePrinter(printer, this))
        return false;
    const worksheet::Kind kind
        = optKey->isChecked() ? worksheet::Kind::TeachersKey : worksheet::Kind::PupilsSheet;
    if (!worksheet::print(printer, name, entries, kind)) {
        ui::MsgBox(QStringLiteral("พิมพ์ไม่ได้ กรุณาตรวจเครื่องพิมพ์หรือที่บันทึกไฟล์ PDF\n\n"
                                  "The worksheet could not be printed: please check the printer "
                                  "or the place of the PDF file."),
                   ui::vbOKExclamation);
        return false;
    }
    return true;
}
