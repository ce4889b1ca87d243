// A copy whose folder the player may not write to: an installed copy, and a read-only "Custom
// Vocab". The smoke tests play a real installed copy; this one makes a vocabulary in one.
#include "shell/splash.h"
#include "support/windows.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace testing;

class InstalledCopyTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against an installed copy whose users cannot make or edit a vocabulary (their files
    // belong in their own data folder, made at start-up), or that writes into its own folder; and
    // against a read-only "Custom Vocab" in a copy of the user's own told as anything but what it
    // is, with the splash's timer handing over again while the message is open.
    void aFolderThatCannotBeWrittenTo_data()
    {
        QTest::addColumn<bool>("installed"); // else only its "Custom Vocab" is read-only
        QTest::newRow("installed copy") << true;
        QTest::newRow("read-only Custom Vocab") << false;
    }
    void aFolderThatCannotBeWrittenTo()
    {
        QFETCH(bool, installed);
        folder().writeCustom(QStringLiteral("birds.txt"), "owl|it hoots|at night\r\n");
        QTemporaryDir home;
        const QByteArray dataHome = QFile::encodeName(home.path());
        qputenv("XDG_DATA_HOME", dataHome);
        bool timerRunning = true;
        messages().onMessage = [&](auto &) {
            if (QWidget *splash = form("frmSplash"))
                timerRunning = control<QTimer>(splash, "Timer1")->isActive();
        };
        // Root writes anywhere, so as root the program runs as the user "nobody", as a learner runs
        // a copy under /usr: the folders are read-only to it, the data folder its own.
        const auto setMode = [this](mode_t program, mode_t custom) {
            ::chmod(QFile::encodeName(folder().path()).constData(), program);
            ::chmod(QFile::encodeName(folder().customPath({})).constData(), custom);
        };
        setMode(installed ? 0555 : 0777, installed ? 0755 : 0555);
        if (::chown(dataHome.constData(), 65534, 65534) != 0)
            QSKIP("cannot give the data folder away here");
        const bool wasRoot = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
        const auto restore = qScopeGuard([&] {
            if (wasRoot && setresuid(0, 0, 0) != 0)
                qFatal("cannot become root again");
            setMode(0755, 0755);
            qunsetenv("XDG_DATA_HOME");
        });
        if (geteuid() == 0)
            QSKIP("cannot give up root here");
        click(control<QWidget>(ui::forms::Show<Splash>(), "Frame1"));
        auto *window = ui::forms::get<GameWindow>();
        const auto commands = [&window] {
            return QList<bool>({menuItem(window, "mnuCustVocab")->isEnabled(),
                                menuItem(window, "mnuEditData")->isEnabled(),
                                menuItem(window, "mnuCreate")->isEnabled()});
        };
        if (!installed) {
            QCOMPARE(messages().texts,
                     QStringList {QStringLiteral(
                         "บันทึกไฟล์ลงในโฟลเดอร์ \"Custom Vocab\" ไม่ได้ จึงเล่นคำศัพท์ที่อยู่ในโฟลเดอร์นั้นได้ "
                         "แต่สร้างและแก้ไขคำศัพท์ไม่ได้\n\nThe folder \"Custom Vocab\" cannot be written "
                         "to: the "
                         "vocabularies in it can be played, but making and editing vocabulary is "
                         "switched off.")});
            QVERIFY(!timerRunning);
            QCOMPARE(commands(), QList<bool>({true, false, false}));
            return;
        }
        const QString userFolder = home.filePath(QStringLiteral("pindrel/Custom Vocab"));
        QCOMPARE(messages().texts, QStringList());
        QVERIFY(QDir(userFolder).exists());
        QCOMPARE(commands(), QList<bool>({false, false, true}));
        menuItem(window, "mnuCreate")->trigger();
        addEntry(form("new_vocab"), "cat", "a pet", "meows");
        click(form("new_vocab"), "cmdSave");
        control<QLineEdit>(form("frmSave"), "Text1")->setText(QStringLiteral("pets"));
        click(form("frmSave"), "cmdSave");
        processDeferredDeletes();
        window = ui::forms::get<GameWindow>();
        QCOMPARE(messages().texts, QStringList {"บันทึกข้อมูลเรียบร้อยแล้ว"});
        QFile saved(userFolder + QStringLiteral("/pets.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("cat|a pet|meows\r\n"));
        QCOMPARE(commands(), QList<bool>({true, true, true}));
        QCOMPARE(caption(window, "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  pets.txt"));
        QCOMPARE(QDir(folder().customPath({})).entryList(QDir::Files), QStringList {"birds.txt"});
    }
};

WINDOWS_TEST_MAIN(InstalledCopyTest)
#include "test_installed_copy.moc"
