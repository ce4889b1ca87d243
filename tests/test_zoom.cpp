// The zoom: every window multiplied by one step and kept on its screen, the step remembered,
// Thai letters as tall as the Latin ones beside them, and text an input method commits.
#include "classroom/choose_list_dialog.h"
#include "classroom/import_report.h"
#include "editor/vocab_editor.h"
#include "game/select_cust_vocab.h"
#include "game/show_meaning.h"
#include "shell/about.h"
#include "shell/splash.h"
#include "storage/choose_file_dialog.h"
#include "storage/save_dialog.h"
#include "support/windows.h"
#include "ui/zoom.h"
#include "ui/zoom_steps.h"

using namespace testing;

namespace {

// What a step multiplies in each named control of a window: its rectangle, its font, its
// picture and its icon.
QMap<QString, QList<double>> measure(QWidget *window)
{
    QMap<QString, QList<double>> sizes;
    QWidgetList widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets << window) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || w->window() != window)
            continue;
        const QRect at = w == window ? w->rect() : w->geometry();
        QList<double> &s = sizes[w->objectName()];
        s << at.x() << at.y() << at.width() << at.height() << w->font().pointSizeF();
        if (const auto *label = qobject_cast<QLabel *>(w))
            s << label->pixmap().width() << label->pixmap().height();
        if (const auto *button = qobject_cast<QAbstractButton *>(w); button && !button->icon().isNull())
            s << button->iconSize().width() << button->iconSize().height();
    }
    return sizes;
}

template<class T, class... Args> Act load(Args... args)
{
    return [=] { ui::forms::Load<T>(args...); };
}

} // namespace

