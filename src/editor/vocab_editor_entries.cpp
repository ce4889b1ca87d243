// The editor's entries: the add button, browsing with the arrows, and edits while browsing.
#include "editor/vocab_editor.h"

#include "storage/pindrel_module.h"
#include "storage/vocabulary_file.h"
#include "ui/message_box.h"
#include "ui/one_line_box.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>

using pindrelModule::arrHint01;
using pindrelModule::arrHint02;
using pindrelModule::arrVocab;

namespace {

// Entries are numbered with 16-bit signed integers.
constexpr qsizetype highestIndex = std::numeric_limits<qint16>::max();

qint16 upperBound() { return static_cast<qint16>(qMin(arrVocab.size() - 1, highestIndex)); }

} // namespace

// Create mode keeps a placeholder at 0 that is never shown; in edit mode 0 is the file's first
// line.
qint16 VocabEditor::lowestIndex() const { return pindrelModule::strEditFile.isEmpty() ? 1 : 0; }

void VocabEditor::cmdNext_Click() {
  const qsizetype spacePosition = txtVocab->text().indexOf(QLatin1Char(' ')) + 1;
  if (browsing()) {
    // The flags are cleared first, so that emptying the boxes is not written into the entry shown.
    navLeft = 0;
    navRight = 0;
    txtVocab->clear();
    txtHint01->clear();
    txtHint02->clear();
    txtVocab->setFocus();
    return;
  }
  if (txtVocab->text().isEmpty()) {
    Refuse(QStringLiteral("ท่านต้องพิมพ์คำศัพท์ ในช่องคำศัทพ์ด้วย นะครับ"), txtVocab);
    return;
  }
  if (spacePosition >= 1) {
    Refuse(QStringLiteral("คำศัพท์จะต้องไม่มีช่องว่าง "
                          "และต้องไม่เว้นวรรคก่อนหน้าหรือหลังคำศัพท์ นะครับ"),
           txtVocab);
    return;
  }
  if (txtHint01->text().isEmpty()) {
    Refuse(QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ"), txtHint01);
    return;
  }
  if (txtHint02->text().isEmpty()) {
    Refuse(QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 2 ด้วย นะครับ"), txtHint02);
    return;
  }
  if (arrVocab.size() - lowestIndex() >= vocabulary_file::maxRecords) {
    // One more would make a file that the game refuses; the typed entry stays in the boxes.
    msgAnswer = static_cast<qint16>(ui::MsgBox(
        QStringLiteral("คลังคำศัพท์เต็มแล้ว ไฟล์คำศัพท์หนึ่งไฟล์มีคำศัพท์ได้ไม่เกิน %1 คำ "
                       "ซึ่งเป็นจำนวนมากที่สุดที่เกมเล่นได้\n\n"
                       "The vocabulary is full: a vocabulary file can hold at most %1 words, "
                       "the most the game can play.")
            .arg(vocabulary_file::maxRecords),
        ui::vbOKExclamation));
    return;
  }

  navLeft = 0;
  navRight = 0;
  const qint16 n = static_cast<qint16>(upperBound() + 1);
  arrVocab.resize(n + 1);
  arrHint01.resize(n + 1);
  arrHint02.resize(n + 1);
  arrVocab[n] = txtVocab->text();
  arrHint01[n] = txtHint01->text();
  arrHint02[n] = txtHint02->text();

  txtVocab->clear();
  txtHint01->clear();
  txtHint02->clear();
  txtVocab->setFocus();

  cmdLeftArrow->setEnabled(true);
  cmdRightArrow->setEnabled(true);
  cmdSave->setEnabled(true);
}

void VocabEditor::Refuse(const QString &text, QWidget *focusAfterOK) {
  Warn(input_rules::Warning{text, ui::vbOKInformation}, focusAfterOK);
}

void VocabEditor::cmdLeftArrow_Click() {
  const qint16 lowest = lowestIndex();
  if (!browsing()) {
    navLast = upperBound();
    navLeft = 1;
    navIndex = navLast;
  } else {
    navIndex = static_cast<qint16>(navIndex - 1);
    if (navIndex < lowest)
      navIndex = navLast;
  }
  ShowEntry(navIndex);
}

void VocabEditor::cmdRightArrow_Click() {
  const qint16 lowest = lowestIndex();
  if (!browsing()) {
    navLast = upperBound();
    navRight = 1;
    navIndex = lowest;
  } else {
    const int next = navIndex + 1;
    navIndex = next > navLast ? lowest : static_cast<qint16>(next);
  }
  ShowEntry(navIndex);
}

// The browsing fields are set before this runs, so each box's change finds the text equal to
// the element and writes nothing back. An index outside the store (an empty file being edited)
// shows empty boxes.
void VocabEditor::ShowEntry(qint16 index) {
  txtVocab->setStoredText(arrVocab.value(index));
  txtHint01->setStoredText(arrHint01.value(index));
  txtHint02->setStoredText(arrHint02.value(index));
}

// While browsing, the boxes are bound to the entry shown: an edit is stored at once. The edit
// is not tested; an empty word or one with spaces is stored as it stands.
void VocabEditor::StoreWhileBrowsing(const QLineEdit *box, QStringList &list) {
  if (!browsing() || navIndex < 0 || navIndex >= list.size())
    return;
  if (box->text() != list.at(navIndex)) {
    list[navIndex] = box->text();
    cmdSave->setEnabled(true);
  }
}
