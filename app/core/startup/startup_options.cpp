// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/startup_options.h"

#include <QCommandLineParser>
#include <QHostAddress>

StartupOptions parseStartupOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Live view and tools for a Wi-Fi document camera."));
    parser.addHelpOption();
    const QCommandLineOption camera(QStringLiteral("camera"),
                                    QStringLiteral("Show the camera at ADDRESS at once (not stored)."),
                                    QStringLiteral("ADDRESS"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the screen to FILE before quitting."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after SECONDS seconds."),
                                       QStringLiteral("SECONDS"));
    parser.addOptions({camera, screenshot, quitAfter});

    StartupOptions options;
    if (!parser.parse(arguments)) {
        options.valid = false;
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        options.valid = false;
        options.error = parser.helpText();
        return options;
    }
    if (parser.isSet(camera)) {
        options.camera = parser.value(camera).trimmed();
        // Only a dotted IPv4 address reaches the library.
        QHostAddress address;
        if (!address.setAddress(options.camera) || address.protocol() != QAbstractSocket::IPv4Protocol) {
            options.valid = false;
            options.error = QStringLiteral("--camera needs a dotted IPv4 address, got \"%1\"").arg(options.camera);
            return options;
        }
    }
    options.ignoredArguments = parser.positionalArguments();
    options.screenshotPath = parser.value(screenshot);
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        options.quitAfterSeconds = parser.value(quitAfter).toDouble(&ok);
        if (!ok || options.quitAfterSeconds <= 0) {
            options.valid = false;
            options.error = QStringLiteral("--quit-after needs a positive number of seconds");
        }
    }
    if (!options.screenshotPath.isEmpty() && options.quitAfterSeconds <= 0) {
        options.valid = false;
        options.error = QStringLiteral("--screenshot needs --quit-after");
    }
    return options;
}
