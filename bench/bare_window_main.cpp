// The floor of the start-up figures: the bare window with every caption the program shows at
// start-up, after the same application set-up of fonts, shown until the window system ends it.
#include "bare_window.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>

// The floor is drawn at 100 % by the program's own fonts without its zoom service; its 200 %
// run is Qt's scale factor 2, which draws the same pixels.
double ui::zoom()
{
    return 1;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    const std::unique_ptr<QMainWindow> window(
        bare_window::make(bare_window::Captions::MainWindowAndSplash));
    window->show();
    return app.exec();
}
