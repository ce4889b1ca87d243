#pragma once

#include "game/vocabulary_in_use.h"
#include "storage/vocabulary_file.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The choice of a word list to export to a spreadsheet or to print: form "frmChooseList". It
// offers the list in use, then every list in "Custom Vocab"; its OK writes the sheet or prints.
class ChooseListDialog : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmChooseList";
    enum class Purpose { Export, Print };

    ChooseListDialog(Purpose purpose, const VocabularyInUse &inUse);

    void Form_Load() override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    bool ExportList(const QString &name, const QList<VocabEntry> &entries);
    bool PrintList(const QString &name, const QList<VocabEntry> &entries);

    Purpose m_purpose;
    VocabularyInUse m_inUse;

    QLabel *Label1 = nullptr;
    QListWidget *lstLists = nullptr;
    QRadioButton *optSheet = nullptr;
    QRadioButton *optKey = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
