// The vocabulary editor's wiring: the add button, the arrows and the boxes bound to the entry
// shown, Cancel, and the warnings while typing. The rules themselves (the add checks, the
// arrows' steps, the warnings' bounds): test_editor_rules.
#include "editor/vocab_editor.h"
#include "support/windows.h"
#include "ui/one_line_box.h"

using namespace testing;
namespace module = pindrelModule;

// A keystroke into one of the three boxes (0 is the word) holding a text: the key, the
// character it types and the X11 scan code (0: a synthesised key).
using Keystroke = std::tuple<int, QString, QKeyCombination, QString, quint32>;
Q_DECLARE_METATYPE(Keystroke)

namespace {

QLineEdit *box(QWidget *editor, int i)
{
    return control<QLineEdit>(
        editor, QString::fromLatin1(std::array {"txtVocab", "txtHint01", "txtHint02"}[i]));
}
QStringList shown(QWidget *e)
{
    return {box(e, 0)->text(), box(e, 1)->text(), box(e, 2)->text()};
}
QString store(int i)
{
    return module::arrVocab.value(i) + u' ' + module::arrHint01.value(i) + u' '
        + module::arrHint02.value(i);
}
QString buttons(QWidget *e)
{ // the arrows and the save button: 1 for enabled
    QString on;
    for (const char *name : {"cmdLeftArrow", "cmdRightArrow", "cmdSave"})
        on += control<QPushButton>(e, QString::fromLatin1(name))->isEnabled() ? u'1' : u'0';
    return on;
}

} // namespace

class VocabEditorTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against an add that overwrites the placeholder, changes the text, adds after a
    // refusal or leaves the focus or buttons wrong; arrows that show the placeholder or leave the
    // store; a shown entry written back, corrections that miss the store or reach another entry,
    // a stored field changed by being shown or a stored word over 12 letters shown without its
    // warning; an add while browsing that adds; and Cancel leaving entries or buttons behind.
    void addBrowseCorrectAndCancel()
    {
        auto *editor = ui::forms::Show<VocabEditor>();
        QCOMPARE(buttons(editor), QStringLiteral("000"));
        QCOMPARE(editor->findChildren<ui::OneLineBox *>().size(), 3); // no line break from the user
        addEntry(editor, "cat", "", "meows");                         // refused: hint one missing
        QCOMPARE(messages().texts,
                 QStringList {input_rules::checkEntry("cat", "", "x", 0)->warning.text});
        QCOMPARE(editor->focusWidget(), box(editor, 1));
        addEntry(editor, "Extraordinary", " a | b ", "hoots\nloudly"); // a lone LF, as a file may hold
        addEntry(editor, "dog", "a pet", "barks");
        QCOMPARE(QStringList({store(0), store(1), store(2)}),
                 QStringList({"Vocab Hint One Hint Two", "Extraordinary  a | b  hoots loudly",
                              "dog a pet barks"}));
        QCOMPARE(buttons(editor) + shown(editor).join(u'/'), QStringLiteral("111//"));
        module::arrHint02[1] = QStringLiteral("hoots\nloudly");
        messages().clear();
        for (int i = 0; i < 4; ++i) // 2, 1, round to 2 again, not to the placeholder, and 1
            click(editor, "cmdLeftArrow");
        QCOMPARE(shown(editor), QStringList({"Extraordinary", " a | b ", "hoots\nloudly"}));
        QCOMPARE(messages().texts, QStringList(2, input_rules::wordLength(13)->text)); // shown twice
        QTest::keyClicks(box(editor, 1), "x");
        box(editor, 0)->clear();
        QCOMPARE(store(1), QStringLiteral("  a | b x hoots\nloudly"));
        QCOMPARE(store(2), QStringLiteral("dog a pet barks"));
        click(editor, "cmdNext"); // ends browsing before it empties the boxes, adds nothing
        QCOMPARE(shown(editor) << store(1), QStringList({"", "", "", "  a | b x hoots\nloudly"}));
        QCOMPARE(module::arrVocab.size(), 3);
        click(editor, "Command2"); // Cancel empties the store, then Create
        QCOMPARE(module::arrVocab + module::arrHint01 + module::arrHint02, QStringList(3, ""));
        processDeferredDeletes();
        editor = ui::forms::Show<VocabEditor>();
        QCOMPARE(module::arrVocab, QStringList {"Vocab"});
    }

    // Guards against a warning that swallows the key, rules run out of order (key, character,
    // change), a key code taken from the character (a Thai layout must not hide the digit row),
    // Delete taken for a typed character, key rules in the hints, and a length rule that warns at
    // the limit, misses a change past it (deleting too), or leaves the focus elsewhere.
    void keystrokeWarnsAndStillActs_data()
    {
        QTest::addColumn<Keystroke>("keystroke");
        QTest::addColumn<QString>("warnings"); // K and P name the key code and character that warn
        const QString x12(12, u'x');
        QTest::newRow("Thai on the 1 key")
            << Keystroke {0, "ab", Qt::Key(0x0E45), "ๅ", 10} << "K49 P3653";
        QTest::newRow("delete") << Keystroke {0, "ab", Qt::Key_Delete, "\x7f", 119} << "";
        QTest::newRow("bar as the thirteenth")
            << Keystroke {0, x12, Qt::Key_Bar, "|", 0} << "K220 P124 L";
        QTest::newRow("hint 1, 61st") << Keystroke {1, QString(60, u'x'), Qt::Key_Y, "y", 0} << "L";
    }
    void keystrokeWarnsAndStillActs()
    {
        QFETCH(Keystroke, keystroke);
        QFETCH(QString, warnings);
        const auto &[target, before, keys, text, scanCode] = keystroke;
        auto *editor = ui::forms::Show<VocabEditor>();
        QLineEdit *typedInto = box(editor, target);
        typedInto->setText(before);
        control<QPushButton>(editor, "Command2")->setFocus(); // where no handler would put it
        QStringList seen;
        messages().onMessage
            = [&](const QString &message) { seen.append(message + u'@' + typedInto->text()); };
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
                : rule[0] == u'P'                ? input_rules::keyPress(rule.mid(1).toInt())
                : target                         ? input_rules::hintLength(plain.text().size())
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
