// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_HARU_DOCUMENT_H
#define CORVANE_HARU_DOCUMENT_H

// One libharu document, freed with this object. libharu reports failures
// through an error handler and leaves the document refusing further calls
// until its error is reset; the handler here only notes the error, and
// takeError() hands it over and resets the document, so the caller can skip
// a bad picture and go on. Nothing jumps out of libharu (no longjmp).
//
// Thread rules: one thread at a time per document. Not copyable or movable:
// libharu keeps this object's address for the handler.

#include <hpdf.h>

class HaruDocument {
public:
    HaruDocument();
    ~HaruDocument();
    HaruDocument(const HaruDocument &) = delete;
    HaruDocument &operator=(const HaruDocument &) = delete;

    // False when libharu could not even create the document.
    bool isValid() const { return doc_ != nullptr; }
    HPDF_Doc handle() const { return doc_; }

    bool hasError() const { return error_ != HPDF_OK; }
    // The first error since the last call (HPDF_OK if none); resets it.
    HPDF_STATUS takeError();

private:
    static void noteError(HPDF_STATUS error, HPDF_STATUS detail, void *self);

    HPDF_Doc doc_ = nullptr;
    HPDF_STATUS error_ = HPDF_OK;
};

#endif
