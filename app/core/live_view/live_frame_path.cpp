#include "core/live_view/live_frame_path.h"

QImage LiveFramePath::toCurrentFrame(const QImage &decoded)
{
    ++framesSeen_;
    return decoded;
}
