// From starting the program to its main window shown and ready for typing, with the delivered
// registers: the program is started as a user starts it and says "ready" once the shown window
// has handled its first events (VELMORA_QUIT_WHEN_READY). Offscreen, and under Xvfb when it is
// installed.
#include "BenchTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

const QString programDir = QStringLiteral(VELMORA_PROGRAM_DIR);

void startUntilReady(const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(programDir);
    p.start(programDir + QStringLiteral("/velmora"), {});
    QByteArray out;
    while (!out.contains("ready\n")) {
        if (!p.waitForReadyRead(30000))
            qFatal("the program did not get ready: %s", p.readAllStandardError().constData());
        out += p.readAllStandardOutput();
    }
    p.waitForFinished(30000);
}

void measure(const QString &label, QProcessEnvironment env)
{
    env.insert(QStringLiteral("VELMORA_QUIT_WHEN_READY"), QStringLiteral("1"));
    startUntilReady(env); // the first start reads the files into the page cache
    benchMedian(label, 9, [&] { startUntilReady(env); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    measure(QStringLiteral("start to main window ready, offscreen"), offscreen);

    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        QTextStream(stdout) << "start to main window ready, Xvfb: skipped (Xvfb is not installed)\n";
        return 0;
    }
    QProcess server;
    server.start(xvfb, {QStringLiteral(":91"), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000))
        qFatal("Xvfb did not start");
    QElapsedTimer wait;
    wait.start();
    while (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X91")) && wait.elapsed() < 5000)
        QThread::msleep(50);
    QProcessEnvironment x = QProcessEnvironment::systemEnvironment();
    x.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    x.insert(QStringLiteral("DISPLAY"), QStringLiteral(":91"));
    measure(QStringLiteral("start to main window ready, Xvfb"), x);
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
