// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include "tools/pdf/writer/haru_document.h"
#include "tools/pdf/writer/invisible_text_layer.h"
#include "tools/pdf/writer/pdf_page_size.h"
#include "tools/pdf/writer/replacement_file.h"

#include <QFile>

namespace {

JpegPdfWriter::PictureProblem problemFor(HPDF_STATUS error)
{
    return error == HPDF_FILE_OPEN_ERROR || error == HPDF_FILE_IO_ERROR
               ? JpegPdfWriter::PictureProblem::Unreadable
               : JpegPdfWriter::PictureProblem::NotJpeg;
}

// libharu writes through stdio and does not see an error of the last
// buffered write at fclose; a complete document ends with its end marker.
bool endsWithEndMarker(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

// Adds the page of one loaded picture; null when libharu failed.
HPDF_Page addPictureAsPage(HaruDocument &doc, HPDF_Image image, PdfPageSize &size)
{
    size = pdfPageSizeFor(HPDF_Image_GetWidth(image), HPDF_Image_GetHeight(image));
    HPDF_Page page = HPDF_AddPage(doc.handle());
    if (!page)
        return nullptr;
    HPDF_Page_SetWidth(page, size.width);
    HPDF_Page_SetHeight(page, size.height);
    // Every page becomes the open action in turn, so the document opens at
    // its last page, the picture added last.
    HPDF_Destination destination = HPDF_Page_CreateDestination(page);
    HPDF_Destination_SetXYZ(destination, 0, HPDF_Page_GetHeight(page), 1);
    HPDF_SetOpenAction(doc.handle(), destination);
    HPDF_Page_DrawImage(page, image, 0, 0, size.width, size.height);
    return doc.hasError() ? nullptr : page;
}

} // namespace

JpegPdfWriter::Outcome JpegPdfWriter::write(const QStringList &picturePaths,
                                            const QString &outputPath,
                                            const SearchableText *text) const
{
    Outcome outcome;
    if (picturePaths.isEmpty()) {
        outcome.failure = Failure::NoPictures;
        return outcome;
    }
    HaruDocument doc;
    if (!doc.isValid()) {
        outcome.failure = Failure::LibraryFailure;
        return outcome;
    }
    // Compresses the page contents and the rest; JPEG data is stored as it
    // is (DCTDecode) whatever the mode.
    HPDF_SetCompressionMode(doc.handle(), HPDF_COMP_ALL);
    InvisibleTextLayer textLayer;
    if (text && !textLayer.load(doc, text->fontPath))
        outcome.textFontMissing = true;

    for (int index = 0; index < picturePaths.size(); ++index) {
        const QString &path = picturePaths[index];
        HPDF_Image image =
            HPDF_LoadJpegImageFromFile(doc.handle(), QFile::encodeName(path).constData());
        if (!image) {
            outcome.skipped.append({path, problemFor(doc.takeError())});
            continue;
        }
        PdfPageSize size;
        HPDF_Page page = addPictureAsPage(doc, image, size);
        if (!page) {
            outcome.failure = Failure::LibraryFailure;
            return outcome;
        }
        if (size.scaled)
            outcome.scaledToFit.append(path);
        if (textLayer.isLoaded() && index < text->pages.size()
            && textLayer.draw(doc, page, text->pages[index], QSizeF(size.width, size.height)) > 0)
            ++outcome.pagesWithText;
        ++outcome.pages;
    }
    if (outcome.pages == 0) {
        outcome.failure = Failure::NoPictureLoaded;
        return outcome;
    }

    ReplacementFile file(outputPath);
    if (!file.create()) {
        outcome.failure = Failure::CannotCreateFile;
        return outcome;
    }
    if (HPDF_SaveToFile(doc.handle(), QFile::encodeName(file.temporaryPath()).constData()) != HPDF_OK
        || doc.hasError() || !endsWithEndMarker(file.temporaryPath())) {
        outcome.failure = Failure::CannotWriteFile;
        return outcome;
    }
    if (!file.commit())
        outcome.failure = Failure::CannotReplaceFile;
    return outcome;
}
