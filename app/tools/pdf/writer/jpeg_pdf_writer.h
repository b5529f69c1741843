// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_JPEG_PDF_WRITER_H
#define CORVANE_JPEG_PDF_WRITER_H

// Writes a PDF document of JPEG pictures with libharu: one page per
// picture, in the order given, each page the size of its picture at one
// point per pixel (scaled to fit where a picture is larger than a PDF page
// may be, pdf_page_size.h) with the picture filling it. The JPEG data goes
// into the document as it is, neither decoded nor encoded again. The
// document opens at its last page.
//
// A picture libharu cannot load (unreadable, not a JPEG) is left out and
// listed in the outcome; the other pictures still make the document. The
// document is written beside the output path and renamed to it when
// complete (ReplacementFile), so a failed write leaves no file, and no
// broken file, under that name. Nothing is written when no picture could
// be loaded.
//
// Given the text read on the pictures (page_text.h), each page also gets an
// invisible text layer with it (InvisibleTextLayer), so the document can be
// searched and its text copied; the pictures stay as they are. A font that
// cannot be loaded leaves the document without text but still writes it,
// and says so in the outcome.
//
// Thread rules: no state of its own; any thread, one call per document.

#include "tools/pdf/writer/page_text.h"

#include <QList>
#include <QString>
#include <QStringList>

class JpegPdfWriter {
public:
    enum class PictureProblem {
        Unreadable, // cannot be opened or read
        NotJpeg,    // not a JPEG picture libharu can embed
    };
    struct SkippedPicture {
        QString path;
        PictureProblem problem;
    };

    enum class Failure {
        None,
        NoPictures,         // the list was empty
        NoPictureLoaded,    // every picture was skipped
        LibraryFailure,     // libharu could not build the document (memory)
        CannotCreateFile,   // the output folder is missing or not writable
        CannotWriteFile,    // writing the document failed (disk full, ...)
        CannotReplaceFile,  // the finished document could not take the name
    };

    struct Outcome {
        Failure failure = Failure::None;
        int pages = 0;
        QList<SkippedPicture> skipped;
        QStringList scaledToFit; // pictures shrunk to the largest page
        int pagesWithText = 0;   // pages that got a text layer
        bool textFontMissing = false; // text was given but its font could not be loaded
        bool written() const { return failure == Failure::None; }
    };

    // `text`, when given, holds one entry per picture path.
    Outcome write(const QStringList &picturePaths, const QString &outputPath,
                  const SearchableText *text = nullptr) const;
};

#endif
