#pragma once

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
class VocabEditor : public QWidget, public ui::Form {
  Q_OBJECT

public:
  static constexpr const char *formName = "new_vocab";

  VocabEditor();

  void Form_Load() override;

  // Enabled by the edit chooser after it has loaded the editor on a file.
  QPushButton *cmdLeftArrow = nullptr;
  QPushButton *cmdRightArrow = nullptr;
  QPushButton *cmdSave = nullptr;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void createControls();
  bool browsing() const { return navLeft != 0 || navRight != 0; }
  qint16 lowestIndex() const;
  void ShowEntry(qint16 index);
  void StoreWhileBrowsing(const QLineEdit *box, QStringList &list);
  void Warn(const std::optional<input_rules::Warning> &warning, QWidget *focusAfterOK = nullptr);
  void Refuse(const QString &text, QWidget *focusAfterOK);

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

  qint16 navLast = 0;
  qint16 navIndex = 0;
  qint16 navLeft = 0;
  qint16 navRight = 0;
  qint16 msgAnswer = 0;

  ui::OneLineBox *txtVocab = nullptr;
  QLabel *Label3 = nullptr;
  ui::OneLineBox *txtHint01 = nullptr;
  QLabel *Label4 = nullptr;
  ui::OneLineBox *txtHint02 = nullptr;
  QPushButton *Command2 = nullptr;
  QPushButton *cmdNext = nullptr;
  QLabel *Label5 = nullptr;
  QLabel *Label2 = nullptr;
  QLabel *lblHeading = nullptr;
};
