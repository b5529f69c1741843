// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capture/photo_tool.h"

#include "core/capture/crop_grab_area.h"
#include "core/main_window/status_banner.h"
#include "core/startup/file_naming.h"
#include "imaging/deskew/deskewed_picture.h"
#include "imaging/deskew/sheet_tracker.h"
#include "imaging/transforms/view_transforms.h"
#include "tools/annotate/new_picture_file.h"

PhotoTool::PhotoTool(Parts parts) : parts_(std::move(parts))
{
}

QString PhotoTool::take()
{
    const ViewTransforms &view = *parts_.view;
    if (view.cropOn()) {
        const QRect area = cropGrabArea(view.cropRect());
        if (area.isEmpty()) {
            parts_.banner->showFail(tr("Draw the crop rectangle over the picture first, then take the photo."));
            return QString();
        }
        return save(parts_.grabScreen(area).toImage(), QString());
    }
    const QImage picture = parts_.fullPicture();
    if (!view.deskewOn())
        return save(picture, QString());
    if (const FoundSheet *sheet = parts_.sheets->sheetFor(view.state())) {
        const QImage sheetPicture = deskewedPicture(picture, *sheet);
        if (!sheetPicture.isNull())
            return save(sheetPicture, QString());
    }
    return save(picture, tr("No sheet of paper was found yet, so the whole picture was saved."));
}

QString PhotoTool::save(const QImage &picture, const QString &note)
{
    const QString path = makePhotoPath();
    const NewPictureResult result = writeNewPictureFile(picture, path, "jpg");
    if (!result.saved) {
        parts_.banner->showFail(tr("The photo was not saved: %1").arg(result.error));
        return QString();
    }
    // The success text is the program's fixed wording, not translated.
    QString message = QStringLiteral("Scan successfully saved to [") + path + QStringLiteral("]");
    if (!note.isEmpty())
        message += QLatin1Char(' ') + note;
    parts_.banner->showOk(message);
    return path;
}
