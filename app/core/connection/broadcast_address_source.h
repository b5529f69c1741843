// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_BROADCAST_ADDRESS_SOURCE_H
#define CORVANE_BROADCAST_ADDRESS_SOURCE_H

// Where the camera search sends its query: the broadcast address of the
// computer's wireless interface. Behind an interface so tests can hand the
// search a loopback or namespace address instead of the host's network.
//
// Thread rules: GUI thread only.

#include <QString>

class BroadcastAddressSource {
public:
    virtual ~BroadcastAddressSource() = default;
    // The address to query, or `previous` when no interface qualifies.
    virtual QString broadcastAddress(const QString &previous) const = 0;
};

// Walks the network interfaces in order: up, not loopback, of type Wi-Fi;
// the first address entry with a broadcast address counts, and the last
// qualifying interface wins.
class WirelessBroadcastSource : public BroadcastAddressSource {
public:
    QString broadcastAddress(const QString &previous) const override;
};

// Always the same address (tests, and setups that know where to look).
class FixedBroadcastSource : public BroadcastAddressSource {
public:
    explicit FixedBroadcastSource(QString address) : address_(std::move(address)) {}
    QString broadcastAddress(const QString &) const override { return address_; }

private:
    QString address_;
};

#endif
