#pragma once

#include "app/ui/Dialogs.h"

#include <QDir>
#include <QString>

// What every window test starts and ends with: dialogs scripted and cleared, and the working
// directory (which start-up changes to the program folder) put back afterwards.
class WindowTestScope {
public:
    WindowTestScope()
        : originalDir(QDir::currentPath())
    {
        Dialogs::setScripted(true);
        Dialogs::clearScript();
    }
    ~WindowTestScope() { QDir::setCurrent(originalDir); }
    WindowTestScope(const WindowTestScope &) = delete;
    WindowTestScope &operator=(const WindowTestScope &) = delete;

private:
    QString originalDir;
};
