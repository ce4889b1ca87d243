#include "classroom/import_report.h"

#include "ui/controls.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ImportReport::ImportReport(const QString &fileName, const spreadsheet::Import &import)
    : m_fileName(fileName)
    , m_import(import)
{
    ui::makeFixedWindow(this, QStringLiteral("นำเข้าคำศัพท์ (Import)"), 7800, 5040);
    lblSummary = ui::addLabel(this, "lblSummary", {}, {240, 120, 7320, 1020});
    lstRows = ui::addControl<QListWidget>(this, "lstRows", {240, 1200, 7320, 2520});
    lblNote = ui::addLabel(this, "lblNote", {}, {240, 3840, 5760, 1020});
    cmdOK = ui::addButton(this, this, "cmdOK", QStringLiteral("OK"), {6180, 4320, 1380, 495},
                          &ImportReport::cmdOK_Click);
    for (QLabel *label : {lblSummary, lblNote}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void ImportReport::Form_Load()
{
    ui::centreOnScreen(this);
    lblSummary->setText(spreadsheet::summary(m_fileName, m_import));
    lstRows->addItems(spreadsheet::failureLines(m_import.failures));
    lstRows->setVisible(!m_import.failures.isEmpty());
    lblNote->setText(spreadsheet::leftOutColumns(m_import));
    cmdOK->setDefault(true);
}

void ImportReport::cmdOK_Click()
{
    ui::forms::Unload(QString::fromLatin1(formName));
}
