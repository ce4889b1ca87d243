// The save dialog's name rules: the file a typed name gives, and the names refused.
#include "storage/save_name.h"

#include <QtTest>

using save_name::Problem;

class SaveNameTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against a name checked in the wrong order, a base name cut at the last "." instead of
    // the first, a file name that is not a plain name reaching the disk, an ordinary name refused,
    // or a warning that loses its wording.
    void typedNameGivesItsFileOrIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("result"); // the file written, or the warning (any when empty)
        const auto row
            = [](const char *tag, const QString &typed, Problem problem, const QString &result = {}) {
                  QTest::newRow(tag) << typed << int(problem) << result;
              };
        const QString a200(200, u'a');
        row("with extension", "birds.txt", Problem::None, "birds.txt");
        row("trailing dot", "birds.", Problem::None, "birds.txt");
        row("two dots: cut at the first", "my.words.txt", Problem::None, "my.txt");
        row("device inside a name", "console", Problem::None, "console.txt");
        row("200 bytes", a200, Problem::None, a200 + ".txt");
        row("empty", "", Problem::Empty, "You need to specify a file name to be saved.");
        row("dot txt", ".txt", Problem::LeadingDot, "You cannot begin you file nave with a dot.");
        row("slash to a parent folder", "x/../b", Problem::FolderSeparator);
        row("backslash", "a\\b", Problem::FolderSeparator);
        row("bar after the dot", "bird.t|t", Problem::ReservedCharacter);
        row("tab", "bi\trd", Problem::ControlCharacter);
        row("delete", "bird\x7f", Problem::ControlCharacter);
        row("trailing space", "birds ", Problem::TrailingSpace);
        row("space before the dot", "birds .txt", Problem::TrailingSpace);
        row("device, lower case, with extension", "nul.txt", Problem::DeviceName);
        row("201 bytes", a200 + "a", Problem::TooLong);
        row("201 bytes of thai and ascii", QString(66, QChar(0x0E01)) + "abc", Problem::TooLong);
    }
    void typedNameGivesItsFileOrIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(int, problem);
        QFETCH(QString, result);
        QCOMPARE(int(save_name::check(typed)), problem);
        const QString got = problem == int(Problem::None)
            ? save_name::targetFileName(typed)
            : save_name::message(Problem(problem), typed);
        QVERIFY(!got.isEmpty());
        if (!result.isEmpty())
            QCOMPARE(got, result);
    }

    // Guards against a twin written beside a name that differs only in case, and against another
    // file than the same-case one taken when both are there.
    void saveReplacesTheNameThatDiffersOnlyInCase()
    {
        const QStringList folder {"Birds.TXT", "cats.txt", "CATS.TXT", "dogs.txt.bak", "นก.txt"};
        const std::pair<QString, QString> cases[]
            = {{"birds.txt", "Birds.TXT"}, {"cats.txt", "cats.txt"}, {"Cats.Txt", "cats.txt"},
               {"dogs.txt", {}},           {"นก.txt", "นก.txt"},     {"bird.txt", {}}};
        for (const auto &[target, existing] : cases)
            QCOMPARE(std::pair(target, save_name::existingName(target, folder)),
                     std::pair(target, existing));
    }
};

QTEST_GUILESS_MAIN(SaveNameTest)
#include "test_save_name.moc"
