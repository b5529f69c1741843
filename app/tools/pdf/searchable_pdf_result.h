// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_SEARCHABLE_PDF_RESULT_H
#define CORVANE_SEARCHABLE_PDF_RESULT_H

// What composing a searchable PDF came to, as it crosses from the worker
// thread to the GUI thread (a queued signal's argument).
//
// Thread rules: a plain value.

#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include <QMetaType>
#include <QStringList>

struct SearchablePdfResult {
    bool cancelled = false;     // stopped before writing: no file written
    JpegPdfWriter::Outcome outcome;
    QStringList withoutText;    // pictures on which no text was found
};

Q_DECLARE_METATYPE(SearchablePdfResult)

#endif
