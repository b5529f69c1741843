// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/process_values.h"

#include "core/startup/app_settings.h"
#include "core/startup/private_temp_folder.h"

#include <QDate>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

namespace {

ProcessValues computeProcessValues()
{
    ProcessValues v;
    v.startDate = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    v.savePath = readSetting(QStringLiteral("dev/savePath"));
    v.documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    v.picturesDir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    v.moviesDir = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    // The two fixed temporary files live in a folder only this user can
    // enter, so nobody can plant a link under their names.
    const QString temp = privateTempFolder();
    v.annotationTempPath = temp + QStringLiteral("/corvane_temp_annotation_file.jpg");
    v.freezeStillPath = temp + QStringLiteral("/corvane_temp_dongjie_file.jpg");
    return v;
}

} // namespace

ProcessValues &processValues()
{
    static ProcessValues values = computeProcessValues();
    return values;
}

QTranslator &languageTranslator()
{
    static QTranslator translator;
    return translator;
}
