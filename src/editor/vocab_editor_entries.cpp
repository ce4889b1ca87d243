// The editor's entries: the add button, browsing with the arrows, edits while browsing, and the
// save button.
#include "editor/vocab_editor.h"

#include "storage/pindrel_module.h"
#include "ui/message_box.h"
#include "ui/one_line_box.h"

#include <QPushButton>

using pindrelModule::arrHint01;
using pindrelModule::arrHint02;
using pindrelModule::arrVocab;

namespace {
qint16 upperBound()
{
    return static_cast<qint16>(arrVocab.size() - 1);
}
} // namespace

// Create mode keeps a placeholder at 0 that is never shown; in edit mode 0 is the file's first
// line.
qint16 VocabEditor::lowestIndex() const
{
    return pindrelModule::strEditFile.isEmpty() ? 1 : 0;
}

void VocabEditor::cmdNext_Click()
{
    if (m_browsing.active()) {
        // Browsing ends first, so that emptying the boxes is not written into the entry shown.
        m_browsing.stop();
        txtVocab->clear();
        txtHint01->clear();
        txtHint02->clear();
        txtVocab->setFocus();
        return;
    }
    const std::optional<input_rules::Refusal> refusal = input_rules::checkEntry(
        txtVocab->text(), txtHint01->text(), txtHint02->text(), arrVocab.size() - lowestIndex());
    if (refusal) {
        QWidget *const boxes[] = {nullptr, txtVocab, txtHint01, txtHint02};
        Warn(refusal->warning, boxes[static_cast<int>(refusal->focus)]);
        return;
    }

    // The new entry goes after the last, at upper bound + 1, in create and in edit mode alike.
    arrVocab.append(txtVocab->text());
    arrHint01.append(txtHint01->text());
    arrHint02.append(txtHint02->text());

    txtVocab->clear();
    txtHint01->clear();
    txtHint02->clear();
    txtVocab->setFocus();

    cmdLeftArrow->setEnabled(true);
    cmdRightArrow->setEnabled(true);
    cmdSave->setEnabled(true);
}

void VocabEditor::cmdLeftArrow_Click()
{
    ShowEntry(m_browsing.left(upperBound(), lowestIndex()));
}

void VocabEditor::cmdRightArrow_Click()
{
    ShowEntry(m_browsing.right(upperBound(), lowestIndex()));
}

// The browsing fields are set before this runs, so each box's change finds the text equal to
// the element and writes nothing back. An index outside the store (an empty file being edited)
// shows empty boxes.
void VocabEditor::ShowEntry(qint16 index)
{
    txtVocab->setStoredText(arrVocab.value(index));
    txtHint01->setStoredText(arrHint01.value(index));
    txtHint02->setStoredText(arrHint02.value(index));
}

// While browsing, the boxes are bound to the entry shown: an edit is stored at once. The edit
// is not tested; an empty word or one with spaces is stored as it stands.
void VocabEditor::StoreWhileBrowsing(const QLineEdit *box, QStringList &list)
{
    const qint16 index = m_browsing.navIndex;
    if (!m_browsing.active() || index < 0 || index >= list.size())
        return;
    if (box->text() != list.at(index)) {
        list[index] = box->text();
        cmdSave->setEnabled(true);
    }
}

// A new vocabulary is named in the save dialog, which the shell opens; a file being edited is
// written back at once. A failed write keeps the file's name, so the user can correct the entry
// and save again.
void VocabEditor::cmdSave_Click()
{
    if (pindrelModule::strEditFile.isEmpty()) {
        emit saveAsRequested();
        return;
    }
    QString fileName = pindrelModule::strEditFile;
    if (pindrelModule::SaveData(fileName)) {
        pindrelModule::strEditFile.clear();
        emit saved();
    }
}
