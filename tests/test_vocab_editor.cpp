// The vocabulary editor: adding, browsing, correcting, cancelling, and the warnings while typing.
#include "editor/input_rules.h"
#include "editor/vocab_editor.h"
#include "storage/pindrel_module.h"
#include "support/message_recorder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using testing::control;
namespace module = pindrelModule;

namespace {

QLineEdit *box(QWidget *editor, const QString &name) { return control<QLineEdit>(editor, name); }
QStringList shown(QWidget *editor) {
  return {box(editor, "txtVocab")->text(), box(editor, "txtHint01")->text(),
          box(editor, "txtHint02")->text()};
}
void fill(QWidget *editor, const QStringList &entry) {
  box(editor, "txtVocab")->setText(entry[0]);
  box(editor, "txtHint01")->setText(entry[1]);
  box(editor, "txtHint02")->setText(entry[2]);
}
void clickAdd(QWidget *editor) { control<QPushButton>(editor, "cmdNext")->click(); }
// Leaves the focus where no handler would put it, so that a move of it shows.
void focusElsewhere(QWidget *editor) { control<QPushButton>(editor, "Command2")->setFocus(); }
QStringList entry(int i) {
  return {QStringLiteral("w%1").arg(i), QStringLiteral("a%1").arg(i), QStringLiteral("b%1").arg(i)};
}
QString warningText(const std::optional<input_rules::Warning> &warning) { return warning->text; }

// Shown and active, so that the focus is the one a user would see.
VocabEditor *loadShown() {
  auto *editor = ui::forms::Load<VocabEditor>();
  editor->show();
  QApplication::setActiveWindow(editor);
  if (!QTest::qWaitForWindowActive(editor))
    qWarning("editor not active");
  return editor;
}

VocabEditor *openCreate(int entries = 0) {
  auto *editor = loadShown();
  for (int i = 1; i <= entries; ++i) {
    fill(editor, entry(i));
    clickAdd(editor);
  }
  return editor;
}

// As the edit chooser leaves it: the file's lines in the store and the buttons enabled.
VocabEditor *openEdit(int entries) {
  module::strEditFile = QStringLiteral("birds.txt");
  for (int i = 0; i < entries; ++i) {
    module::arrVocab.append(entry(i)[0]);
    module::arrHint01.append(entry(i)[1]);
    module::arrHint02.append(entry(i)[2]);
  }
  auto *editor = loadShown();
  for (QPushButton *b : {editor->cmdLeftArrow, editor->cmdRightArrow, editor->cmdSave})
    b->setEnabled(true);
  return editor;
}

} // namespace

class VocabEditorTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    testing::unloadAllForms();
    for (QStringList *list : {&module::arrVocab, &module::arrHint01, &module::arrHint02})
      list->clear();
    module::strEditFile.clear();
  }

  // Guards against the first entry overwriting the placeholder, a changed text, a check
  // beyond the four, or buttons left disabled.
  void firstAddFollowsThePlaceholder_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("cat") << QStringList{"cat", "an animal", "it says meow"};
    QTest::newRow("hyphen") << QStringList{"ice-cream", "a", "b"};
    QTest::newRow("15 letters") << QStringList{"Extraordinarily", " a | b ", "๑๒ ไทย"};
  }
  void firstAddFollowsThePlaceholder() {
    QFETCH(QStringList, typed);
    MessageRecorder messages;
    auto *editor = openCreate();
    QVERIFY(!editor->cmdLeftArrow->isEnabled() && !editor->cmdSave->isEnabled());
    fill(editor, typed);
    messages.clear();
    clickAdd(editor);
    QCOMPARE(module::arrVocab, QStringList({"Vocab", typed[0]}));
    QCOMPARE(module::arrHint01, QStringList({"Hint One", typed[1]}));
    QCOMPARE(module::arrHint02, QStringList({"Hint Two", typed[2]}));
    QCOMPARE(shown(editor), QStringList({"", "", ""}));
    QVERIFY(editor->cmdLeftArrow->isEnabled() && editor->cmdRightArrow->isEnabled());
    QVERIFY(editor->cmdSave->isEnabled());
    QCOMPARE(QApplication::focusWidget(), box(editor, "txtVocab"));
    QCOMPARE(messages.count(), 0);
  }

  // Guards against showing the placeholder, stepping past either end, or arrows that do not
  // share the browsing position.
  void arrowsStepAndWrap_data() {
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("seen");
    QTest::newRow("create, left") << false << 3 << "LLLL" << "w3 w2 w1 w3";
    QTest::newRow("create, right") << false << 3 << "RRRR" << "w1 w2 w3 w1";
    QTest::newRow("create, both") << false << 3 << "LRRL" << "w3 w1 w2 w1";
    QTest::newRow("edit, right") << true << 4 << "RRRRR" << "w0 w1 w2 w3 w0";
    QTest::newRow("edit, left") << true << 4 << "LLLLL" << "w3 w2 w1 w0 w3";
    QTest::newRow("create, one entry") << false << 1 << "LLRR" << "w1 w1 w1 w1";
    QTest::newRow("edit, one entry") << true << 1 << "RRL" << "w0 w0 w0";
  }
  void arrowsStepAndWrap() {
    QFETCH(bool, editMode);
    QFETCH(int, entries);
    QFETCH(QString, clicks);
    QFETCH(QString, seen);
    MessageRecorder messages;
    auto *editor = editMode ? openEdit(entries) : openCreate(entries);
    const QStringList store = module::arrVocab;
    QStringList words;
    for (const QChar c : clicks) {
      (c == u'L' ? editor->cmdLeftArrow : editor->cmdRightArrow)->click();
      words.append(shown(editor)[0]);
      QCOMPARE(shown(editor), entry(words.last().mid(1).toInt()));
    }
    QCOMPARE(words.join(u' '), seen);
    QCOMPARE(module::arrVocab, store);
    QCOMPARE(messages.count(), 0);
  }

  // Guards against checks made out of order, two messages at once, an entry added after a
  // refusal, or the focus left elsewhere.
  void addRefusesIncompleteEntries_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noWord = QStringLiteral("ท่านต้องพิมพ์คำศัพท์ ในช่องคำศัทพ์ด้วย นะครับ");
    const QString spaced =
        QStringLiteral("คำศัพท์จะต้องไม่มีช่องว่าง และต้องไม่เว้นวรรคก่อนหน้าหรือหลังคำศัพท์ นะครับ");
    QTest::newRow("no word") << QStringList{"", "a", "b"} << noWord << "txtVocab";
    QTest::newRow("no word, no hint") << QStringList{"", "", "b"} << noWord << "txtVocab";
    QTest::newRow("inner space") << QStringList{"ice cream", "a", "b"} << spaced << "txtVocab";
    QTest::newRow("leading space") << QStringList{" cat", "a", "b"} << spaced << "txtVocab";
    QTest::newRow("trailing space") << QStringList{"cat ", "", ""} << spaced << "txtVocab";
    QTest::newRow("no hint 1") << QStringList{"cat", "", ""}
                               << QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ") << "txtHint01";
    QTest::newRow("no hint 2") << QStringList{"cat", "a", ""}
                               << QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 2 ด้วย นะครับ") << "txtHint02";
  }
  void addRefusesIncompleteEntries() {
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    MessageRecorder messages;
    auto *editor = openCreate();
    fill(editor, typed);
    focusElsewhere(editor);
    clickAdd(editor);
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.messages().first().style, 64);
    QCOMPARE(QApplication::focusWidget(), box(editor, focus));
    QCOMPARE(shown(editor), typed);
    QCOMPARE(module::arrVocab.size(), qsizetype(1));
  }

  // Guards against the add button while browsing adding the shown entry again, or emptying
  // it in the store.
  void addWhileBrowsingOnlyEndsBrowsing() {
    MessageRecorder messages;
    auto *editor = openCreate(2);
    editor->cmdLeftArrow->click();
    clickAdd(editor);
    QCOMPARE(shown(editor), QStringList({"", "", ""}));
    QCOMPARE(module::arrVocab, QStringList({"Vocab", "w1", "w2"}));
    QCOMPARE(module::arrHint02, QStringList({"Hint Two", "b1", "b2"}));
    QCOMPARE(QApplication::focusWidget(), box(editor, "txtVocab"));
    fill(editor, entry(3));
    clickAdd(editor);
    QCOMPARE(module::arrVocab, QStringList({"Vocab", "w1", "w2", "w3"}));
  }

  // Guards against edits while browsing that need the add button, reach the wrong entry, or
  // leave the save button disabled.
  void editWhileBrowsingReachesTheStore() {
    MessageRecorder messages;
    auto *editor = openEdit(3);
    editor->cmdSave->setEnabled(false);
    editor->cmdRightArrow->click();
    editor->cmdRightArrow->click();
    QTest::keyClicks(box(editor, "txtHint01"), "x");
    box(editor, "txtVocab")->clear();
    QCOMPARE(module::arrHint01, QStringList({"a0", "a1x", "a2"}));
    QCOMPARE(module::arrVocab, QStringList({"w0", "", "w2"}));
    QVERIFY(editor->cmdSave->isEnabled());
    editor->cmdRightArrow->click();
    QCOMPARE(shown(editor), entry(2));
  }

  // Guards against a warning that swallows the key, rules run out of order (key, character,
  // change), a key code taken from the character, or Delete taken for a typed character.
  void keystrokeInTheWordWarnsAndStillActs_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("rules"); // K and P name the key code and character that warn
    using Row = std::tuple<const char *, int, int, quint32, const char *, const char *, const char *>;
    const Row rows[] = {
        {"digit row", Qt::Key_5, 0, 0, "5", "ab", "K53"},
        {"keypad digit", Qt::Key_5, Qt::KeypadModifier, 0, "5", "ab", ""},
        {"shifted digit", Qt::Key_Percent, Qt::ShiftModifier, 0, "%", "", "K53"},
        {"space", Qt::Key_Space, 0, 0, " ", "ab", "K32"},
        {"letter", Qt::Key_A, Qt::ShiftModifier, 38, "A", "", ""},
        {"bar at 13", Qt::Key_Bar, 0, 0, "|", "abcdefghijkl", "K220 P124 L"},
        {"Thai on the 1 key", 0x0E45, 0, 10, "ๅ", "", "K49 P3653"},
        {"Thai on the A key", 0x0E1F, 0, 38, "ฟ", "", "P3615"},
        {"backspace", Qt::Key_Backspace, 0, 22, "\b", "ab", ""},
        {"delete", Qt::Key_Delete, 0, 119, "\x7f", "ab", ""}};
    for (const auto &[name, key, modifiers, scanCode, text, before, rules] : rows)
      QTest::newRow(name) << key << modifiers << scanCode << text << before << rules;
  }
  void keystrokeInTheWordWarnsAndStillActs() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(QString, text);
    QFETCH(QString, before);
    QFETCH(QString, rules);
    MessageRecorder recorder;
    QLineEdit *word = box(openCreate(), "txtVocab");
    word->setText(before);
    QStringList expected;
    for (const QString &rule : rules.split(u' ', Qt::SkipEmptyParts))
      expected.append(rule[0] == u'K'   ? warningText(input_rules::keyDown(rule.mid(1).toInt()))
                      : rule[0] == u'P' ? warningText(input_rules::keyPress(rule.mid(1).toInt()))
                                        : warningText(input_rules::wordLength(13)));
    QStringList boxAtMessage;
    recorder.onMessage([&](const auto &) { boxAtMessage.append(word->text()); });
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0, text);
      QApplication::sendEvent(word, &event);
    }
    QCOMPARE(recorder.texts(), expected);
    const QString after = key == Qt::Key_Backspace ? QStringLiteral("a")
                          : key == Qt::Key_Delete  ? before
                                                   : before + text;
    QCOMPARE(word->text(), after);
    for (qsizetype i = 0; i < expected.size(); ++i) // the key reaches the box only after K and P
      QCOMPARE(boxAtMessage[i], rules.split(u' ')[i] == u"L" ? after : before);
  }

  // Guards against a length rule that warns at the limit, only once, or focuses another box;
  // also for text the editor shows from the store.
  void lengthWarnsOnEveryChangePastTheLimit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::newRow("word") << "txtVocab" << 12;
    QTest::newRow("hint 1") << "txtHint01" << 60;
    QTest::newRow("hint 2") << "txtHint02" << 60;
  }
  void lengthWarnsOnEveryChangePastTheLimit() {
    QFETCH(QString, name);
    QFETCH(int, limit);
    MessageRecorder messages;
    auto *editor = openCreate(1);
    QLineEdit *target = box(editor, name);
    target->setText(QString(limit - 1, u'x'));
    focusElsewhere(editor);
    // To the limit, past it twice, back by one and back to the limit: three warnings.
    for (const Qt::Key key :
         {Qt::Key_Y, Qt::Key_Z, Qt::Key_A, Qt::Key_Backspace, Qt::Key_Backspace})
      QTest::keyClick(target, key);
    QCOMPARE(messages.count(), 3);
    QCOMPARE(messages.messages().last().style, 64);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->text().size(), limit);

    target->clear();
    QStringList &stored = name == u"txtVocab"    ? module::arrVocab
                          : name == u"txtHint01" ? module::arrHint01
                                                 : module::arrHint02;
    stored[1] = QString(limit + 1, u'x');
    focusElsewhere(editor);
    editor->cmdLeftArrow->click();
    QCOMPARE(messages.count(), 4);
    QCOMPARE(QApplication::focusWidget(), target);
  }

  // Guards against Cancel leaving entries or the edit mode behind for the next opening.
  void cancelThenCreateStartsEmpty() {
    MessageRecorder messages;
    openEdit(3)->cmdRightArrow->click();
    control<QPushButton>(ui::forms::get<VocabEditor>(), "Command2")->click();
    QVERIFY(!ui::forms::IsLoaded(QStringLiteral("new_vocab")));
    QCOMPARE(module::arrVocab, QStringList{QString()});
    QCOMPARE(module::arrHint02, QStringList{QString()});
    QVERIFY(module::strEditFile.isEmpty());
    testing::processDeferredDeletes();
    auto *editor = openCreate();
    QCOMPARE(module::arrVocab, QStringList{"Vocab"});
    QCOMPARE(shown(editor), QStringList({"", "", ""}));
    QVERIFY(!editor->cmdLeftArrow->isEnabled() && !editor->cmdRightArrow->isEnabled());
    QVERIFY(!editor->cmdSave->isEnabled());
  }

  // Guards against an index past 32,767, which 16-bit entry numbers cannot hold.
  void fullStoreRefusesAnotherEntry_data() {
    QTest::addColumn<int>("upperBound");
    QTest::addColumn<bool>("added");
    QTest::newRow("32766") << 32766 << true;
    QTest::newRow("32767") << 32767 << false;
  }
  void fullStoreRefusesAnotherEntry() {
    QFETCH(int, upperBound);
    QFETCH(bool, added);
    MessageRecorder messages;
    auto *editor = openCreate();
    for (QStringList *list : {&module::arrVocab, &module::arrHint01, &module::arrHint02})
      list->resize(upperBound + 1);
    fill(editor, entry(1));
    clickAdd(editor);
    QCOMPARE(module::arrHint02.size(), qsizetype(upperBound + (added ? 2 : 1)));
    QCOMPARE(module::arrVocab.size(), module::arrHint02.size());
    QCOMPARE(messages.count(), added ? 0 : 1);
    if (!added) {
      QCOMPARE(messages.messages().first().style, 48);
      QCOMPARE(shown(editor), entry(1));
    }
  }
};

QTEST_MAIN(VocabEditorTest)
#include "test_vocab_editor.moc"
