// velmora-cli: the program's logic without windows, for scripts.
#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // File arguments are meant from where the tool was started; it then works in its program folder.
    app.setProperty("velmoraStartDirectory", QDir::currentPath());
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << UsageText();
        return 2;
    }
    const QString command = args.takeFirst();
    return RunCommand(command, args, out, err);
}
