// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SEARCHABLE_PDF_WORKER_H
#define CORVANE_SEARCHABLE_PDF_WORKER_H

// Composes a searchable PDF on the composer's worker thread: reads the
// text of each picture (one recogniser, its trained data loaded once for
// all pages), then writes the document with the pictures as they are and
// the text as an invisible layer (JpegPdfWriter).
//
// Thread rules: lives on its session's worker thread; compose() is reached
// only by queued call and reports only through queued signals. The cancel
// flag belongs to the session, which outlives the thread; it is polled
// between pages and inside each recognition.

#include "tools/pdf/searchable_pdf_result.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class TextRecognizer;
struct PdfPageText;

class SearchablePdfWorker : public QObject {
    Q_OBJECT

public:
    explicit SearchablePdfWorker(const std::atomic<bool> *cancel);
    ~SearchablePdfWorker() override;

public slots:
    void compose(const QStringList &picturePaths, const QString &outputPath,
                 const QString &language, const QString &fontPath);

signals:
    // `done` of `total` pictures read.
    void progress(int done, int total);
    void composed(const SearchablePdfResult &result);

private:
    // The words of one picture, in the JPEG's own pixels; empty when the
    // picture cannot be decoded or holds no text.
    PdfPageText readPicture(const QString &path, const QString &language);

    const std::atomic<bool> *cancel_;
    std::unique_ptr<TextRecognizer> recognizer_;
};

#endif
