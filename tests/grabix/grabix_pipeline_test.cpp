// SPDX-License-Identifier: GPL-3.0-or-later

// The capture side of the pipeline: the bounded frame queue between the
// capture and encode threads, rectangle clipping, and the two ways of
// reading the screen.

// GoogleTest before Xlib (through the grabber's headers): Xlib's macros
// would break its templates.
#include <gtest/gtest.h>

#include "painted_window.h"
#include "private_x_server.h"

#include "capture/frame_queue.h"
#include "capture/screen_grabber.h"
#include "capture/screen_rect.h"
#include "capture/x_display.h"
#include "record/finished_avi_check.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using grabix::Frame;
using grabix::FrameQueue;
using grabix::ScreenRect;

Frame frameNumbered(int n)
{
    Frame f;
    f.width = n;
    return f;
}

TEST(FrameQueue, FullQueueDropsTheOldestFrameAndCountsIt)
{
    FrameQueue queue(3);
    for (int n = 1; n <= 5; ++n)
        queue.push(frameNumbered(n));
    EXPECT_EQ(queue.dropped(), 2u);
    queue.close();
    std::vector<int> popped;
    Frame f;
    while (queue.pop(f))
        popped.push_back(f.width);
    EXPECT_EQ(popped, (std::vector<int>{3, 4, 5}));
}

// The encode thread waits in pop(); closing wakes it once the frames still
// queued are taken, so Stop can join it.
TEST(FrameQueue, ConsumerDrainsAndEndsWhenClosed)
{
    FrameQueue queue(3);
    std::vector<int> popped;
    std::thread consumer([&] {
        Frame f;
        while (queue.pop(f)) {
            popped.push_back(f.width);
            queue.recycle(std::move(f));
        }
    });
    for (int n = 1; n <= 3; ++n)
        queue.push(frameNumbered(n));
    queue.close();
    consumer.join();
    // Whatever was not dropped arrives, in order, and the last one always.
    ASSERT_FALSE(popped.empty());
    EXPECT_EQ(popped.back(), 3);
    EXPECT_EQ(popped.size() + queue.dropped(), 3u);
    EXPECT_TRUE(std::is_sorted(popped.begin(), popped.end()));
}

TEST(ClipToScreen, KeepsThePartOnTheScreenWithoutOverflow)
{
    EXPECT_EQ(grabix::clipToScreen({10, 20, 100, 50}, 640, 480), (ScreenRect{10, 20, 100, 50}));
    EXPECT_EQ(grabix::clipToScreen({-10, -20, 100, 50}, 640, 480), (ScreenRect{0, 0, 90, 30}));
    EXPECT_EQ(grabix::clipToScreen({600, 470, 100, 50}, 640, 480), (ScreenRect{600, 470, 40, 10}));
    EXPECT_TRUE(grabix::clipToScreen({640, 0, 10, 10}, 640, 480).empty());
    EXPECT_TRUE(grabix::clipToScreen({INT_MAX - 5, 0, INT_MAX, 10}, 640, 480).empty());
    EXPECT_EQ(grabix::clipToScreen({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 640, 480), ScreenRect{});
    EXPECT_EQ(grabix::clipToScreen({-1, -1, INT_MAX, INT_MAX}, 640, 480), (ScreenRect{0, 0, 640, 480}));
}

// The head of a finished recording of fileSize bytes.
std::vector<std::uint8_t> aviHead(std::uint64_t fileSize, std::uint32_t flags)
{
    std::vector<std::uint8_t> head(grabix::kAviHeadBytes, 0);
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            head[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    std::memcpy(head.data(), "RIFF", 4);
    put(4, static_cast<std::uint32_t>(fileSize - 8));
    std::memcpy(head.data() + 8, "AVI LIST", 8);
    std::memcpy(head.data() + 24, "avih", 4);
    put(44, flags);
    put(48, 1); // one frame
    return head;
}

// What the recorder's silent failures leave behind is told apart from a
// complete file: no index (disk full), and a file grown to the size limit,
// past which the recorder drops every frame.
TEST(FinishedAviCheck, FindsTheRecorderSilentFailures)
{
    const std::uint64_t size = 5000;
    EXPECT_EQ(grabix::problemWithFinishedAvi(aviHead(size, 0x110).data(), 52, size), "");
    EXPECT_NE(grabix::problemWithFinishedAvi(aviHead(size, 0x100).data(), 52, size).find("no index"),
              std::string::npos);
    EXPECT_NE(grabix::problemWithFinishedAvi(aviHead(size, 0x110).data(), 52, size + 1).find("not finished"),
              std::string::npos);
    const std::uint64_t full = grabix::kAviSizeLimit - 1000;
    EXPECT_NE(grabix::problemWithFinishedAvi(aviHead(full, 0x110).data(), 52, full).find("size limit"),
              std::string::npos);
}

// A remote X server offers no shared memory: the plain transport must read
// the very same pixels.
TEST(ScreenGrabber, PlainAndSharedMemoryTransportsReadTheSamePixels)
{
    PrivateXServer server(640, 480);
    if (!server.running())
        GTEST_SKIP() << server.problem();
    PaintedWindow window(0, 0, 64, 48);
    window.fill(0x336699);
    std::string why;
    auto display = grabix::XDisplay::open(why);
    ASSERT_TRUE(display) << why;
    EXPECT_EQ(display->screenWidth(), 640);
    const ScreenRect rect{32, 24, 64, 48}; // half on the window, half on the black root
    auto shared = grabix::ScreenGrabber::create(*display, rect, why);
    auto plain = grabix::ScreenGrabber::create(*display, rect, why,
                                               grabix::ScreenGrabber::Transport::PlainOnly);
    ASSERT_TRUE(shared && plain) << why;
    EXPECT_TRUE(shared->usesSharedMemory());
    EXPECT_FALSE(plain->usesSharedMemory());

    Frame a, b;
    ASSERT_TRUE(shared->grab(a, why)) << why;
    ASSERT_TRUE(plain->grab(b, why)) << why;
    EXPECT_EQ(a.width, 64);
    EXPECT_EQ(a.stride, 64 * 4);
    EXPECT_EQ(a.layout, grabix::PixelLayout::Bgrx);
    EXPECT_EQ(a.pixels, b.pixels);
    // Top-left pixel is on the window (B, G, R), bottom-right on the root.
    EXPECT_EQ(a.pixels[0], 0x99);
    EXPECT_EQ(a.pixels[1], 0x66);
    EXPECT_EQ(a.pixels[2], 0x33);
    EXPECT_EQ(a.pixels[a.pixels.size() - 4 + 2], 0x00);
}

} // namespace
