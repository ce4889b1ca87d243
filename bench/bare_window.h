#pragma once

class QMainWindow;

// The floor of the windows' figures: a plain Qt Widgets main window of the game's make-up (a
// menu bar, the letter keys and slots as labels, two buttons, the hint and score labels, a list
// and the same photograph) with the same Thai and English captions in the same mapped fonts, and
// nothing of the game behind it. It pays for Thai fonts and Thai shaping as the game does.
namespace bare_window {

enum class Captions {
    MainWindow,          // what the main window shows when a game starts
    MainWindowAndSplash, // the splash's captions too: all the text the program shows at start-up
};

// Made, not shown; the caller owns it. The fonts are those of ui::installFontSubstitutes().
QMainWindow *make(Captions captions);

} // namespace bare_window
