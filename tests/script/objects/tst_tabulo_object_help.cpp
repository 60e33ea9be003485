// Every help page lists exactly what the "Tabulo" object offers scripts:
// a member it lacks would send a script to an error, one it leaves out
// would never be found.

#include "script/objects/main_window_object.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace tabulo;

class TabuloObjectHelpTest : public QObject
{
    Q_OBJECT
private slots:
    void everyPageListsItsMembers_data()
    {
        QTest::addColumn<QString>("page");
        const QDir data(QStringLiteral(TABULO_SHIPPED_DATA));
        for (const QString &name : data.entryList({QStringLiteral("Help_*.htm")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << data.filePath(name);
        QVERIFY(data.entryList({QStringLiteral("Help_*.htm")}, QDir::Files).size() >= 5);
    }
    void everyPageListsItsMembers()
    {
        QFETCH(QString, page);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression row(QStringLiteral("<tr><td><code>Tabulo</code></td><td>(.*?)</td></tr>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch found = row.match(html);
        QVERIFY(found.hasMatch());

        // The row names the members, and the script names they stand for.
        const QSet<QString> otherObjects = {"Text", "TotX", "TotY"};
        static const QRegularExpression code(QStringLiteral("<code>([A-Za-z0-9]+)(\\([^)<]*\\))?</code>"));
        QStringList listed;
        for (auto it = code.globalMatch(found.captured(1)); it.hasNext();) {
            const QString name = it.next().captured(1);
            if (!otherObjects.contains(name) && !listed.contains(name))
                listed << name;
        }
        QStringList offered;
        for (const std::u16string_view name : MainWindowObject::memberNames())
            offered << QString::fromStdU16String(std::u16string(name));
        listed.sort();
        offered.sort();
        QCOMPARE(listed, offered);
    }
};

QTEST_GUILESS_MAIN(TabuloObjectHelpTest)
#include "tst_tabulo_object_help.moc"
