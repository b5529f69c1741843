// SPDX-License-Identifier: LGPL-2.1-or-later

#include "qv_camera.h"

#include "transport/udp_link.h"

extern "C" {

QV_API const char *QV_GetLibVersion(void) { return "3.2.0"; }

// The serial channel is the transport itself under exported names: the
// library adds no framing, what the caller sends is what the camera's serial
// bridge receives.
QV_API UdpLink *QV_InitUartSocket(const char *ip)
{
    return qv::openUdpLink(ip, qv::kSerialPort, 200);
}

QV_API void QV_DeinitUartSocket(UdpLink *link) { qv::closeUdpLink(link); }

// A null link is ignored like every null handle: nothing sent, result 0.
QV_API int QV_UartSendData(UdpLink *link, const char *data, int length)
{
    if (!link)
        return 0;
    return qv::linkSend(link, data, length);
}

QV_API int QV_UartRecvData(UdpLink *link, char *buffer)
{
    if (!link)
        return 0;
    return qv::linkReceive(link, buffer, 1024);
}

} // extern "C"
