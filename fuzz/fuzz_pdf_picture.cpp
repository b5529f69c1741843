// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF writer on arbitrary picture files: the files a person adds to the
// composer are not ours, and libharu reads their JPEG headers. Whatever the
// bytes, the same picture twice gives either a two-page document or two
// pictures left out, and never a crash.

#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString picture = folder.path() + QStringLiteral("/picture.jpg");
    {
        QFile file(picture);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const JpegPdfWriter::Outcome outcome =
        JpegPdfWriter().write({picture, picture}, folder.path() + QStringLiteral("/out.pdf"));
    if (outcome.written()) {
        if (outcome.pages != 2 || !outcome.skipped.isEmpty())
            __builtin_trap();
    } else if (outcome.failure != JpegPdfWriter::Failure::NoPictureLoaded
               || outcome.skipped.size() != 2) {
        __builtin_trap();
    }
    return 0;
}
