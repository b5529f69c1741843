// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BARCODE_TOOL_H
#define CORVANE_BARCODE_TOOL_H

// The tool bar's bar code button: reads every bar code and QR code in the
// picture (the current frame as shown, at the camera's full resolution),
// puts their texts, joined by tabs, on the clipboard and shows them in the
// banner. When nothing is read the banner says "Recognition Failed" and the
// clipboard keeps what it held. The reading blocks the window for up to a
// few hundred milliseconds (the reader's second, enlarged scan), so the
// pointer shows the wait cursor meanwhile.
//
// The banner texts are the program's fixed wording and not translated.
//
// Thread rules: GUI thread only; the reader's helper thread lives inside
// one read() call.

#include "imaging/barcode/barcode_reader.h"

#include <QImage>
#include <QString>

class QClipboard;
class StatusBanner;

class BarcodeTool {
public:
    BarcodeTool(QClipboard *clipboard, StatusBanner *banner);

    // Returns the texts joined by tabs (what went to the clipboard); empty
    // when nothing was read.
    QString read(const QImage &picture);

private:
    QClipboard *clipboard_;
    StatusBanner *banner_;
    barcode::BarcodeReader reader_;
};

#endif
