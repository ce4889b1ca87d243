#pragma once

#include "classroom/spreadsheet.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// The import report: form "frmImportReport". Says how many rows of a spreadsheet came in, lists
// the rows that could not, and what stayed in the sheet. Shown over the editor that holds the
// good rows, or alone when none came in.
class ImportReport : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmImportReport";

    ImportReport(const QString &fileName, const spreadsheet::Import &import);

    void Form_Load() override;

private:
    void cmdOK_Click();

    QString m_fileName;
    spreadsheet::Import m_import;

    QLabel *lblSummary = nullptr;
    QListWidget *lstRows = nullptr;
    QLabel *lblNote = nullptr;
    QPushButton *cmdOK = nullptr;
};
