#pragma once

// Shared by the fuzz targets: the input as bytes or text, its division into the files of one
// case, and a scratch folder for the readers that take a path.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// One input holds several files (a Computation and its companions): they are separated by
// this line, which the seed corpus shows the fuzzer.
inline constexpr char PartSeparator[] = "\n#velmora-part#\n";

inline QList<QByteArray> parts(const QByteArray &input, int count)
{
    QList<QByteArray> out;
    qsizetype from = 0;
    const qsizetype separator = qsizetype(sizeof PartSeparator - 1);
    while (out.size() + 1 < count) {
        const qsizetype at = input.indexOf(PartSeparator, from);
        if (at < 0)
            break;
        out.append(input.mid(from, at - from));
        from = at + separator;
    }
    out.append(input.mid(from));
    return out;
}

// The scratch folder of this fuzzing process, removed at its end.
inline const QDir &scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no scratch folder under %s\n", qPrintable(QDir::tempPath()));
        std::abort();
    }
    static const QDir d(dir.path());
    return d;
}

// Writes the bytes as the file, or removes the file when there are none to write.
inline void putFile(const QString &path, const QByteArray *bytes)
{
    if (!bytes) {
        QFile::remove(path);
        return;
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(*bytes) != bytes->size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// A property the reader must keep; a broken one is a finding like a crash.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
