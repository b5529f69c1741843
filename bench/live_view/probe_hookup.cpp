#include "live_view_probe.h"

#include "core/live_view/my_work.h"
#include "core/main_window/corvane.h"

void attachProbe(Corvane &window, LiveViewProbe &probe)
{
    QObject::connect(window.worker(), &MyWork::sendData, window.worker(),
                     [&probe](unsigned char *bytes, int size) { probe.onBytes(bytes, size); },
                     Qt::DirectConnection);
    QObject::connect(window.worker(), &MyWork::sendImage, window.worker(),
                     [&probe](const QImage &image) { probe.onImage(image); }, Qt::DirectConnection);
    window.setPresentObserver([&probe](const QImage &frame) { probe.onPresented(frame); });
}
