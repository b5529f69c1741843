// SPDX-License-Identifier: LGPL-2.1-or-later

/*
 * qv_camera — camera link library: command protocol, video stream receiver
 * and AVI recorder behind a flat C interface.
 *
 * Conventions
 *  - Texts are NUL-terminated 8-bit strings; an "ip" is the camera's
 *    dotted-decimal IPv4 address (or, for discovery, a broadcast address).
 *  - Every failure is a return value: 1/0, a value or -1, a handle or NULL.
 *    Nothing throws across this interface, nothing calls back.
 *  - Handles are created by a start/init call and freed by the matching
 *    stop/de-init call. A NULL handle is ignored by every export.
 *  - Command exports (QV_Send...) share library-wide state without a lock:
 *    call them from one thread at a time. They may run concurrently with a
 *    preview stream and a recorder.
 */
#ifndef QV_CAMERA_H
#define QV_CAMERA_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(QV_CAMERA_BUILD)
#    define QV_API __declspec(dllexport)
#  else
#    define QV_API __declspec(dllimport)
#  endif
#else
#  define QV_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Largest JPEG frame the frame exports hand out. QV_GetVideoFrame has no
 * size argument, so a caller's buffer of this many bytes is always enough;
 * longer frames are dropped by the receiver. */
#define QV_MAX_FRAME_BYTES 1536000

/* Number of resolution slots in a ResolutionList. */
#define QV_RESOLUTION_SLOTS 32

/* Opaque handles. */
typedef struct UdpLink UdpLink;
typedef struct PreviewStream PreviewStream;
typedef struct Recorder Recorder;

/* Returned by QV_SendGetResolution: 388 bytes, allocated with malloc by the
 * library and owned by the caller, who releases it with free(). */
typedef struct ResolutionEntry {
    int32_t width;
    int32_t height;
    int32_t fps;
} ResolutionEntry;

typedef struct ResolutionList {
    uint8_t count;       /* number of valid entries */
    uint8_t reserved[3]; /* zero */
    ResolutionEntry entries[QV_RESOLUTION_SLOTS]; /* skipped entries are zero */
} ResolutionList;

/* Filled by QV_SendGetCameraParams: six parameters of five words each. */
typedef struct CameraParamEntry {
    int32_t w[5];
} CameraParamEntry;

typedef struct CameraParamTable {
    uint8_t count;       /* always set to 6; bytes 1..3 untouched */
    uint8_t reserved[3];
    CameraParamEntry entries[6];
} CameraParamTable;

/* The two info words of a frame, low word first. */
typedef struct FrameInfo {
    uint32_t low;
    uint32_t high;
} FrameInfo;

/* ---- library ---------------------------------------------------------- */
QV_API const char *QV_GetLibVersion(void);

/* ---- commands (UDP port 50000) ---------------------------------------- */
QV_API int QV_SendSetSSID(const char *ip, const char *ssid);
QV_API int QV_SendSetPassword(const char *ip, const char *password);
QV_API int QV_SendClearPass(const char *ip);
QV_API int QV_SendReboot(const char *ip);
QV_API int QV_SendSetResolution(const char *ip, int width, int height);
QV_API ResolutionList *QV_SendGetResolution(const char *ip);
QV_API int QV_SendGetKeyStatus(const char *ip);
QV_API int QV_SendResetCameraParams(const char *ip);
QV_API int QV_SendSetCameraParams(const char *ip, int v0, int v1, int v2,
                                  int v3, int v4, int v5);
QV_API int QV_SendGetCameraParams(const char *ip, CameraParamTable *table);
QV_API int QV_SendGetVersion(const char *ip);
QV_API int QV_SendGetVersionWithIp(const char *ip, char *ipOut);
QV_API int QV_SendGetBattery(const char *ip);
QV_API int QV_SendGetBattery2(const char *ip, int *level, int *charge);
QV_API int QV_SendSetChannel(const char *ip, int channel);
QV_API int QV_SendGetDeviceType(const char *ip);
QV_API int QV_SendSetDeviceType(const char *ip, int type);
QV_API int QV_SendSetDeviceValue(const char *ip, int code, int value);
QV_API int QV_SendGetDeviceValue(const char *ip, int code);
QV_API int QV_SendSetAutoFocus(const char *ip, int mode);
QV_API int QV_SendSetCameraValue(const char *ip, int id, int value);
QV_API int QV_SendGetCameraValue(const char *ip, int id);
QV_API int QV_SendQueryCameraValue(const char *ip, int id, int *out);
QV_API int QV_SendK21Update(const char *ip, uint32_t server, uint16_t port,
                            const char *path);
QV_API int QV_SendGetIMUData(const char *ip, void *out);
QV_API int QV_SendSetPXRDLed(const char *ip, unsigned on);
QV_API int QV_SendSetPXRDFan(const char *ip, unsigned on);
QV_API int QV_SendApParams(const char *ip, int mode, const char *ssid,
                           const char *password);
QV_API int QV_SendApParamsWithIp(const char *ip, int mode, const char *ssid,
                                 const char *password, const char *staticIp);
QV_API int QV_SendClearApParams(const char *ip);
QV_API int QV_SendSetEthernet(const char *ip);

/* ---- serial channel (UDP port 52100, raw datagrams) ------------------- */
QV_API UdpLink *QV_InitUartSocket(const char *ip);
QV_API void QV_DeinitUartSocket(UdpLink *link);
QV_API int QV_UartSendData(UdpLink *link, const char *data, int length);
/* buffer must hold at least 1024 bytes */
QV_API int QV_UartRecvData(UdpLink *link, char *buffer);

/* ---- preview stream (UDP 8030 / TCP 7060) ----------------------------- */
QV_API PreviewStream *QV_StartPreview(const char *ip);
QV_API void QV_StopPreview(PreviewStream *stream);
/* buffer must hold QV_MAX_FRAME_BYTES */
QV_API int QV_GetVideoFrame(PreviewStream *stream, void *buffer,
                            FrameInfo *info);
QV_API int QV_GetVideoFrame2(PreviewStream *stream, void *buffer,
                             FrameInfo *info, int *kind);
QV_API int QV_GetVideoFrameWithDegree(PreviewStream *stream, void *buffer,
                                      float *degree);
QV_API int QV_GetVideoParams(PreviewStream *stream, int *kind, int *width,
                             int *height);
QV_API unsigned char QV_IsDeviceConnected(PreviewStream *stream);

/* ---- recorder (AVI, Motion-JPEG + PCM) -------------------------------- */
QV_API Recorder *QV_InitRecord(void);
QV_API void QV_DeInitRecord(Recorder *recorder);
QV_API void QV_SetVideoParams(Recorder *recorder, int width, int height,
                              int fps);
QV_API void QV_SetAudioParams(Recorder *recorder, int channels, int rate,
                              int bits);
QV_API unsigned char QV_StartRecord(Recorder *recorder, const char *path);
QV_API void QV_AddVideoData(Recorder *recorder, const void *jpeg, int length);
QV_API void QV_AddAudioData(Recorder *recorder, const void *pcm, int length);
QV_API void QV_StopRecord(Recorder *recorder);

#ifdef __cplusplus
} /* extern "C" */

/* Exported under the C++ decorated name of int(char*, int), not the plain
 * name: callers that bind it by name use that symbol. Not visible to C. */
QV_API int QV_SendSetAutoExposure(char *ip, int value);
#endif

#endif /* QV_CAMERA_H */
