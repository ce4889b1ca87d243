// The editor window: its controls, its load, Cancel, and the rules applied while typing.
#include "editor/vocab_editor.h"

#include "storage/pindrel_module.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/message_box.h"
#include "ui/one_line_box.h"
#include "ui/text_lines.h"
#include "ui/twips.h"
#include "ui/virtual_key.h"

#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

int virtualKeyCodeOf(const QKeyEvent &key)
{
    return ui::virtualKeyCode(key.key(), key.nativeScanCode(), key.nativeVirtualKey(),
                              key.modifiers().testFlag(Qt::KeypadModifier));
}

} // namespace

VocabEditor::VocabEditor()
{
    setWindowTitle(QStringLiteral("Create New Vocabulary"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    ui::setFixedTwipsSize(this, 6555, 3975);
}

void VocabEditor::createControls()
{
    const auto makeBox = [this](const char *name, double left, double top, double width) {
        return ui::addControl<ui::OneLineBox>(this, name, {left, top, width, 375});
    };
    const auto makeArrow = [this](const char *name, double left, const QString &picture,
                                  void (VocabEditor::*handler)()) {
        QPushButton *button = ui::addButton(this, this, name, {}, {left, 3120, 495, 615}, handler);
        button->setIcon(QIcon(picture));
        button->setIconSize(QSize(29, 38));
        return button;
    };

    txtVocab = makeBox("txtVocab", 1080, 840, 3135);
    Label3 = ui::addLabel(this, "Label3", QStringLiteral("คำใบ้ คำที่ 1"), {120, 1440, 975, 255});
    txtHint01 = makeBox("txtHint01", 1080, 1320, 5295);
    Label4 = ui::addLabel(this, "Label4", QStringLiteral("คำใบ้ คำที่ 2"), {120, 1920, 975, 255});
    txtHint02 = makeBox("txtHint02", 1080, 1800, 5295);
    cmdSave = ui::addButton(this, this, "cmdSave", QStringLiteral("บันทึกข้อมูล"),
                            {4800, 2520, 1575, 495}, &VocabEditor::cmdSave_Click);
    Command2 = ui::addButton(this, this, "Command2", QStringLiteral("Cancel"),
                             {4800, 3240, 1575, 495}, &VocabEditor::Command2_Click);
    cmdLeftArrow = makeArrow("cmdLeftArrow", 120, QStringLiteral(":/resources/arrow_left.png"),
                             &VocabEditor::cmdLeftArrow_Click);
    cmdRightArrow = makeArrow("cmdRightArrow", 840, QStringLiteral(":/resources/arrow_right.png"),
                              &VocabEditor::cmdRightArrow_Click);
    cmdNext = ui::addButton(this, this, "cmdNext", QStringLiteral("เพิ่ม คำศัพท์"),
                            {2280, 3240, 1695, 495}, &VocabEditor::cmdNext_Click);
    Label5 = ui::addLabel(this, "Label5", QStringLiteral("ตรวจสอบ และแก้ไข"), {120, 2640, 1455, 255});
    Label2 = ui::addLabel(this, "Label2", QStringLiteral("คำศัพท์"), {120, 840, 615, 375});
    lblHeading = ui::addLabel(this, "lblHeading", QStringLiteral("สร้างคำศัพท์ใหม่ พร้อมกำหนดตัวช่วย (hint)"),
                              {960, 120, 4695, 735});
    lblHeading->setFont(ui::font(QStringLiteral("MS Sans Serif"), 12, true));
    lblHeading->setWordWrap(true);
    lblHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setForeColour(lblHeading, palette().color(QPalette::Highlight));

    QWidget *const tabOrder[]
        = {txtVocab, txtHint01, txtHint02, cmdSave, Command2, cmdLeftArrow, cmdRightArrow, cmdNext};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Connected directly: a change must be handled inside the statement that set the text,
    // because the add button and the arrows set the browsing fields before they fill the boxes.
    connect(txtVocab, &QLineEdit::textChanged, this, &VocabEditor::txtVocab_Change);
    connect(txtHint01, &QLineEdit::textChanged, this, &VocabEditor::txtHint01_Change);
    connect(txtHint02, &QLineEdit::textChanged, this, &VocabEditor::txtHint02_Change);
    txtVocab->installEventFilter(this);
}

void VocabEditor::Form_Load()
{
    m_browsing = {};
    ui::centreOnScreen(this);
    cmdLeftArrow->setEnabled(false);
    cmdRightArrow->setEnabled(false);
    cmdSave->setEnabled(false);
    if (pindrelModule::strEditFile.isEmpty()) {
        setWindowTitle(QStringLiteral("สร้างข้อมูล คำศัพท์ใหม่"));
        pindrelModule::arrVocab = QStringList {QStringLiteral("Vocab")};
        pindrelModule::arrHint01 = QStringList {QStringLiteral("Hint One")};
        pindrelModule::arrHint02 = QStringList {QStringLiteral("Hint Two")};
    } else {
        setWindowTitle(QStringLiteral("แก้ไขข้อมูลในไฟล์ ") + ui::joinLines(pindrelModule::strEditFile));
        QFont heading = lblHeading->font();
        heading.setBold(false);
        lblHeading->setFont(heading);
        lblHeading->setText(QStringLiteral("แก้ไขข้อมูลในไฟล์เดิม (คลิกลูกศรเพื่อตรวจและแก้ข้อมูล)"));
    }
    // The text boxes start empty: the window is made afresh at every load.
}

void VocabEditor::EnableBrowsing(bool hasEntries)
{
    cmdLeftArrow->setEnabled(hasEntries);
    cmdRightArrow->setEnabled(hasEntries);
    cmdSave->setEnabled(true);
}

void VocabEditor::Command2_Click()
{
    pindrelModule::arrVocab = QStringList {QString()};
    pindrelModule::arrHint01 = QStringList {QString()};
    pindrelModule::arrHint02 = QStringList {QString()};
    pindrelModule::strEditFile.clear();
    m_browsing = {};
    ui::forms::Unload(QString::fromLatin1(formName));
}

void VocabEditor::txtVocab_Change()
{
    StoreWhileBrowsing(txtVocab, pindrelModule::arrVocab);
    Warn(input_rules::wordLength(txtVocab->text().size()), txtVocab);
}

void VocabEditor::txtHint01_Change()
{
    StoreWhileBrowsing(txtHint01, pindrelModule::arrHint01);
    Warn(input_rules::hintLength(txtHint01->text().size()), txtHint01);
}

void VocabEditor::txtHint02_Change()
{
    StoreWhileBrowsing(txtHint02, pindrelModule::arrHint02);
    Warn(input_rules::hintLength(txtHint02->text().size()), txtHint02);
}

void VocabEditor::txtVocab_KeyDown(int KeyCode)
{
    Warn(input_rules::keyDown(KeyCode));
}

void VocabEditor::txtVocab_KeyPress(int KeyAscii)
{
    Warn(input_rules::keyPress(KeyAscii));
}

// A keystroke in the word box runs the key rule, then the character rule, and then goes on to
// the box unchanged, whose change runs the length rule. Text that an input method commits (a
// Thai word at once, say) is typed without a key of its own: each of its characters runs the
// character rule, then the box's change the length rule.
bool VocabEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtVocab && event->type() == QEvent::InputMethod) {
        const QString committed = static_cast<const QInputMethodEvent *>(event)->commitString();
        for (const char32_t character : committed.toUcs4())
            txtVocab_KeyPress(static_cast<int>(character));
    }
    if (watched == txtVocab && event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<const QKeyEvent *>(event);
        txtVocab_KeyDown(virtualKeyCodeOf(key));
        // Delete reports the DEL character as its text on X11 and Wayland, yet types nothing.
        if (key.key() != Qt::Key_Delete) {
            for (const char32_t character : key.text().toUcs4())
                txtVocab_KeyPress(static_cast<int>(character));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VocabEditor::Warn(const std::optional<input_rules::Warning> &warning, QWidget *focusAfterOK)
{
    if (!warning)
        return;
    msgAnswer = static_cast<qint16>(ui::MsgBox(warning->text, warning->style));
    if (focusAfterOK && msgAnswer == ui::vbOK)
        focusAfterOK->setFocus();
}
