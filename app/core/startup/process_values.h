// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PROCESS_VALUES_H
#define CORVANE_PROCESS_VALUES_H

// Values computed once at start and shared by the whole program. Only
// savePath (settings dialog) and cameraIp (when a preview starts) change
// afterwards.
//
// Thread rules: GUI thread only.

#include <QString>

class QTranslator;

struct ProcessValues {
    QString startDate;          // "yyyyMMdd" at process start; kept past midnight
    QString cameraIp;           // the camera the live view was started for
    QString savePath;           // "0" = no folder chosen (compared as text)
    QString documentsDir;
    QString picturesDir;
    QString moviesDir;
    QString annotationTempPath; // inside the private temporary folder
    QString freezeStillPath;    // inside the private temporary folder
};

// Computed on first use (the program touches it first thing in main()).
ProcessValues &processValues();

// The translator the language switch reloads; empty at start.
QTranslator &languageTranslator();

#endif
