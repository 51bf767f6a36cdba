#pragma once

#include <QDir>
#include <QWidget>

// Saves a picture of the widget when VELMORA_SCREENSHOTS names a folder, so that a developer
// can look at a window as the tests left it.
inline void saveScreenshot(QWidget &widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
