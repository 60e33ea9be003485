// The command-line evaluator as a user runs it: a note file or standard
// input in, the total (or the running total after every line that counts)
// out in the locale of the environment, and a clear failure for input it
// cannot read. It runs from a
// private copy, never from the build's staged folder.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TabuloCalcTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTotals_data();
    void printsTotals();
    void failsClearlyOnBadArguments_data();
    void failsClearlyOnBadArguments();
    void refusesBinaryInput_data();
    void refusesBinaryInput();
    void answersVersionAndHelp_data();
    void answersVersionAndHelp();

private:
    Run run(const QStringList &arguments, const QString &locale, const QByteArray &input = {});
    QString noteFile(const QByteArray &bytes);

    QTemporaryDir m_dir;
    QString m_program;
};

void TabuloCalcTest::initTestCase()
{
    const QString built = qEnvironmentVariable("TABULO_CALC");
    QVERIFY2(QFile::exists(built), "TABULO_CALC must name the built tabulo-calc");
    m_program = m_dir.filePath(QStringLiteral("tabulo-calc"));
    QVERIFY(QFile::copy(built, m_program));
}

Run TabuloCalcTest::run(const QStringList &arguments, const QString &locale, const QByteArray &input)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(m_program, arguments);
    Run result;
    if (!process.waitForStarted(10000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString TabuloCalcTest::noteFile(const QByteArray &bytes)
{
    static int counter = 0;
    const QString path = m_dir.filePath(QStringLiteral("note %1.txt").arg(++counter));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TabuloCalcTest::printsTotals_data()
{
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QString>("how"); // "file", "stdin" or "dash" (the argument "-")
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("printed");

    const QByteArray shopping = "# shopping\r\n+ 12,50 bread\r\nmilk 3\r\n+4+6\r\n-2 ' rebate\r\n*2\r\n";
    QTest::newRow("total of a file, comma locale")
        << shopping << "file" << QStringList {} << "it_IT.UTF-8" << QByteArray("41\n");
    // In a dot locale the comma groups digits: «12,50» is 1250.
    QTest::newRow("same file, dot locale")
        << shopping << "file" << QStringList {} << "en_US.UTF-8" << QByteArray("2516\n");
    QTest::newRow("decimal comma in the output")
        << QByteArray("+1\n/4\n") << "file" << QStringList {} << "it_IT.UTF-8" << QByteArray("0,25\n");
    QTest::newRow("decimal point in the output")
        << QByteArray("+1\n/4\n") << "file" << QStringList {} << "en_US.UTF-8" << QByteArray("0.25\n");
    QTest::newRow("running totals") << QByteArray("+1\n+2\nfree text\n*3\n") << "file" << QStringList {"--lines"}
                                    << "en_US.UTF-8" << QByteArray("1\n3\n9\n");
    QTest::newRow("one running total a line, however many operators")
        << QByteArray("+4+6\r\n*2\r\n-1\r\n") << "stdin" << QStringList {"--lines"} << "en_US.UTF-8"
        << QByteArray("10\n20\n19\n");
    QTest::newRow("exact decimals") << QByteArray("+0,1\r\n+0,2\r\n-0,3\r\n") << "file" << QStringList {}
                                    << "it_IT.UTF-8" << QByteArray("0\n");
    QTest::newRow("cents of a big total") << QByteArray("+1804395846\n+0.66\n") << "file" << QStringList {}
                                          << "en_US.UTF-8" << QByteArray("1804395846.66\n");
    QTest::newRow("utf-16 note with its byte-order mark") << QByteArray("\xFF\xFE+\0"
                                                                        "5\0\r\0\n\0-\0"
                                                                        "2\0",
        14) << "file" << QStringList {} << "en_US.UTF-8" << QByteArray("3\n");
    QTest::newRow("standard input") << QByteArray("+5\n-2\n") << "stdin" << QStringList {} << "en_US.UTF-8"
                                    << QByteArray("3\n");
    QTest::newRow("dash reads standard input")
        << QByteArray("+5\r\n-2,5\r\n") << "dash" << QStringList {} << "it_IT.UTF-8" << QByteArray("2,5\n");
    QTest::newRow("running totals from standard input")
        << QByteArray("+2\n*2") << "stdin" << QStringList {"--lines"} << "en_US.UTF-8" << QByteArray("2\n4\n");
    QTest::newRow("empty file") << QByteArray() << "file" << QStringList {} << "en_US.UTF-8" << QByteArray("0\n");
    QTest::newRow("empty file, running totals")
        << QByteArray() << "file" << QStringList {"--lines"} << "en_US.UTF-8" << QByteArray();
    QTest::newRow("division by zero") << QByteArray("+5\n/0\n") << "file" << QStringList {} << "en_US.UTF-8"
                                      << QByteArray("Infinity\n");
    QTest::newRow("windows-1252 note") << QByteArray("+5 caff\xE8\r\n+2 \x80\r\n") << "file" << QStringList {}
                                       << "it_IT.UTF-8" << QByteArray("7\n");
}

void TabuloCalcTest::printsTotals()
{
    QFETCH(QByteArray, note);
    QFETCH(QString, how);
    QFETCH(QStringList, options);
    QFETCH(QString, locale);
    QFETCH(QByteArray, printed);

    QStringList arguments = options;
    QByteArray input;
    if (how == QLatin1String("file"))
        arguments << noteFile(note);
    else
        input = note;
    if (how == QLatin1String("dash"))
        arguments << QStringLiteral("-");

    const Run result = run(arguments, locale, input);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, printed);
}

void TabuloCalcTest::failsClearlyOnBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("mentioned"); // in the message on standard error

    const QString missing = QDir::temp().filePath(QStringLiteral("tabulo-no-such-note.txt"));
    QTest::newRow("missing file") << QStringList {missing} << 1 << missing;
    QTest::newRow("a folder") << QStringList {QDir::tempPath()} << 1 << QDir::tempPath();
    QTest::newRow("unknown option") << QStringList {"--bogus"} << 2 << "Usage";
    QTest::newRow("two files") << QStringList {"a.txt", "b.txt"} << 2 << "Usage";
}

void TabuloCalcTest::failsClearlyOnBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, mentioned);

    const Run result = run(arguments, QStringLiteral("en_US.UTF-8"));
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(QString::fromUtf8(result.err).contains(mentioned), result.err.constData());
}

void TabuloCalcTest::refusesBinaryInput_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("file") << true;
    QTest::newRow("standard input") << false;
}

void TabuloCalcTest::refusesBinaryInput()
{
    QFETCH(bool, fromFile);
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary += char((i * 7919 + i / 13) % 256);
    binary.insert(100, "\n+5\n"); // a counted line among the noise must not pass for a total
    const Run result = fromFile ? run({noteFile(binary)}, QStringLiteral("en_US.UTF-8"))
                                : run({}, QStringLiteral("en_US.UTF-8"), binary);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.contains("binary data"), result.err.constData());
}

void TabuloCalcTest::answersVersionAndHelp_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("printed"); // the start of what standard output shows
    QTest::newRow("version") << "--version" << QByteArray("tabulo-calc " TABULO_VERSION "\n");
    QTest::newRow("help") << "--help" << QByteArray("Usage: tabulo-calc [--lines] [FILE]\n");
}

void TabuloCalcTest::answersVersionAndHelp()
{
    QFETCH(QString, option);
    QFETCH(QByteArray, printed);
    const Run result = run({option}, QStringLiteral("en_US.UTF-8"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out.left(printed.size()), printed);
}

QTEST_GUILESS_MAIN(TabuloCalcTest)
#include "tst_tabulo_calc.moc"
