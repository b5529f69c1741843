// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_MY_SETTINGS_BAR_SEAMS_H
#define CORVANE_MY_SETTINGS_BAR_SEAMS_H

// What the settings dialog reaches outside itself: the camera, the system's
// network-list command and the folder chooser. The defaults are the real
// ones; tests replace them so nothing touches a camera, runs a scan or
// opens a native file dialog.
//
// Thread rules: a plain value, GUI thread.

#include "core/connection/network_list_command.h"

#include <QString>
#include <functional>

class CameraOperations;
class QWidget;

struct MySettingsBarSeams {
    // Returns the chosen folder, or an empty text on cancel.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &caption,
                                                const QString &startFolder)>;

    CameraOperations *operations = nullptr; // not owned; null = the library
    NetworkListCommand networkListCommand = NetworkListCommand::forThisSystem();
    FolderChooser chooseFolder; // empty = QFileDialog::getExistingDirectory
};

#endif
