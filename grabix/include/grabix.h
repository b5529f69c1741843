// SPDX-License-Identifier: GPL-3.0-or-later

/*
 * grabix — screen recorder: captures a rectangle of the X screen, with the
 * microphone when asked, into a Motion-JPEG AVI file.
 *
 * Calling order, all on one thread per handle:
 *   grabix_Init();                       any number of times, never undone
 *   h = grabix_CreateGrabix();           one handle per recording
 *   grabix_PreCap(h, &params);           copies the block; it may die after
 *   grabix_Start(h);                     returns at once
 *   ... recording runs on grabix's own threads ...
 *   grabix_Stop(h);                      the file is complete on return
 *   grabix_DestroyGrabix(h);             also finishes a running recording
 * After grabix_Start and after grabix_Stop, grabix_LastError(h) tells whether
 * the recording could not start or could not be written completely.
 *
 * Conventions
 *  - A NULL handle is ignored by every call (grabix_LastError reports
 *    GRABIX_ERR_NO_HANDLE for it). Nothing throws across this interface.
 *  - Calls on one handle must not overlap; separate handles are independent.
 *  - Each failure also prints one line starting "grabix: " on standard
 *    error with the details (the device, the path, the X display).
 *
 * Parameters (GrabixParams)
 *  - path: output file, NUL-terminated inside its 260 bytes; an unterminated
 *    or empty path makes Start fail (GRABIX_ERR_PATH). It is never read past.
 *  - frameRate: 1..60 frames per second, else GRABIX_ERR_PARAMS.
 *  - left, top, width, height: the rectangle in root-window pixels. A
 *    rectangle reaching past the screen is clipped to it (one line on
 *    standard error); one that does not overlap it at all makes Start fail
 *    (GRABIX_ERR_OUTSIDE_SCREEN). width and height must be positive.
 *  - audio: non-zero records the default ALSA capture device into a PCM
 *    track (mono, 44100 Hz, 16 bits). Without a capture device the recording
 *    is video only and standard error says so once.
 *  - kind, reserved: not used. The JPEG quality is 85 (4:2:0).
 *
 * Screen: needs an X server (DISPLAY). Without one — DISPLAY unset, a
 * Wayland session without X, or XWayland, which cannot read the screen of
 * Wayland programs — Start fails with GRABIX_ERR_NO_SCREEN and no file is
 * created.
 *
 * Thread rules
 *  - Start creates two threads (three with sound) and Stop (or
 *    DestroyGrabix) joins them; the caller's thread owns them. No thread
 *    outlives Stop. The threads are named grabix-capture, grabix-encode and
 *    grabix-audio.
 *  - Capture thread: reads the rectangle from the X server (MIT-SHM, else
 *    plain GetImage) at frameRate and pushes raw frames into a bounded queue
 *    of 3 frames. When the queue is full the oldest waiting frame is
 *    dropped and counted (the encoder fell behind); Stop reports the count
 *    on standard error. It is the only user of its own X connection and
 *    closes it when it ends.
 *  - Encode thread: takes frames from that queue, compresses them to JPEG
 *    and adds them to the qv_camera recorder, which writes them at a
 *    constant frameRate (repeating the last frame when capture falls behind).
 *  - Audio thread (only with a capture device): reads PCM from ALSA and adds
 *    it to the same recorder, whose own lock orders the two kinds of add.
 *  - Stop: ends capture, lets the encoder drain the queue, ends audio, then
 *    finishes the file (index and final header) on the caller's thread.
 */
#ifndef GRABIX_H
#define GRABIX_H

#include <stddef.h>
#include <stdint.h>

#define GRABIX_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* The parameter block: 292 bytes, 32-bit little-endian integers, no
 * padding. */
typedef struct GrabixParams {
    char path[260];    /* output file, local 8-bit encoding, NUL-terminated */
    int32_t audio;     /* non-zero: record the microphone */
    int32_t frameRate; /* frames per second */
    int32_t left;      /* rectangle on the screen, in pixels */
    int32_t top;
    int32_t width;
    int32_t height;
    int32_t kind;      /* not used */
    int32_t reserved;  /* not used */
} GrabixParams;

#ifdef __cplusplus
#  define GRABIX_STATIC_ASSERT(cond, text) static_assert(cond, text)
#else
#  define GRABIX_STATIC_ASSERT(cond, text) _Static_assert(cond, text)
#endif
GRABIX_STATIC_ASSERT(sizeof(GrabixParams) == 292, "GrabixParams is 292 bytes");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, audio) == 260, "audio at 260");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, frameRate) == 264, "frameRate at 264");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, left) == 268, "left at 268");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, top) == 272, "top at 272");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, width) == 276, "width at 276");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, height) == 280, "height at 280");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, kind) == 284, "kind at 284");
GRABIX_STATIC_ASSERT(offsetof(GrabixParams, reserved) == 288, "reserved at 288");
#undef GRABIX_STATIC_ASSERT

/* Opaque recording handle. */
typedef struct Grabix Grabix;

/* Results of grabix_LastError. */
enum {
    GRABIX_OK = 0,
    GRABIX_ERR_NO_HANDLE = 1,      /* the handle is NULL */
    GRABIX_ERR_PARAMS = 2,         /* no PreCap, or frameRate/size invalid */
    GRABIX_ERR_PATH = 3,           /* path empty or not NUL-terminated */
    GRABIX_ERR_NO_SCREEN = 4,      /* no X server, Wayland, or an X screen
                                      whose pixel format is not supported */
    GRABIX_ERR_OUTSIDE_SCREEN = 5, /* the rectangle misses the screen */
    GRABIX_ERR_FILE_CREATE = 6,    /* the file could not be created */
    GRABIX_ERR_FILE_WRITE = 7,     /* the file could not be finished: it is
                                      not a complete recording */
    GRABIX_ERR_SCREEN_LOST = 8,    /* the X connection broke or the screen
                                      shrank while recording; the file is
                                      complete up to that moment */
    GRABIX_ERR_INTERNAL = 9        /* out of memory, no thread, ... */
};

/* Prepares the library (installs its X error handlers, which pass errors of
 * other X connections on to the handlers installed before). */
GRABIX_API void grabix_Init(void);

/* A handle for one recording, or NULL when out of memory. */
GRABIX_API Grabix *grabix_CreateGrabix(void);

/* Copies *params for the next Start. NULL params clear them. */
GRABIX_API void grabix_PreCap(Grabix *handle, const GrabixParams *params);

/* Starts recording and returns at once. Ignored while already recording.
 * On failure nothing runs and grabix_LastError says why. */
GRABIX_API void grabix_Start(Grabix *handle);

/* Stops and joins the recording threads; on return the file is complete
 * (indexed) unless grabix_LastError reports GRABIX_ERR_FILE_WRITE. Ignored
 * when not recording. */
GRABIX_API void grabix_Stop(Grabix *handle);

/* Stops a running recording as grabix_Stop does, then frees the handle. */
GRABIX_API void grabix_DestroyGrabix(Grabix *handle);

/* GRABIX_OK, or the failure of the last Start, or of the recording that the
 * last Stop ended. A successful Start clears it. */
GRABIX_API int grabix_LastError(const Grabix *handle);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* GRABIX_H */
