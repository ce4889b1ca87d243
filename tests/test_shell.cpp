// The start: the splash, its version, its timer, its clicks and its keys, and the program's end.
#include "shell/application.h"
#include "shell/splash.h"
#include "support/windows.h"

using namespace testing;

static Splash *splash()
{
    return ui::forms::get<Splash>();
}

class ShellTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against a splash that shows its version wrongly (padded numbers), hands over to the
    // main window late or not at all, lets a label or the picture act as the frame under it, or
    // ends the program on keys without a character and not on those with one.
    void splashAnswersItsTimerClicksAndKeys_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("timer") << Act([] { splash()->Timer1_Timer(); }) << "main window";
        for (const char *name : {"Frame1", "lblProductName", "lblVersion", "Image1", "Label3"})
            QTest::addRow("click %s", name)
                << Act([name] { click(control<QWidget>(splash(), name)); })
                << (name == QLatin1String("Frame1") ? "main window" : "nothing");
        for (const int key : {Qt::Key_Q, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                              Qt::Key_Left, Qt::Key_F1}) // the last two give no character
            QTest::addRow("key %s", qPrintable(QKeySequence(key).toString()))
                << Act([key] { QTest::keyClick(splash(), Qt::Key(key)); })
                << (key == Qt::Key_Left || key == Qt::Key_F1 ? "nothing" : "end");
    }
    void splashAnswersItsTimerClicksAndKeys()
    {
        QFETCH(Act, act);
        QFETCH(QString, outcome);
        int quits = 0;
        const pindrel::ProgramEnd end([&quits] { ++quits; });
        ui::forms::Show<Splash>();
        QCOMPARE(caption(splash(), "lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(Splash::versionText(2, 3, 15), QStringLiteral("Version 2.3.15"));
        const QTimer *timer = control<QTimer>(splash(), "Timer1");
        QCOMPARE(timer->isActive() ? timer->interval() : 0, 3500);
        act();
        processDeferredDeletes();
        QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSplash")), outcome == u"nothing");
        QCOMPARE(mainWindow() && mainWindow()->isVisible(), outcome == u"main window");
        QCOMPARE(quits, outcome == u"end" ? 1 : 0);
    }
};

WINDOWS_TEST_MAIN(ShellTest)
#include "test_shell.moc"
