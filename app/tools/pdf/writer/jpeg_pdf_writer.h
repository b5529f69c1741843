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
// Thread rules: no state of its own; any thread, one call per document.

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
        bool written() const { return failure == Failure::None; }
    };

    Outcome write(const QStringList &picturePaths, const QString &outputPath) const;
};

#endif
