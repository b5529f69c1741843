// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/haru_document.h"

HaruDocument::HaruDocument()
{
    doc_ = HPDF_New(&HaruDocument::noteError, this);
}

HaruDocument::~HaruDocument()
{
    if (doc_)
        HPDF_Free(doc_);
}

HPDF_STATUS HaruDocument::takeError()
{
    const HPDF_STATUS error = error_;
    error_ = HPDF_OK;
    if (doc_)
        HPDF_ResetError(doc_);
    return error;
}

void HaruDocument::noteError(HPDF_STATUS error, HPDF_STATUS, void *self)
{
    auto *document = static_cast<HaruDocument *>(self);
    // The first error is the cause; the ones after it follow from it.
    if (document->error_ == HPDF_OK)
        document->error_ = error;
}
