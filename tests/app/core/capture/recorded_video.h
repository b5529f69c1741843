// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_RECORDED_VIDEO_H
#define CORVANE_TEST_RECORDED_VIDEO_H

// A finished recording as a player sees it: the picture size its header
// declares, and every frame decoded by ffmpeg.

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct RecordedVideo {
    QSize declared;         // the AVI main header's width and height
    QSize streamDeclared;   // the video stream's format (BITMAPINFOHEADER)
    QList<QSize> frames;    // the size of each decoded frame, in order
    bool decodesCleanly = false; // ffmpeg decodes it all without an error
};

RecordedVideo inspectRecording(const QString &path);

// One frame (0-based) decoded by ffmpeg; null when there is none.
QImage recordedFrame(const QString &path, int index);

#endif
