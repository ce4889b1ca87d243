#pragma once

#include "editor/browsing.h"
#include "editor/input_rules.h"
#include "ui/forms.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class OneLineBox;
}

// The vocabulary editor: form "new_vocab". Adds entries to the shared entry store, and lets
// the user browse the stored entries with the arrows and correct them in place.
class VocabEditor : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "new_vocab";

    VocabEditor();

    void Form_Load() override;

    // Opened on a file that was read into the store: the arrows (when there is an entry to show)
    // and the save button can be used at once.
    void EnableBrowsing(bool hasEntries);

signals:
    // In create mode the save button asks for a name; the shell opens the save dialog.
    void saveAsRequested();
    // The file being edited was written back: the shell reopens the game on it.
    void saved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    qint16 lowestIndex() const;
    void ShowEntry(qint16 index);
    void StoreWhileBrowsing(const QLineEdit *box, QStringList &list);
    void Warn(const std::optional<input_rules::Warning> &warning, QWidget *focusAfterOK = nullptr);

    // Handlers.
    void cmdNext_Click();
    void cmdLeftArrow_Click();
    void cmdRightArrow_Click();
    void cmdSave_Click();
    void Command2_Click();
    void txtVocab_Change();
    void txtHint01_Change();
    void txtHint02_Change();
    void txtVocab_KeyDown(int KeyCode);
    void txtVocab_KeyPress(int KeyAscii);

    Browsing m_browsing;
    qint16 msgAnswer = 0;

    ui::OneLineBox *txtVocab = nullptr;
    QLabel *Label3 = nullptr;
    ui::OneLineBox *txtHint01 = nullptr;
    QLabel *Label4 = nullptr;
    ui::OneLineBox *txtHint02 = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *cmdLeftArrow = nullptr;
    QPushButton *cmdRightArrow = nullptr;
    QPushButton *cmdNext = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblHeading = nullptr;
};
