// SPDX-License-Identifier: GPL-3.0-or-later

#include "command/sim_command_responder.h"

#include "command/sim_request_text.h"

#include <cstdio>

namespace camsim {

namespace {

constexpr size_t kReceivedLimit = 4096;

void replaceCode(Bytes &reply, Family family)
{
    const size_t at = family == Family::SetCmd ? 10 : 2;
    if (reply.size() >= at + 2)
        reply[at] ^= 0x55; // any other code
}

void replaceMagic(Bytes &reply)
{
    if (reply.size() >= 2) {
        reply[0] = 0x88;
        reply[1] = 0x88;
    }
}

} // namespace

SimCommandResponder::SimCommandResponder(SimCameraState &state, SimFaultScript &faults)
    : faults_(faults), handler_(state)
{
}

SimCommandResponder::~SimCommandResponder() { stop(); }

bool SimCommandResponder::start(const ResponderConfig &config)
{
    stop();
    config_ = config;
    socket_ = std::make_unique<SimUdpSocket>();
    if (!socket_->open(config.bindAddress, config.port)) {
        error_ = socket_->error();
        socket_.reset();
        return false;
    }
    if (!config.otherAddress.empty()) {
        otherSocket_ = std::make_unique<SimUdpSocket>();
        if (!otherSocket_->open(config.otherAddress, 0)) {
            error_ = otherSocket_->error();
            socket_.reset();
            otherSocket_.reset();
            return false;
        }
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimCommandResponder::stop()
{
    if (thread_.joinable()) {
        socket_->interrupt();
        thread_.join();
    }
    socket_.reset();
    otherSocket_.reset();
    held_.clear();
}

std::vector<SimRequest> SimCommandResponder::received() const
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    return received_;
}

void SimCommandResponder::clearReceived()
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    received_.clear();
}

void SimCommandResponder::record(const SimRequest &request)
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    if (received_.size() >= kReceivedLimit)
        received_.erase(received_.begin());
    received_.push_back(request);
}

void SimCommandResponder::run()
{
    std::vector<uint8_t> buffer(65536);
    for (;;) {
        sockaddr_in from{};
        const long n = socket_->receive(buffer.data(), buffer.size(), &from);
        if (n == SimUdpSocket::kInterrupted)
            return;
        if (n < 0)
            continue;
        SimRequest request = parseRequest(buffer.data(), static_cast<size_t>(n));
        request.from = describeAddress(from);
        respond(request, from);
    }
}

void SimCommandResponder::respond(SimRequest &request, const sockaddr_in &from)
{
    std::optional<FaultKind> fault;
    if (request.family != Family::Unknown)
        fault = faults_.take(request.code);
    const bool faulty = fault.has_value();
    const FaultKind kind = fault.value_or(FaultKind::NoReply);
    if (config_.verbose) {
        std::printf("camsim: %s%s%s%s\n", describeRequest(request).c_str(),
                    faulty ? " [fault: " : "", faulty ? faultKindName(kind) : "",
                    faulty ? "]" : "");
        std::fflush(stdout);
    }
    // Recorded before any reply leaves, so a caller that has its answer also
    // finds its request here.
    record(request);

    // A held-back reply goes out first, as a late answer to an old request.
    for (const HeldReply &late : held_)
        socket_->sendTo(late.bytes.data(), late.bytes.size(), late.to);
    held_.clear();

    SimCommandHandler::Options options;
    options.zeroResolutionCount = faulty && kind == FaultKind::ZeroResolutionCount;
    std::optional<Bytes> reply = handler_.answer(request, options);
    if (!reply)
        return;

    SimUdpSocket *sender = socket_.get();
    if (faulty) {
        switch (kind) {
        case FaultKind::NoReply:
            return;
        case FaultKind::WrongCode:
            replaceCode(*reply, request.family);
            break;
        case FaultKind::WrongMagic:
            if (request.family == Family::Frame9999)
                replaceMagic(*reply);
            break;
        case FaultKind::LateReply:
            held_.push_back({*reply, from});
            return;
        case FaultKind::ZeroResolutionCount:
            break;
        case FaultKind::OtherAddress:
            if (!otherSocket_) {
                std::fprintf(stderr, "camsim: no --other-address, reply dropped\n");
                return;
            }
            sender = otherSocket_.get();
            break;
        }
    }
    sender->sendTo(reply->data(), reply->size(), from);
}

} // namespace camsim
