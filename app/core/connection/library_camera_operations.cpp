// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/library_camera_operations.h"

#include "core/connection/command_lane.h"

#include "qv_camera.h"

#include <cstdlib>
#include <cstring>

namespace {
CommandLane &lane()
{
    return CommandLane::shared();
}
} // namespace

int LibraryCameraOperations::findCamera(const QByteArray &address, QByteArray &answeringIp)
{
    // One spare byte so the reply is a terminated string whatever the
    // library leaves in the 32 it may fill.
    char reply[33];
    std::memset(reply, 0, sizeof reply);
    const int version =
        lane().run([&] { return QV_SendGetVersionWithIp(address.constData(), reply); });
    reply[32] = '\0';
    answeringIp = QByteArray(reply);
    return version;
}

int LibraryCameraOperations::setAutoFocus(const QByteArray &ip, int on)
{
    return lane().run([&] { return QV_SendSetAutoFocus(ip.constData(), on); });
}

int LibraryCameraOperations::sendApParams(const QByteArray &ip, int mode,
                                          const QByteArray &ssid,
                                          const QByteArray &password)
{
    return lane().run([&] {
        return QV_SendApParams(ip.constData(), mode, ssid.constData(), password.constData());
    });
}

int LibraryCameraOperations::clearApParams(const QByteArray &ip)
{
    return lane().run([&] { return QV_SendClearApParams(ip.constData()); });
}

bool LibraryCameraOperations::getResolutions(const QByteArray &ip, QVector<QSize> &sizes)
{
    ResolutionList *list = lane().run([&] { return QV_SendGetResolution(ip.constData()); });
    if (!list)
        return false;
    sizes = sizesFromList(*list);
    // The block is ours once returned; nothing keeps it past the labels.
    std::free(list);
    return true;
}

int LibraryCameraOperations::setResolution(const QByteArray &ip, int width, int height)
{
    return lane().run([&] { return QV_SendSetResolution(ip.constData(), width, height); });
}

LibraryCameraOperations &LibraryCameraOperations::shared()
{
    static LibraryCameraOperations instance;
    return instance;
}

QVector<QSize> LibraryCameraOperations::sizesFromList(const ResolutionList &list)
{
    // A count above the slot count would read past the end of the block.
    const int count = qMin<int>(list.count, QV_RESOLUTION_SLOTS);
    QVector<QSize> sizes;
    sizes.reserve(count);
    for (int i = 0; i < count; ++i)
        sizes.append(QSize(list.entries[i].width, list.entries[i].height));
    return sizes;
}
