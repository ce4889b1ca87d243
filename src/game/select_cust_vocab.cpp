#include "game/select_cust_vocab.h"

#include "game/game_window.h"
#include "storage/pindrel_module.h"
#include "storage/vocabulary_file.h"
#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int clientWidth = 4680;
constexpr int clientHeight = 3195;
} // namespace

SelectCustVocab::SelectCustVocab() {
  setWindowTitle(QStringLiteral("Choose data file"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  Label1 = new QLabel(QStringLiteral("เลือกไฟล์ข้อมูลที่ต้องการ"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(ui::font(QStringLiteral("MS Sans Serif"), 14.25, true));
  ui::place(Label1, 600, 240, 3495, 495);

  File1 = new QListWidget(this);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setSelectionMode(QAbstractItemView::SingleSelection);
  ui::place(File1, 600, 840, 1935, 1980);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  ui::place(cmdOK, 3000, 960, 1335, 495);
  connect(cmdOK, &QPushButton::clicked, this, &SelectCustVocab::cmdOK_Click);

  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  ui::place(cmdCancel, 3000, 1680, 1335, 495);
  connect(cmdCancel, &QPushButton::clicked, this, &SelectCustVocab::cmdCancel_Click);

  setFixedSize(ui::px(clientWidth), ui::px(clientHeight));
}

void SelectCustVocab::Form_Load() {
  ui::centreOnScreen(this);
  // The main window made the folder at its start, but it may have gone since.
  const QString folder = ui::customVocabFolder();
  if (!ui::folderExists(folder))
    ui::makeFolder(folder);
  File1->addItems(ui::matchingFiles(folder, QStringLiteral("*.txt")));
}

void SelectCustVocab::cmdOK_Click() {
  const QList<QListWidgetItem *> selected = File1->selectedItems();
  pindrelModule::strFileInUse = selected.isEmpty() ? QString() : selected.first()->text();
  if (pindrelModule::strFileInUse.isEmpty()) {
    ui::MsgBox(QStringLiteral("You must choose a file."), ui::vbOKInformation);
    return;
  }

  // Reopening the main window ends the game in progress, so a file that cannot be played
  // must be found out before that: the player keeps the game, the score and the list.
  const QString name = pindrelModule::strFileInUse;
  const vocabulary_file::Contents contents = vocabulary_file::read(
      ui::customVocabPath(name), vocabulary_file::customFields, vocabulary_file::maxGameRecords);
  if (!contents.ok()) {
    pindrelModule::strFileInUse.clear();
    ui::MsgBox(vocabulary_file::describeProblem(name, contents, vocabulary_file::maxGameRecords),
               ui::vbOKExclamation);
    return;
  }

  ui::forms::Unload(QString::fromLatin1(GameWindow::formName));
  ui::forms::Unload(QString::fromLatin1(formName));
  GameWindow *window = ui::forms::Show<GameWindow>();
  window->mnuCustVocab->setChecked(true);
  window->mnuHouse->setChecked(false);
  window->mnuSchool->setChecked(false);
}

void SelectCustVocab::cmdCancel_Click() { ui::forms::Unload(QString::fromLatin1(formName)); }
