// SPDX-License-Identifier: LGPL-2.1-or-later

// The preview family of the C interface: thin wrappers that keep exceptions
// and null handles from crossing into the caller.

#include "qv_camera.h"

#include "exports/export_guard.h"
#include "stream/preview_stream.h"

extern "C" {

QV_API PreviewStream *QV_StartPreview(const char *ip)
{
    return qv::guarded<PreviewStream *>(nullptr, [&] { return PreviewStream::start(ip).release(); });
}

QV_API void QV_StopPreview(PreviewStream *stream)
{
    qv::guardedVoid([&] { delete stream; });
}

QV_API int QV_GetVideoFrame(PreviewStream *stream, void *buffer, FrameInfo *info)
{
    return qv::guarded(0, [&] { return stream ? stream->takeFrame(buffer, info, nullptr, nullptr) : 0; });
}

QV_API int QV_GetVideoFrame2(PreviewStream *stream, void *buffer, FrameInfo *info, int *kind)
{
    return qv::guarded(0, [&] { return stream ? stream->takeFrame(buffer, info, kind, nullptr) : 0; });
}

QV_API int QV_GetVideoFrameWithDegree(PreviewStream *stream, void *buffer, float *degree)
{
    return qv::guarded(0, [&] { return stream ? stream->takeFrame(buffer, nullptr, nullptr, degree) : 0; });
}

QV_API int QV_GetVideoParams(PreviewStream *stream, int *kind, int *width, int *height)
{
    return qv::guarded(0, [&] {
        if (!stream)
            return 0;
        const qv::StreamFields &f = stream->fields();
        if (kind)
            *kind = f.kind.load(std::memory_order_relaxed);
        if (width)
            *width = f.width.load(std::memory_order_relaxed);
        if (height)
            *height = f.height.load(std::memory_order_relaxed);
        return 1;
    });
}

QV_API unsigned char QV_IsDeviceConnected(PreviewStream *stream)
{
    return qv::guarded<unsigned char>(0, [&]() -> unsigned char {
        return stream && stream->fields().connected() ? 1 : 0;
    });
}

} // extern "C"
