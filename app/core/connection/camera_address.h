// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_CAMERA_ADDRESS_H
#define CORVANE_CAMERA_ADDRESS_H

// A camera address as a person types it. Only a dotted IPv4 address names a
// camera: four numbers from 0 to 255 separated by dots, blanks around it
// ignored. Anything else (a typo, a host name, a short form like "10.1")
// would only leave the live view blank, so it is refused before it is used
// or stored.
//
// Thread rules: a pure function, any thread.

#include <QString>

// The address in its plain form ("192.168.001.020 " gives "192.168.1.20"),
// or an empty text when the typed text is not a dotted IPv4 address.
QString cameraAddressFrom(const QString &typed);

#endif
