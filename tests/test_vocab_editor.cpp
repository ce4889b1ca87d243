// The vocabulary editor: adding, browsing, correcting, cancelling, and the warnings while typing.
#include "editor/vocab_editor.h"
#include "storage/save_dialog.h"
#include "support/windows.h"

using namespace testing;
namespace module = pindrelModule;

// A keystroke into one of the three boxes (0 is the word) holding a text: the key, the
// character it types and the X11 scan code (0: a synthesised key).
using Keystroke = std::tuple<int, QString, QKeyCombination, QString, quint32>;
Q_DECLARE_METATYPE(Keystroke)

namespace {

// The entry store's three lists and the boxes that show them, in the same order.
QStringList *const store[] = {&module::arrVocab, &module::arrHint01, &module::arrHint02};
const char *const boxes[] = {"txtVocab", "txtHint01", "txtHint02"};

QLineEdit *box(QWidget *editor, int i) { return control<QLineEdit>(editor, boxes[i]); }
QStringList shown(QWidget *e) { return {box(e, 0)->text(), box(e, 1)->text(), box(e, 2)->text()}; }
// Leaves the focus where no handler would put it, so that a move of it shows.
void focusElsewhere(QWidget *editor) { control<QPushButton>(editor, "Command2")->setFocus(); }
QStringList entry(int i) { return QStringLiteral("w%1 a%1 b%1").arg(i).split(u' '); }
QList<bool> buttonsEnabled(VocabEditor *e) {
  const auto on = [e](const char *name) { return control<QPushButton>(e, QString::fromLatin1(name))->isEnabled(); };
  return {on("cmdLeftArrow"), on("cmdRightArrow"), on("cmdSave")};
}

// The store as the add button leaves it in create mode (entries 1 to n after the placeholder)
// or as the edit chooser leaves it (entries 0 to n - 1, the arrows and save button enabled).
VocabEditor *openEditor(bool editMode, int entries) {
  module::strEditFile = editMode ? QStringLiteral("birds.txt") : QString();
  for (QStringList *list : store)
    list->clear();
  auto *editor = ui::forms::Show<VocabEditor>();
  for (int i = editMode ? 0 : 1; i < entries + (editMode ? 0 : 1); ++i)
    for (int list = 0; list < 3; ++list)
      store[list]->append(entry(i)[list]);
  if (entries > 0)
    editor->EnableBrowsing(true);
  return editor;
}

} // namespace

class VocabEditorTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against the first entry overwriting the placeholder, a changed text, checks made out
  // of order or beyond the four, two messages at once, an entry added after a refusal, the focus
  // left elsewhere, buttons left disabled, or more entries than a file the game plays may hold.
  void addTakesOnlyCompleteEntries_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("entries"); // in the store before the add
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString full = QStringLiteral(
        "คลังคำศัพท์เต็มแล้ว ไฟล์คำศัพท์หนึ่งไฟล์มีคำศัพท์ได้ไม่เกิน 32766 คำ ซึ่งเป็นจำนวนมากที่สุดที่เกมเล่นได้\n\n"
        "The vocabulary is full: a vocabulary file can hold at most 32766 words, the most the game can play.");
    const auto row = [](const char *tag, const QStringList &typed, const QString &message = {},
                        const char *focus = "txtVocab", int entries = 0, bool editMode = false) {
      QTest::newRow(tag) << typed << editMode << entries << message << QString::fromLatin1(focus);
    };
    row("15 letters", {"Extraordinarily", " a | b ", "๑๒ ไทย"});
    row("no hint 1", {"cat", "", ""}, QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ"), "txtHint01");
    row("edit, the 32,766th entry", {"w", "a", "b"}, {}, "txtVocab", 32765, true);
    row("edit, no 32,767th entry", {"w", "a", "b"}, full, "Command2", 32766, true);
  }
  void addTakesOnlyCompleteEntries() {
    QFETCH(QStringList, typed);
    QFETCH(bool, editMode);
    QFETCH(int, entries);
    QFETCH(QString, message);
    MessageRecorder messages;
    auto *editor = openEditor(editMode, entries);
    for (int i = 0; i < 3; ++i)
      box(editor, i)->setText(typed[i]);
    focusElsewhere(editor);
    messages.clear();
    control<QPushButton>(editor, "cmdNext")->click();
    const bool added = message.isEmpty();
    QCOMPARE(messages.texts, added ? QStringList() : QStringList{message});
    QCOMPARE(messages.styles, added ? QList<int>() : QList<int>{entries ? 48 : 64});
    QTEST(editor->focusWidget()->objectName(), "focus");
    QCOMPARE(shown(editor), added ? QStringList({"", "", ""}) : typed);
    for (int list = 0; list < 3; ++list)
      QCOMPARE(store[list]->mid(entries + (editMode ? 0 : 1)), added ? QStringList{typed[list]} : QStringList());
    QCOMPARE(buttonsEnabled(editor), QList<bool>(3, added || entries > 0));
  }

  // Guards against showing the placeholder, stepping past either end, arrows that do not share
  // the browsing position, a shown entry written back into the store, corrections that need
  // the add button or reach another entry, an add button while browsing that adds or empties
  // the shown entry instead of only ending the browsing, and Cancel leaving the edit mode or
  // the enabled buttons behind for the next Create.
  void arrowsBrowseAndCorrectTheEntryShown_data() {
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("steps"); // each click, Left or Right, and the entry it shows
    QTest::newRow("create, both") << false << 3 << "L3 R1 R2 L1";
    QTest::newRow("edit, left") << true << 4 << "L3 L2 L1 L0 L3";
  }
  void arrowsBrowseAndCorrectTheEntryShown() {
    QFETCH(bool, editMode);
    QFETCH(int, entries);
    QFETCH(QString, steps);
    auto *editor = openEditor(editMode, entries);
    const QStringList stored = module::arrHint02;
    for (const QString &step : steps.split(u' ')) {
      click(editor, step[0] == u'L' ? "cmdLeftArrow" : "cmdRightArrow");
      QCOMPARE(shown(editor), entry(step[1].digitValue()));
    }
    const int shownIndex = steps.back().digitValue(); // entry i stands at index i in both modes
    QTest::keyClicks(box(editor, 1), "x");
    box(editor, 0)->clear();
    QCOMPARE(module::arrHint01.at(shownIndex), entry(shownIndex)[1] + u'x');
    QCOMPARE(module::arrVocab.at(shownIndex), QString());
    control<QPushButton>(editor, "cmdNext")->click();
    QCOMPARE(shown(editor), QStringList({"", "", ""}));
    QCOMPARE(editor->focusWidget(), box(editor, 0));
    addEntry(editor, "w9", "a9", "b9");
    QCOMPARE(module::arrHint02, stored + QStringList{"b9"});

    control<QPushButton>(editor, "Command2")->click(); // Cancel, then Create
    processDeferredDeletes();
    editor = ui::forms::Show<VocabEditor>();
    QCOMPARE(module::arrVocab, QStringList{"Vocab"});
    QCOMPARE(buttonsEnabled(editor), QList<bool>(3, false));
  }

  // Guards against a line break that reaches a box from the user, however it comes (a record
  // written from it would break in two), a break that a stored field holds being changed by
  // showing the field, and a stored word over 12 letters shown without its warning.
  void lineBreaksFromTheUserBecomeSpaces_data() {
    QTest::addColumn<QString>("way");
    for (const char *way : {"typed", "pasted", "dropped", "set", "composed"})
      QTest::newRow(way) << QString::fromLatin1(way);
  }
  void lineBreaksFromTheUserBecomeSpaces() {
    QFETCH(QString, way);
    const QString broken = QStringLiteral("a pet\nsays\r\nmeow\rand\vpurrs\u0085at\u2028night\u2029!");
    const QString joined = QStringLiteral("a pet says meow and purrs at night !");
    MessageRecorder messages;
    auto *editor = openEditor(true, 1);
    QLineEdit *hint = box(editor, 1);
    if (way == u"typed") {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, broken);
      QCoreApplication::sendEvent(hint, &key);
    } else if (way == u"pasted") {
      QGuiApplication::clipboard()->setText(broken);
      QTest::keySequence(hint, QKeySequence::Paste);
    } else if (way == u"dropped") {
      QMimeData data;
      data.setText(broken);
      const QPoint at = hint->rect().center();
      QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(hint, &enter);
      QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(hint, &drop);
    } else if (way == u"set") {
      hint->setText(broken);
    } else {
      QInputMethodEvent composed;
      composed.setCommitString(broken);
      QCoreApplication::sendEvent(hint, &composed);
    }
    QCOMPARE(hint->text(), joined);
    auto *dialog = ui::forms::Show<SaveDialog>();
    control<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("my\nwords"));
    QCOMPARE(control<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("my words"));

    module::arrVocab = {QStringLiteral("Extraordinary")}; // 13 letters: shown, it is warned about
    module::arrHint01 = {QStringLiteral("hoots\nloudly")}; // a lone LF, as a file may hold it
    module::arrHint02 = {QStringLiteral("at night")};
    messages.clear();
    click(editor, "cmdRightArrow");
    QCOMPARE(hint->text(), QStringLiteral("hoots\nloudly"));
    QCOMPARE(module::arrHint01, QStringList{"hoots\nloudly"});
    QCOMPARE(messages.texts, QStringList{input_rules::wordLength(13)->text});
  }

  // Guards against a warning that swallows the key, rules run out of order (key, character,
  // change), a key code taken from the character or the keypad taken for the digit row (every
  // key's code is tried in test_input_rules), Delete taken for a typed character, key rules in
  // the hints, and a length rule that warns at the limit, misses a change past it (deleting
  // too), or leaves the focus elsewhere.
  void keystrokeWarnsAndStillActs_data() {
    QTest::addColumn<Keystroke>("keystroke");
    QTest::addColumn<QString>("warnings"); // K and P name the key code and character that warn
    const QString x12(12, u'x'), x13(13, u'x');
    QTest::newRow("digit row") << Keystroke{0, "ab", Qt::Key_5, "5", 0} << "K53";
    QTest::newRow("Thai on the 1 key") << Keystroke{0, "ab", Qt::Key(0x0E45), "ๅ", 10} << "K49 P3653";
    QTest::newRow("delete") << Keystroke{0, "ab", Qt::Key_Delete, "\x7f", 119} << "";
    QTest::newRow("bar as the thirteenth") << Keystroke{0, x12, Qt::Key_Bar, "|", 0} << "K220 P124 L";
    QTest::newRow("back to twelve") << Keystroke{0, x13, Qt::Key_Backspace, "\b", 0} << "";
    QTest::newRow("hint 1, 61st") << Keystroke{1, QString(60, u'x'), Qt::Key_Y, "y", 0} << "L";
  }
  void keystrokeWarnsAndStillActs() {
    QFETCH(Keystroke, keystroke);
    QFETCH(QString, warnings);
    const auto &[target, before, keys, text, scanCode] = keystroke;
    MessageRecorder messages;
    auto *editor = openEditor(false, 0);
    QLineEdit *typedInto = box(editor, target);
    typedInto->setText(before);
    focusElsewhere(editor);
    QStringList seen;
    messages.onMessage = [&](const QString &message) { seen.append(message + u'@' + typedInto->text()); };
    QLineEdit plain(before); // what the keystroke does without any rule
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, keys.key(), keys.keyboardModifiers(), scanCode, 0, 0, text);
      QCoreApplication::sendEvent(typedInto, &event);
      QCoreApplication::sendEvent(&plain, &event);
    }
    // Each warning with the box as it stood then: the key reaches it only after K and P, and L
    // is the length rule of the box.
    QStringList expected;
    for (const QString &rule : warnings.split(u' ', Qt::SkipEmptyParts)) {
      const auto warning = rule[0] == u'K' ? input_rules::keyDown(rule.mid(1).toInt())
                           : rule[0] == u'P' ? input_rules::keyPress(rule.mid(1).toInt())
                           : target ? input_rules::hintLength(plain.text().size())
                                    : input_rules::wordLength(plain.text().size());
      expected.append(warning->text + u'@' + (rule == u"L" ? plain.text() : before));
    }
    QCOMPARE(seen, expected);
    QCOMPARE(typedInto->text(), plain.text());
    QCOMPARE(editor->focusWidget() == typedInto, warnings.contains(u'L'));
  }
};

WINDOWS_TEST_MAIN(VocabEditorTest)
#include "test_vocab_editor.moc"
