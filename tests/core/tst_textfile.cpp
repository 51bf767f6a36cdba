#include "app/TextCodec.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void swedishLettersAreSingleBytes()
    {
        QCOMPARE(TextCodec::encode(QStringLiteral("Järn åÅäÄöÖ µg")),
                 QByteArray("J\xe4rn \xe5\xc5\xe4\xc4\xf6\xd6 \xb5g"));
        QCOMPARE(TextCodec::decode(QByteArray("J\xe4rn \x80 \x96")), QStringLiteral("Järn € –"));
    }

    void charactersOutsideTheCodePageGetReadableForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow(">=") << QStringLiteral("≥ 2 år") << QByteArray(">= 2 \xe5r");
        QTest::newRow("<=") << QStringLiteral("≤5") << QByteArray("<=5");
        QTest::newRow("beta") << QStringLiteral("β-karoten") << QByteArray("b-karoten");
        QTest::newRow("accent dropped") << QStringLiteral("Łódź")
                                        << QByteArray("L\xf3"
                                                      "dz");
        QTest::newRow("no form at all") << QStringLiteral("食") << QByteArray("?");
        QTest::newRow("outside the basic plane") << QStringLiteral("a😀b") << QByteArray("a?b");
    }
    void charactersOutsideTheCodePageGetReadableForms()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(TextCodec::encode(text), expected);
    }

    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(TextCodec::encode(TextCodec::decode(all)), all);
    }

    void writesCrLfAndReadsEitherLineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("första"), QString(), QStringLiteral("tredje")}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("f\xf6rsta\r\n\r\ntredje\r\n"));
        f.close();

        QCOMPARE(TextFile::splitLines(QStringLiteral("a\nb\r\nc\rd")), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(TextFile::splitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
        auto lines = TextFile::readLines(path);
        QVERIFY(lines.ok());
        QCOMPARE(*lines, QStringList({QStringLiteral("första"), QString(), QStringLiteral("tredje")}));
    }

    void missingFileIsAFailureWithTheName()
    {
        const auto lines = TextFile::readLines(QStringLiteral("/nonexistent/velmora.txt"));
        QVERIFY(!lines.ok());
        QVERIFY(lines.message.contains(QStringLiteral("/nonexistent/velmora.txt")));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.txt"));
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("gammal")}));
        // A folder in the way of the temporary file makes the write fail before the commit.
        const QString blocked = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/target.txt")));
        const Status s =
            TextFile::writeLines(blocked + QStringLiteral("/target.txt"), {QStringLiteral("ny")});
        QVERIFY(!s.ok);
        QVERIFY(!s.message.isEmpty());
        QCOMPARE(*TextFile::readLines(path), QStringList{QStringLiteral("gammal")});
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
