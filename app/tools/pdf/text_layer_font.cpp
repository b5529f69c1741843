// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/text_layer_font.h"

#include <QFile>
#include <QTemporaryFile>

#include <memory>

QString textLayerFontFile()
{
    static std::unique_ptr<QTemporaryFile> copy = [] {
        QFile resource(QStringLiteral(":/static/font/ui_font.ttf"));
        std::unique_ptr<QTemporaryFile> file(QTemporaryFile::createNativeFile(resource));
        return file;
    }();
    return copy ? copy->fileName() : QString();
}
