// corvane: the document camera's live view and tools.

#include "core/startup/application_setup.h"
#include "core/main_window/corvane.h"
#include "core/startup/process_values.h"
#include "core/startup/startup_options.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

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
    QApplication app(argc, argv);
    processValues();

    const StartupOptions options = parseStartupOptions(QApplication::arguments());
    if (!options.valid) {
        std::fprintf(stderr, "%s\n", qPrintable(options.error));
        return options.error.startsWith(QStringLiteral("Usage")) ? 0 : 2;
    }

    useEmbeddedFont();
    QTranslator translator;
    installStoredLanguage(translator);

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
