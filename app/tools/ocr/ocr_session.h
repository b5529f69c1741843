// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_SESSION_H
#define CORVANE_OCR_SESSION_H

// Text recognition off the GUI thread: the session owns a worker thread
// with one OcrWorker, and hands it one picture at a time; the live view
// and the window go on meanwhile. The outcome comes back on the GUI thread
// through finished().
//
// Thread rules: the session lives on the GUI thread and is the only owner
// of its worker thread: the thread starts with the first picture and is
// ended and joined by the destructor, which first asks a running
// recognition to stop (a cancel flag the recogniser polls between words
// and between its readings), so it waits for one step at most. Pictures go to the worker by queued call
// (QImage shares its pixels read-only); outcomes return by queued signal.
// One recognition at a time: start() refuses while one runs.

#include "tools/ocr/ocr_outcome.h"

#include <QImage>
#include <QObject>

#include <atomic>

class OcrWorker;
class QThread;

class OcrSession : public QObject {
    Q_OBJECT

public:
    explicit OcrSession(QObject *parent = nullptr);
    ~OcrSession() override;

    // Starts reading the picture; the request's number, or 0 when one is
    // still running (nothing started).
    int start(const QImage &picture, const QString &language);
    bool busy() const { return running_ != 0; }
    // Asks the running recognition to stop; it then finishes as Cancelled.
    void cancel();

    QThread *workerThread() const { return thread_; }

signals:
    void finished(const OcrOutcome &outcome);

private:
    void takeOutcome(const OcrOutcome &outcome);

    std::atomic<bool> cancel_{false};
    QThread *thread_ = nullptr;
    OcrWorker *worker_ = nullptr;
    int running_ = 0;
    int lastRequest_ = 0;
};

#endif
