// The preview family of the C interface with null handles and arguments:
// nothing is touched and the failure values come back.

#include "qv_camera.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewNullHandleTest, EveryExportIgnoresANullStream)
{
    unsigned char buffer[8] = {};
    FrameInfo info{1, 2};
    int kind = 5, width = 6, height = 7;
    float degree = 9.0f;
    EXPECT_EQ(QV_StartPreview(nullptr), nullptr);
    QV_StopPreview(nullptr);
    EXPECT_EQ(QV_GetVideoFrame(nullptr, buffer, &info), 0);
    EXPECT_EQ(QV_GetVideoFrame2(nullptr, buffer, &info, &kind), 0);
    EXPECT_EQ(QV_GetVideoFrameWithDegree(nullptr, buffer, &degree), 0);
    EXPECT_EQ(QV_GetVideoParams(nullptr, &kind, &width, &height), 0);
    EXPECT_EQ(QV_IsDeviceConnected(nullptr), 0);
    EXPECT_EQ(info.low, 1u);
    EXPECT_EQ(kind, 5);
    EXPECT_EQ(degree, 9.0f);
}

} // namespace
