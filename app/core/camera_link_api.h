#ifndef CORVANE_CAMERA_LINK_API_H
#define CORVANE_CAMERA_LINK_API_H

// The camera link library's interface for Qt code: the library's header names
// a field "slots", which Qt defines as a keyword macro, so the macro is set
// aside while the header is read.

#pragma push_macro("slots")
#undef slots
#include "qv_camera.h"
#pragma pop_macro("slots")

#endif
