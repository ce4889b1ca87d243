// The main window's menu bar, and its commands that choose the vocabulary. The other commands
// (help, making and editing vocabulary, the classroom's, About, Exit) open other windows: the
// shell connects them.
#include "game/game_window.h"

#include "game/select_cust_vocab.h"
#include "ui/forms.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>

namespace {

QMenu *addMenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, bool checkable = false)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

} // namespace

void GameWindow::createMenus()
{
    QMenu *mnuFile = addMenu(this, "mnuFile", QStringLiteral("เลือกคำศัพท์"));
    QMenu *mnuEVocab = addMenu(mnuFile, "mnuEVocab", QStringLiteral("เลือกคำศัพท์ของโปรแกรม"));
    mnuFile->addMenu(mnuEVocab);
    QAction *mnuHouse = addItem(mnuEVocab, "mnuHouse", QStringLiteral("Things in the &House"), true);
    QAction *mnuSchool = addItem(mnuEVocab, "mnuSchool", QStringLiteral("Things at &School"), true);
    QAction *mnuAnimals = addItem(mnuEVocab, "mnuAnimals", QStringLiteral("&Animals"), true);
    mnuCustVocab = addItem(mnuFile, "mnuCustVocab", QStringLiteral("เลือกคำศัพท์ที่สร้างเอง"), true);
    mnuReview = addItem(mnuFile, "mnuReview", {}, true); // its caption counts the words waiting
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuLine"));
    addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    menuBar()->addMenu(mnuFile);

    QMenu *mnuEdit = addMenu(this, "mnuEdit", QStringLiteral("สร้างคำศัพท์"));
    mnuCreate = addItem(mnuEdit, "mnuCreate", QStringLiteral("สร้างคำศัพท์ขุดใหม่"));
    mnuEditData = addItem(mnuEdit, "mnuEditData", QStringLiteral("แก้ไขคำศัพท์ที่สร้างไว้แล้ว"));
    // The classroom's commands: word lists in from a spreadsheet, out to one and to paper, and
    // the folder where they lie.
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuClassroomLine"));
    addItem(mnuEdit, "mnuImport", QStringLiteral("นำเข้าคำศัพท์จากตารางคำนวณ (Import from a spreadsheet)"));
    addItem(mnuEdit, "mnuExport", QStringLiteral("ส่งออกคำศัพท์เป็นตารางคำนวณ (Export to a spreadsheet)"));
    addItem(mnuEdit, "mnuPrint", QStringLiteral("พิมพ์ใบงานคำศัพท์ (Print a worksheet)"));
    addItem(mnuEdit, "mnuOpenFolder",
            QStringLiteral("เปิดโฟลเดอร์คำศัพท์ที่สร้างเอง (Open the Custom Vocab folder)"));
    menuBar()->addMenu(mnuEdit);

    QMenu *mnuHelp = addMenu(this, "mnuHelp", QStringLiteral("วิธีใช้โปรแกรม"));
    addItem(mnuHelp, "mnuContents", QStringLiteral("สารบัญ"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSeperator"));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("เกี่ยวกับโปรแกรม"));
    menuBar()->addMenu(mnuHelp);

    connect(mnuHouse, &QAction::triggered, this, &GameWindow::mnuHouse_Click);
    connect(mnuSchool, &QAction::triggered, this, &GameWindow::mnuSchool_Click);
    connect(mnuAnimals, &QAction::triggered, this, &GameWindow::mnuAnimals_Click);
    connect(mnuCustVocab, &QAction::triggered, this, &GameWindow::mnuCustVocab_Click);
    connect(mnuReview, &QAction::triggered, this, &GameWindow::mnuReview_Click);
}

void GameWindow::mnuHouse_Click()
{
    ChooseCategory(QStringLiteral("house.txt"));
}
void GameWindow::mnuSchool_Click()
{
    ChooseCategory(QStringLiteral("school.txt"));
}
void GameWindow::mnuAnimals_Click()
{
    ChooseCategory(QStringLiteral("animals.txt"));
}

// The list plays in place, as a category does: it is read already, and needs no window anew.
void GameWindow::mnuReview_Click()
{
    if (m_game.ChooseReview())
        showChosenVocabulary();
}

// The chooser answers later: the list is emptied and the meanings switched off at once, and
// Cancel does not bring them back.
void GameWindow::mnuCustVocab_Click()
{
    m_game.mnuCustVocab_Click();
    ui::forms::Show<SelectCustVocab>();
    emptyDiffList();
}
