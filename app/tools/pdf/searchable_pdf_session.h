// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SEARCHABLE_PDF_SESSION_H
#define CORVANE_SEARCHABLE_PDF_SESSION_H

// Composing a searchable PDF off the GUI thread, with progress and a way to
// stop: the session owns a worker thread with one SearchablePdfWorker and
// hands it one document at a time.
//
// Thread rules: the session lives on the GUI thread and is the only owner
// of its worker thread: the thread starts with the first document and is
// ended and joined by the destructor, which first asks the work to stop
// (cancel flag, polled between pages and inside each recognition), so it
// waits for one step at most. Work goes to the worker by queued call;
// progress and the result return by queued signals.

#include "tools/pdf/searchable_pdf_result.h"

#include <QObject>
#include <QStringList>

#include <atomic>

class QThread;
class SearchablePdfWorker;

class SearchablePdfSession : public QObject {
    Q_OBJECT

public:
    explicit SearchablePdfSession(QObject *parent = nullptr);
    ~SearchablePdfSession() override;

    // False (nothing started) while a document is being composed.
    bool start(const QStringList &picturePaths, const QString &outputPath,
               const QString &language, const QString &fontPath);
    bool busy() const { return busy_; }
    // Stops before the document is written; it then finishes as cancelled.
    void cancel();

signals:
    void progress(int done, int total);
    void finished(const SearchablePdfResult &result);

private:
    void takeResult(const SearchablePdfResult &result);

    std::atomic<bool> cancel_{false};
    QThread *thread_ = nullptr;
    SearchablePdfWorker *worker_ = nullptr;
    bool busy_ = false;
};

#endif
