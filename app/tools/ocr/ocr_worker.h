// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_WORKER_H
#define CORVANE_OCR_WORKER_H

// Runs recognitions on the OCR session's thread, one at a time, with one
// recogniser (its trained data loaded once and kept for the next picture).
//
// Thread rules: lives on the session's worker thread from the start;
// recognise() is reached only through queued calls, and results leave only
// through the queued signal recognised(). The cancel flag belongs to the
// session, which outlives the thread.

#include "tools/ocr/ocr_outcome.h"

#include <QImage>
#include <QObject>

#include <atomic>
#include <memory>

class TextRecognizer;

class OcrWorker : public QObject {
    Q_OBJECT

public:
    explicit OcrWorker(const std::atomic<bool> *cancel);
    ~OcrWorker() override;

public slots:
    void recognise(int request, const QImage &picture, const QString &language);

signals:
    void recognised(const OcrOutcome &outcome);

private:
    const std::atomic<bool> *cancel_;
    std::unique_ptr<TextRecognizer> recognizer_; // made on first use, on the worker thread
};

#endif
