// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/searchable_pdf_worker.h"

#include "imaging/ocr/text_recognizer.h"
#include "tools/pdf/writer/page_text.h"

#include <QFile>

#include <opencv2/imgcodecs.hpp>

SearchablePdfWorker::SearchablePdfWorker(const std::atomic<bool> *cancel) : cancel_(cancel) {}

SearchablePdfWorker::~SearchablePdfWorker() = default;

PdfPageText SearchablePdfWorker::readPicture(const QString &path, const QString &language)
{
    PdfPageText page;
    // The PDF shows the JPEG data as stored, whatever its orientation tag
    // says, so the words are placed in the stored pixels too.
    const cv::Mat picture = cv::imread(QFile::encodeName(path).toStdString(),
                                       cv::IMREAD_GRAYSCALE | cv::IMREAD_IGNORE_ORIENTATION);
    if (picture.empty())
        return page;
    page.pictureSize = QSize(picture.cols, picture.rows);
    TextRecognizer::Options options;
    options.language = language.toStdString();
    options.cancel = cancel_;
    const RecognizedText read = recognizer_->recognize(picture, options);
    for (const RecognizedWord &word : read.words) {
        PdfTextWord out;
        out.text = QString::fromStdString(word.text);
        for (size_t i = 0; i < 4; ++i)
            out.corners[i] = QPointF(word.corners[i].x, word.corners[i].y);
        page.words.append(out);
    }
    return page;
}

void SearchablePdfWorker::compose(const QStringList &picturePaths, const QString &outputPath,
                                  const QString &language, const QString &fontPath)
{
    if (!recognizer_)
        recognizer_ = std::make_unique<TextRecognizer>();
    SearchablePdfResult result;
    SearchableText text;
    text.fontPath = fontPath;
    emit progress(0, int(picturePaths.size()));
    for (int i = 0; i < picturePaths.size(); ++i) {
        if (cancel_->load())
            break;
        text.pages.append(readPicture(picturePaths[i], language));
        if (text.pages.back().words.isEmpty())
            result.withoutText.append(picturePaths[i]);
        emit progress(i + 1, int(picturePaths.size()));
    }
    if (cancel_->load()) {
        result.cancelled = true;
        emit composed(result);
        return;
    }
    result.outcome = JpegPdfWriter().write(picturePaths, outputPath, &text);
    emit composed(result);
}
