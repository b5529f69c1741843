// SPDX-License-Identifier: GPL-3.0-or-later

#include "live_view_probe.h"

#include "core/live_view/live_view_session.h"
#include "core/live_view/my_work.h"
#include "core/main_window/corvane.h"

void attachProbe(Corvane &window, LiveViewProbe &probe)
{
    MyWork *worker = window.liveView().worker();
    QObject::connect(worker, &MyWork::sendData, worker,
                     [&probe](unsigned char *bytes, int size) { probe.onBytes(bytes, size); },
                     Qt::DirectConnection);
    QObject::connect(worker, &MyWork::sendImage, worker, [&probe](const QImage &image) { probe.onImage(image); },
                     Qt::DirectConnection);
    // The painted frame is the session's current frame; its bytes name it.
    LiveViewSession *live = &window.liveView();
    window.setPresentObserver([&probe, live](const QImage &) { probe.onPresented(live->currentFrameBytes()); });
}
