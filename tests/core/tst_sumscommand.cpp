#include "app/TextFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QStringList out;
    QString err;
};

// Runs the command-line tool from the given folder, as a script would.
Run sums(const QString &workingDir, const QString &file)
{
    QProcess p;
    p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(VELMORA_PROGRAM_DIR "/velmora-cli"), {QStringLiteral("sums"), file});
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList header(int foodsInDay1, int foodsInDay3)
{
    QStringList lines{"199", "2026-12-11", "flera maltider"};
    for (int i = 0; i < 9; ++i)
        lines << "reserv";
    for (int d = 0; d < 21; ++d)
        for (int m = 0; m < 9; ++m) {
            if (d == 0 && m == 0)
                for (int i = 0; i < foodsInDay1; ++i)
                    lines << "553"
                          << "100.0/120@st";
            if (d == 2 && m == 1)
                for (int i = 0; i < foodsInDay3; ++i)
                    lines << "553"
                          << "300.0/120@st";
            lines << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    return lines;
}

} // namespace

class TestSumsCommand : public QObject {
    Q_OBJECT
private slots:
    void printsTheDaySumsTheAverageAndTheEatenDays()
    {
        QTemporaryDir dir;
        TextFile::writeLines(dir.filePath(QStringLiteral("v.diet")), header(1, 1));
        const Run r = sums(dir.path(), QStringLiteral("v.diet")); // relative to where it was started
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.size(), 5);
        QStringList head{"dag"};
        for (int n = 15; n <= 86; ++n)
            head << QString::number(n);
        QCOMPARE(r.out[0], head.join(u';'));
        const QStringList day1 = r.out[1].split(u';');
        const QStringList day3 = r.out[2].split(u';');
        QCOMPARE(day1.size(), 73);
        QCOMPARE(day1[0], QStringLiteral("1"));
        QCOMPARE(day3[0], QStringLiteral("3"));
        // Three times the grams, three times the energy; three decimals with a point.
        QCOMPARE(day3[1].toDouble(), 3 * day1[1].toDouble());
        QVERIFY(day1[1].contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d{3}$"))));
        QCOMPARE(r.out[3].split(u';')[0], QStringLiteral("medel"));
        QCOMPARE(r.out[3].split(u';')[1].toDouble(), 2 * day1[1].toDouble());
        QCOMPARE(r.out[4], QStringLiteral("dagar;2"));
    }

    void aFileItCannotReadGivesStatus1()
    {
        QTemporaryDir dir;
        Run r = sums(dir.path(), dir.filePath(QStringLiteral("saknas.diet")));
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(QStringLiteral("Kan ej öppna beräkningen")));
        QVERIFY(r.out.isEmpty());
        TextFile::writeLines(dir.filePath(QStringLiteral("kort.diet")), header(1, 0).mid(0, 30));
        r = sums(dir.path(), dir.filePath(QStringLiteral("kort.diet")));
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(QStringLiteral("Kan ej öppna beräkningen")));
    }
};

QTEST_GUILESS_MAIN(TestSumsCommand)
#include "tst_sumscommand.moc"
