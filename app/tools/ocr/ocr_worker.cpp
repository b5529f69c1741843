// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/ocr_worker.h"

#include "imaging/ocr/text_recognizer.h"
#include "imaging/transforms/gray_from_image.h"

#include <QElapsedTimer>

OcrWorker::OcrWorker(const std::atomic<bool> *cancel) : cancel_(cancel) {}

OcrWorker::~OcrWorker() = default;

void OcrWorker::recognise(int request, const QImage &picture, const QString &language)
{
    QElapsedTimer clock;
    clock.start();
    if (!recognizer_)
        recognizer_ = std::make_unique<TextRecognizer>();
    TextRecognizer::Options options;
    options.language = language.toStdString();
    options.cancel = cancel_;
    // The recogniser reads grey; converting here keeps the GUI thread free.
    const RecognizedText read = recognizer_->recognize(grayFromImage(picture), options);

    OcrOutcome outcome;
    outcome.request = request;
    outcome.outcome = read.outcome;
    outcome.text = QString::fromStdString(read.text);
    outcome.language = language;
    outcome.milliseconds = int(clock.elapsed());
    emit recognised(outcome);
}
