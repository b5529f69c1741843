// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OCR_OUTCOME_H
#define CORVANE_OCR_OUTCOME_H

// What a recognition of the OCR tool came to, as it crosses from the
// worker thread to the GUI thread (a queued signal's argument).
//
// Thread rules: a plain value.

#include "imaging/ocr/recognized_text.h"

#include <QMetaType>
#include <QString>

struct OcrOutcome {
    int request = 0; // the number start() returned
    RecognizedText::Outcome outcome = RecognizedText::Outcome::NoText;
    QString text;
    QString language;
    int milliseconds = 0;
};

Q_DECLARE_METATYPE(OcrOutcome)

#endif
