// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_FAKE_PREVIEW_CAMERA_H
#define CORVANE_TEST_FAKE_PREVIEW_CAMERA_H

// A camera behind the live view's PreviewCalls, under the test's control:
// frames are served one per fetch from a list (or the same frame forever),
// every call is recorded, and a check can run at the moment the preview is
// stopped.
//
// Thread rules: fetch runs on the worker thread, everything else on the
// test's thread; one mutex guards the lists, the counters are atomic.

#include "core/live_view/preview_calls.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>

class FakePreviewCamera {
public:
    void serve(const QByteArray &frame)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queued_.push_back(frame);
    }
    // Every fetch gets this frame (empty: none).
    void serveForever(const QByteArray &frame)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        forever_ = frame;
    }
    void onStop(std::function<void()> check) { onStop_ = std::move(check); }

    QStringList calls() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    int framesServed() const { return served_.load(); }
    bool fetchedAfterStop() const { return fetchedAfterStop_.load(); }
    PreviewStream *handle() const { return reinterpret_cast<PreviewStream *>(const_cast<char *>(&tag_)); }

    PreviewCalls previewCalls()
    {
        PreviewCalls calls;
        calls.startPreview = [this](const char *ip) {
            record(QStringLiteral("start %1").arg(QString::fromLocal8Bit(ip)));
            stopped_ = false;
            return handle();
        };
        calls.stopPreview = [this](PreviewStream *stream) {
            record(stream == handle() ? QStringLiteral("stop") : QStringLiteral("stop (wrong handle)"));
            if (onStop_)
                onStop_();
            stopped_ = true;
        };
        calls.fetchFrame = [this](PreviewStream *stream, void *buffer, FrameInfo *) {
            if (stopped_.load() || stream != handle())
                fetchedAfterStop_ = true;
            std::lock_guard<std::mutex> lock(mutex_);
            QByteArray frame;
            if (!queued_.empty()) {
                frame = queued_.front();
                queued_.pop_front();
            } else {
                frame = forever_;
            }
            if (frame.isEmpty())
                return 0;
            std::memcpy(buffer, frame.constData(), size_t(frame.size()));
            ++served_;
            return frame.size();
        };
        calls.setResolution = [this](const char *ip, int width, int height) {
            record(QStringLiteral("resolution %1 %2x%3").arg(QString::fromLocal8Bit(ip)).arg(width).arg(height));
            return 1;
        };
        return calls;
    }

private:
    void record(const QString &call)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_ << call;
    }

    mutable std::mutex mutex_;
    std::deque<QByteArray> queued_;
    QByteArray forever_;
    QStringList calls_;
    std::function<void()> onStop_;
    std::atomic<int> served_{0};
    std::atomic<bool> stopped_{false};
    std::atomic<bool> fetchedAfterStop_{false};
    char tag_ = 0;
};

#endif
