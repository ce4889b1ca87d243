// The save dialog's name rules: the file a typed name gives, and the names refused.
#include "storage/save_name.h"

#include <QtTest>

using save_name::Problem;

Q_DECLARE_METATYPE(save_name::Problem)

class SaveNameTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against a name checked in the wrong order, a file name that is not a plain name
  // reaching the disk, or an ordinary name refused.
  void typedNameGivesItsFileOrIsRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("target");
    const auto row = [](const char *tag, const QString &typed, Problem problem,
                        const QString &target = {}) {
      QTest::newRow(tag) << typed << problem << target;
    };
    row("plain", QStringLiteral("birds"), Problem::None, QStringLiteral("birds.txt"));
    row("with extension", QStringLiteral("birds.txt"), Problem::None, QStringLiteral("birds.txt"));
    row("trailing dot", QStringLiteral("birds."), Problem::None, QStringLiteral("birds.txt"));
    row("two dots", QStringLiteral("my.words"), Problem::None, QStringLiteral("my.txt"));
    row("thai", QStringLiteral("นก"), Problem::None, QStringLiteral("นก.txt"));
    row("device inside a name", QStringLiteral("console"), Problem::None,
        QStringLiteral("console.txt"));
    row("200 bytes", QString(200, QLatin1Char('a')), Problem::None,
        QString(200, QLatin1Char('a')) + QStringLiteral(".txt"));
    row("empty", QString(), Problem::Empty);
    row("a dot", QStringLiteral("."), Problem::LeadingDot);
    row("slash", QStringLiteral("a/b"), Problem::FolderSeparator);
    row("parent folder", QStringLiteral("x/../../b"), Problem::FolderSeparator);
    row("backslash", QStringLiteral("a\\b"), Problem::FolderSeparator);
    row("colon", QStringLiteral("c:birds"), Problem::ReservedCharacter);
    row("star", QStringLiteral("bird*"), Problem::ReservedCharacter);
    row("question mark", QStringLiteral("bird?"), Problem::ReservedCharacter);
    row("angle brackets", QStringLiteral("<bird>"), Problem::ReservedCharacter);
    row("bar after the dot", QStringLiteral("bird.t|t"), Problem::ReservedCharacter);
    row("tab", QStringLiteral("bi\trd"), Problem::ControlCharacter);
    row("delete", QStringLiteral("bird") + QChar(127), Problem::ControlCharacter);
    row("trailing space", QStringLiteral("birds "), Problem::TrailingSpace);
    row("only spaces", QStringLiteral("   "), Problem::TrailingSpace);
    row("space before the dot", QStringLiteral("birds .txt"), Problem::TrailingSpace);
    row("space after the extension", QStringLiteral("birds.txt "), Problem::TrailingSpace);
    row("device", QStringLiteral("CON"), Problem::DeviceName);
    row("device lower case", QStringLiteral("nul.txt"), Problem::DeviceName);
    row("numbered device", QStringLiteral("Com9"), Problem::DeviceName);
    row("201 bytes", QString(201, QLatin1Char('a')), Problem::TooLong);
    row("201 bytes of thai and ascii", QString(66, QChar(0x0E01)) + QStringLiteral("abc"),
        Problem::TooLong);
  }
  void typedNameGivesItsFileOrIsRefused() {
    QFETCH(QString, typed);
    QFETCH(Problem, problem);
    QFETCH(QString, target);
    QCOMPARE(save_name::check(typed), problem);
    if (problem == Problem::None)
      QCOMPARE(save_name::targetFileName(typed), target);
    else
      QVERIFY(!save_name::message(problem, typed).isEmpty());
  }

  // Guards against the dialog's two warnings losing their wording.
  void warningsKeepTheirWording() {
    QCOMPARE(save_name::message(Problem::Empty, {}),
             QStringLiteral("You need to specify a file name to be saved."));
    QCOMPARE(save_name::message(Problem::LeadingDot, QStringLiteral(".txt")),
             QStringLiteral("You cannot begin you file nave with a dot."));
  }
};

QTEST_GUILESS_MAIN(SaveNameTest)
#include "test_save_name.moc"
