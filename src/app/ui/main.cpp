#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFormLadda.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    auto loading = std::make_unique<TFormLadda>();
    loading->show();
    QApplication::processEvents();

    ProgramState state;
    TForm1 mainWindow(state);
    const Status started = mainWindow.FormCreate(QApplication::applicationDirPath());
    loading->close();
    if (!started) {
        Dialogs::information(nullptr, started.message);
        return 1;
    }
    state.app.StartingUp = false;
    mainWindow.show();
    // For the start-up benchmark: once the shown window has handled its first events it is
    // ready for typing; say so and end.
    if (qEnvironmentVariableIsSet("VELMORA_QUIT_WHEN_READY"))
        QTimer::singleShot(0, &app, [] {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
            QApplication::quit();
        });
    return QApplication::exec();
}
