#ifndef RECORDER_TEST_FIXED_JPEG_H
#define RECORDER_TEST_FIXED_JPEG_H

// One real JPEG picture (64 x 48) without an image library at run time.

#include "jpeg_frames.h"

const JpegBytes &fixedJpeg();

#endif
