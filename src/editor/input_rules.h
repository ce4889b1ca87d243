#pragma once

#include <QString>

#include <optional>

// The warnings the editor gives while the user types. They only warn: the key still acts and
// the text is never shortened.
namespace input_rules {

struct Warning
{
    QString text;
    int style; // of the message box
};

// The longest word and the longest hint that pass without a warning.
constexpr qsizetype wordLimit = 12;
constexpr qsizetype hintLimit = 60;

// Rule K: a key went down in the word box; keyCode is its Windows virtual-key code.
std::optional<Warning> keyDown(int keyCode);

// Rule P: a character was typed into the word box. characterCode is its Unicode code point:
// ASCII keeps its code, and every other character, Thai included, is 128 or more, as in the
// Thai code page.
std::optional<Warning> keyPress(int characterCode);

// Rules L-word and L-hint: the box's text changed and is now this long.
std::optional<Warning> wordLength(qsizetype length);
std::optional<Warning> hintLength(qsizetype length);

// The add button's checks, in their order: a word, without a space, both hints, and room in the
// store (entries: those it holds). The first that fails is the only one reported; after its
// message the focus goes to the box named, if any.
enum class Box { None, Word, Hint01, Hint02 };
struct Refusal
{
    Warning warning;
    Box focus;
};
std::optional<Refusal> checkEntry(const QString &word, const QString &hint01, const QString &hint02,
                                  qsizetype entries);

} // namespace input_rules
