// SPDX-License-Identifier: GPL-3.0-or-later

// corvane: the document camera's live view and tools.

#include "core/startup/application_setup.h"
#include "core/startup/language_switch.h"
#include "core/main_window/corvane.h"
#include "core/startup/process_values.h"
#include "core/startup/startup_options.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void saveScreenshot(const QString &path)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!shot.save(path))
        std::fprintf(stderr, "corvane: could not write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    // On a screen scaled by 2 (QT_SCALE_FACTOR) icons are drawn from their
    // "@2x" pictures at full resolution instead of being blown up.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    // Matches the installed desktop entry, so desktops group the window
    // with the launcher and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.telmora.corvane"));
    processValues();

    const StartupOptions options = parseStartupOptions(QApplication::arguments());
    if (!options.valid) {
        // The help text is an answer (standard output); a mistake is not.
        const bool help = options.error.startsWith(QStringLiteral("Usage"));
        std::fprintf(help ? stdout : stderr, "%s\n", qPrintable(options.error));
        return help ? 0 : 2;
    }

    for (const QString &ignored : options.ignoredArguments)
        std::fprintf(stderr, "corvane: ignoring the argument \"%s\" (nothing is opened from "
                             "the command line)\n", qPrintable(ignored));

    useEmbeddedFont();
    LanguageSwitch::program().switchToStored();

    auto *window = new Corvane;
    window->show();
    if (!options.camera.isEmpty()) {
        // As route mode would, but nothing is written to the settings.
        window->startWifiVideo(options.camera);
    }
    if (options.quitAfterSeconds > 0) {
        QTimer::singleShot(int(options.quitAfterSeconds * 1000), &app, [&options]() {
            if (!options.screenshotPath.isEmpty())
                saveScreenshot(options.screenshotPath);
            QApplication::quit();
        });
    }

    const int result = app.exec();
    delete window;
    return result;
}
