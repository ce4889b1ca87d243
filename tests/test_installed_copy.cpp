// A copy whose folder the player may not write to: an installed copy, and a read-only "Custom
// Vocab". The smoke tests play a real installed copy; this one makes a vocabulary in one.
#include "shell/splash.h"
#include "support/small_disk.h"
#include "support/windows.h"

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
        QTemporaryDir home; // the user's own, outside the read-only folder
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const SmallDisk readOnly(installed ? folder().path() : folder().customPath({}), true);
        if (!readOnly.error.isNull())
            QSKIP(qPrintable("a read-only mount needs root and mount rights: " + readOnly.error));
        bool timerRunning = true;
        messages().onMessage = [&](auto &) {
            if (QWidget *splash = form("frmSplash"))
                timerRunning = control<QTimer>(splash, "Timer1")->isActive();
        };
        click(control<QWidget>(ui::forms::Show<Splash>(), "Frame1"));
        const auto commands = [] {
            return QList<bool>({menuItem(mainWindow(), "mnuCustVocab")->isEnabled(),
                                menuItem(mainWindow(), "mnuEditData")->isEnabled(),
                                menuItem(mainWindow(), "mnuCreate")->isEnabled()});
        };
        if (!installed) {
            QCOMPARE(
                messages().texts,
                QStringList {
                    "บันทึกไฟล์ลงในโฟลเดอร์ \"Custom Vocab\" ไม่ได้ จึงเล่นคำศัพท์ที่อยู่ในโฟลเดอร์นั้นได้ "
                    "แต่สร้างและแก้ไขคำศัพท์ไม่ได้\n\nThe folder \"Custom Vocab\" cannot be written "
                    "to: the vocabularies in it can be played, but making and editing vocabulary "
                    "is switched off."});
            QVERIFY(!timerRunning);
            QCOMPARE(commands(), QList<bool>({true, false, false}));
            return;
        }
        const QString userFolder = home.filePath(QStringLiteral("pindrel/Custom Vocab"));
        QVERIFY(messages().texts.isEmpty() && QDir(userFolder).exists());
        QCOMPARE(commands(), QList<bool>({false, false, true}));
        menuItem(mainWindow(), "mnuCreate")->trigger();
        addEntry(form("new_vocab"), "cat", "a pet", "meows");
        click(form("new_vocab"), "cmdSave");
        control<QLineEdit>(form("frmSave"), "Text1")->setText(QStringLiteral("pets"));
        click(form("frmSave"), "cmdSave");
        processDeferredDeletes();
        QCOMPARE(messages().texts, QStringList {"บันทึกข้อมูลเรียบร้อยแล้ว"});
        QFile saved(userFolder + QStringLiteral("/pets.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == "cat|a pet|meows\r\n");
        QCOMPARE(commands(), QList<bool>({true, true, true}));
        QCOMPARE(caption(mainWindow(), "lblFileInUse"), QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  pets.txt"));
        QCOMPARE(QDir(folder().customPath({})).entryList(QDir::Files), QStringList {"birds.txt"});
    }
};

WINDOWS_TEST_MAIN(InstalledCopyTest)
#include "test_installed_copy.moc"