class ZoomTest : public WindowTest
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    // Guards against a control, font, picture or icon that a step leaves as it was, scales twice or
    // rounds from pixels already rounded, so that 100 % is no longer the design; and a Thai face
    // that stands lower than the Latin letters beside it, or whose stacked marks (ปี่ ญี่ ฐ ฎ) reach
    // beyond a one-line box or label at any step.
    void everyWindowIsItsDesignTimesTheStep_data()
    {
        QTest::addColumn<Act>("open");
        QTest::newRow("Pindrel") << load<GameWindow>();
        QTest::newRow("new_vocab") << load<VocabEditor>();
        QTest::newRow("frmShowMeaning") << Act([] {
            ui::forms::Load<ShowMeaning>()->setCaptions(QStringLiteral("CAT: แมว"), "A cat.", {});
        });
        QTest::newRow("frmSplash") << load<Splash>();
        QTest::newRow("frmAbout") << load<About>();
        QTest::newRow("frmSave") << load<SaveDialog>();
        QTest::newRow("frmSelectCustVocab") << load<SelectCustVocab>();
        QTest::newRow("frmChooseFile") << load<ChooseFileDialog>();
        QTest::newRow("frmImportReport") << load<ImportReport>(QString(), spreadsheet::Import {});
        QTest::newRow("frmChooseList")
            << load<ChooseListDialog>(ChooseListDialog::Purpose::Print, VocabularyInUse {});
    }
    void everyWindowIsItsDesignTimesTheStep()
    {
        QFETCH(Act, open);
        ui::setZoomStep(100);
        open();
        QWidget *window = form(QTest::currentDataTag());
        const auto design = measure(window);
        for (const int step : {100, 125, 200, 300}) {
            ui::setZoomStep(step);
            const double scale = step / 100.0;
            const auto zoomed = measure(window);
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(w);
                if (!(label ? !label->wordWrap() : bool(qobject_cast<QLineEdit *>(w))))
                    continue;
                const QFontMetrics m(w->font());
                QVERIFY2(m.tightBoundingRect(QStringLiteral("กนมอ")).height()
                             >= m.tightBoundingRect(QStringLiteral("xzvn")).height(),
                         qPrintable(w->objectName()));
                QVERIFY2(m.tightBoundingRect(QStringLiteral("ปี่ญี่ฐฎ")).height() <= w->height(),
                         qPrintable(w->objectName()));
            }
            for (auto it = design.cbegin(); it != design.cend(); ++it)
                for (qsizetype i = 0; i < it->size(); ++i)
                    QVERIFY2(qAbs(zoomed[it.key()][i] - it->at(i) * scale)
                                 <= (1 + scale) / 2 + 0.02 * it->at(i) * scale,
                             qPrintable(QString::number(step) + u' ' + it.key()));
        }
        ui::setZoomStep(100);
        QCOMPARE(measure(window), design);
    }

    // Guards against a step that puts the main window partly off its screen, keys that do not
    // reach it from a control, a step lost at the next start or kept outside the user's settings,
    // and a full screen that does not fill the screen, centre the board or give the step back.
    void theStepStaysOnTheScreenAndIsRemembered()
    {
        ui::setZoomStep(100);
        GameWindow *window = startGameOn(folder(), QStringLiteral("cat|h|h\r\n"));
        const QRect screen = window->screen()->availableGeometry();
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(control<QWidget>(window, "cmdHint01"), Qt::Key_Plus, Qt::ControlModifier);
        const int step = ui::zoomStep();
        const QSize nextSize = window->frameGeometry().size() * zoom_steps::next(step, +1) / step;
        QVERIFY(step > 100 && screen.contains(window->frameGeometry()));
        QVERIFY(nextSize.width() > screen.width() || nextSize.height() > screen.height());
        QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(ui::zoomStep() < step);
        QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(ui::zoomStep(), step);
        ui::setZoomStep(100);
        ui::restoreZoomStep();
        QCOMPARE(ui::zoomStep(), step);
        QVERIFY(!QDir(m_config.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());

        QTest::keyClick(window, Qt::Key_F11);
        QVERIFY(window->isFullScreen());
        QCoreApplication::processEvents();
        auto *board = control<QWidget>(window, "client");
        const int left = board->mapTo(window, QPoint()).x();
        QVERIFY(left > 0 && qAbs(window->width() - board->width() - 2 * left) <= 1);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isFullScreen());
        QCOMPARE(ui::zoomStep(), step);
        QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(ui::zoomStep(), 100);
    }

    // Guards against text an input method commits that passes the word's character rule, or is
    // warned about twice, and a pre-edit string that is warned about before it is committed. A
    // hint's length rule, which runs on every change however it comes: test_vocab_editor.
    void committedTextRunsTheCharacterAndLengthRules_data()
    {
        QTest::addColumn<QStringList>("input"); // box, pre-edit, committed text
        QTest::addColumn<QStringList>("texts");
        const QString thai = QStringLiteral("คำศัพท์ต้องเป็นภาษาอังกฤษเท่านั้น คำใบ้พิมพ์ได้ทั้งไทย และอังกฤษ");
        QTest::newRow("a Thai word at once")
            << QStringList {"txtVocab", "", "เงาะ"} << QStringList(4, thai);
        QTest::newRow("a cancelled pre-edit") << QStringList {"txtVocab", "เง", ""} << QStringList();
        QTest::newRow("thirteen letters") << QStringList {"txtVocab", "", "abcdefghijklm"}
                                          << QStringList {"คำที่ใช้ ต้องไม่เกิน 12 ตัวอักษร"};
        QTest::newRow("Thai in a hint") << QStringList {"txtHint01", "", "เงาะ"} << QStringList();
    }
    void committedTextRunsTheCharacterAndLengthRules()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, texts);
        auto *edit = control<QLineEdit>(ui::forms::Show<VocabEditor>(), input[0]);
        QInputMethodEvent composing(input[1], {}), committing;
        committing.setCommitString(input[2]);
        for (QInputMethodEvent *event : {&composing, &committing})
            QApplication::sendEvent(edit, event);
        QCOMPARE(edit->text(), input[2]);
        QCOMPARE(messages().texts, texts);
    }
};

WINDOWS_TEST_MAIN(ZoomTest)
#include "test_zoom.moc"
