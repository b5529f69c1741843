// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/save_folder_opener.h"

#include "core/startup/process_values.h"

#include <QDesktopServices>
#include <QDir>

namespace {

SaveFolderOpener::UrlOpener &defaultOpener()
{
    static SaveFolderOpener::UrlOpener opener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}

} // namespace

SaveFolderOpener::SaveFolderOpener(UrlOpener opener)
    : opener_(opener ? std::move(opener) : defaultOpener())
{
}

void SaveFolderOpener::setDefaultOpenerForTests(UrlOpener opener)
{
    defaultOpener() = std::move(opener);
}

QString SaveFolderOpener::folder()
{
    const ProcessValues &values = processValues();
    return values.savePath == QLatin1String("0") ? values.picturesDir : values.savePath;
}

bool SaveFolderOpener::open() const
{
    const QString path = folder();
    if (path.isEmpty() || !QDir().mkpath(path))
        return false;
    // A local-file URL, not "file:///" glued to a path that already starts
    // with a slash.
    return opener_(QUrl::fromLocalFile(path));
}
