// SPDX-License-Identifier: GPL-3.0-or-later

// What the simulator puts on the wire, read back by the library's own
// receivers (which tests/camera_link/stream checks against camera packets
// written independently of both), plus the header fields the library does
// not read.

#include "recording_sink.h"
#include "stream/boundary_parser.h"
#include "stream/byte_restoration.h"
#include "stream/record_decoder.h"
#include "qv_camera.h"
#include "stream/sim_stream_control.h"
#include "stream/sim_stream_frame_packer.h"
#include "stream/sim_stream_tcp_record.h"
#include "stream/sim_stream_udp3_packetizer.h"
#include "stream/sim_stream_udp66_packetizer.h"
#include "stream/udp_frame_assembler.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes randomBytes(size_t n, uint32_t seed)
{
    std::mt19937 r(seed);
    Bytes v(n);
    for (auto &b : v)
        b = static_cast<uint8_t>(r());
    return v;
}

uint32_t le32(const Bytes &d, size_t at) { return camsim::getLe32(d.data() + at); }

camsim::FrameMeta meta(uint32_t counter)
{
    camsim::FrameMeta m;
    m.kind = 2;
    m.counter = counter;
    m.width = 3840;
    m.height = 2880;
    m.tilt = 0x80015F90;
    return m;
}

// The library's UDP receiver after the given datagrams.
RecordingSink receiveUdp(const std::vector<camsim::Datagram> &datagrams)
{
    RecordingSink sink;
    qv::UdpFrameAssembler assembler(sink);
    for (const auto &d : datagrams)
        assembler.feed(d.data(), d.size());
    return sink;
}

void expectHeaderFields(const RecordedFrame &f, uint32_t counter)
{
    EXPECT_EQ(f.kind, 2);
    EXPECT_EQ(f.width, 3840);
    EXPECT_EQ(f.height, 2880);
    EXPECT_EQ(f.info, counter) << "the full counter in the info word";
}

class PacketSizes : public ::testing::TestWithParam<int> {};

TEST_P(PacketSizes, Udp66FramesReassembleWithTheirHeader)
{
    const size_t size = static_cast<size_t>(GetParam());
    // One frame ending on a packet boundary, one with a one-byte tail.
    for (size_t length : {size * 40, size * 40 + 1}) {
        const Bytes frame = randomBytes(length, 5);
        const auto datagrams = camsim::packetizeUdp66(frame, meta(0x1234), GetParam());
        ASSERT_EQ(datagrams.size(), (length + size - 1) / size);
        for (const auto &d : datagrams)
            EXPECT_EQ(d[3], 0x34) << "8-bit frame id";
        const RecordingSink sink = receiveUdp(datagrams);
        ASSERT_EQ(sink.frames.size(), 1u) << length;
        EXPECT_EQ(sink.frames[0].bytes, frame);
        expectHeaderFields(sink.frames[0], 0x1234);
        EXPECT_EQ(sink.tiltWords.back(), 0x80015F90u);
    }
}

TEST_P(PacketSizes, Udp3ScrambledAndPlainFramesReassemble)
{
    const size_t size = static_cast<size_t>(GetParam());
    for (size_t length : {size * 33, size * 33 + 2, size * 33 + 3}) {
        for (bool scrambled : {true, false}) {
            const Bytes frame = randomBytes(length, 9);
            const uint32_t counter = 1000 + static_cast<uint32_t>(length) + scrambled;
            // A receiver learns a packet size other than 1390 from the full
            // datagrams of a first frame, which it may garble.
            auto datagrams = camsim::packetizeUdp3(frame, meta(counter - 1), GetParam(), scrambled);
            const auto second = camsim::packetizeUdp3(frame, meta(counter), GetParam(), scrambled);
            ASSERT_EQ(second.size(), (length + size - 1) / size);
            for (const auto &d : second)
                EXPECT_EQ(le32(d, 25), counter) << "32-bit frame id";
            datagrams.insert(datagrams.end(), second.begin(), second.end());
            const RecordingSink sink = receiveUdp(datagrams);
            ASSERT_EQ(sink.frames.size(), 2u);
            EXPECT_EQ(sink.frames[1].bytes, frame) << length << (scrambled ? " scrambled" : "");
            expectHeaderFields(sink.frames[1], counter);
            EXPECT_EQ(sink.tiltWords.back(), 0x80015F90u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CameraSizes, PacketSizes, ::testing::Values(1390, 2900, 1388));

TEST(InvertedByte, PositionAgreesWithTheLibraryForOddAndEvenLengths)
{
    // Worked by hand: s=0, n=5 (odd): ((0^5)+5)^5 = 15, 15 mod 5 = 0;
    // s=7, n=10 (even): (7^10)+10+1 = 24, 24^10 = 18, 18 mod 10 = 8.
    EXPECT_EQ(camsim::invertedBytePosition(0, 5), 0u);
    EXPECT_EQ(camsim::invertedBytePosition(7, 10), 8u);
    std::mt19937 r(3);
    for (int i = 0; i < 2000; ++i) {
        const uint32_t s = static_cast<uint32_t>(r());
        const uint32_t n = i < 2 ? 0xFFFFFFFFu - i : 1 + static_cast<uint32_t>(r() % 2000000);
        ASSERT_EQ(camsim::invertedBytePosition(s, n), qv::invertedBytePosition(s, n))
            << "s=" << s << " n=" << n;
    }
}

TEST(Packetizers, EmptyFramesAndBadSizesGiveNothing)
{
    EXPECT_TRUE(camsim::packetizeUdp66({}, meta(1), 1390).empty());
    EXPECT_TRUE(camsim::packetizeUdp3({}, meta(1), 1390, true).empty());
    EXPECT_TRUE(camsim::packetizeUdp66(randomBytes(10, 1), meta(1), 0).empty());
    EXPECT_TRUE(camsim::packetizeUdp3(randomBytes(10, 1), meta(1), 70000, false).empty());
}

TEST(Packetizers, FramesPastTheReceiverLimitsAreStillCut)
{
    // The oversize fault sends such frames on purpose.
    const Bytes frame = randomBytes(1390 * 1100, 2);
    const auto d66 = camsim::packetizeUdp66(frame, meta(1), 1390);
    ASSERT_EQ(d66.size(), 1100u);
    EXPECT_EQ(camsim::getLe16(&d66.back()[12]), 1099u);
    const auto d3 = camsim::packetizeUdp3(frame, meta(1), 1390, true);
    ASSERT_EQ(d3.size(), 1100u);
    EXPECT_EQ(camsim::getLe16(&d3.back()[35]), 1100u);
}

TEST(FrameLimits, TheLibraryTakesFramesUpToTheLimitAndNoLonger)
{
    using camsim::StreamTransport;
    const std::pair<StreamTransport, int> cases[] = {
        {StreamTransport::Udp66, 1390}, {StreamTransport::Udp66, 500}, {StreamTransport::Udp3Plain, 1390}};
    for (const auto &c : cases) {
        camsim::StreamSettings s;
        s.transport = c.first;
        s.packetSize = c.second; // 500: 1024 packets bind first
        const size_t limit = camsim::frameByteLimit(s);
        for (size_t length : {limit, limit + 1}) {
            const camsim::SourceFrame f{randomBytes(length, 7), 64, 48};
            EXPECT_EQ(receiveUdp(camsim::packFrame(f, s, {}, 1)).frames.size(), length == limit ? 1u : 0u)
                << camsim::transportName(c.first) << " " << c.second << ": " << length;
        }
    }
    camsim::StreamSettings tcp;
    tcp.transport = StreamTransport::Tcp;
    EXPECT_EQ(camsim::frameByteLimit(tcp), static_cast<size_t>(QV_MAX_FRAME_BYTES));
}

// The library's TCP receiver after the given stream bytes.
RecordingSink receiveTcp(const Bytes &stream)
{
    RecordingSink sink;
    qv::RecordDecoder decoder(sink);
    qv::BoundaryParser parser([&](uint8_t *r, size_t n) { decoder.decode(r, n); });
    parser.feed(stream.data(), stream.size());
    return sink;
}

TEST(BoundaryRecord, VideoRecordsCarryTheirHeaderAndFlippedMiddleByte)
{
    const Bytes jpeg = randomBytes(5001, 4);
    const Bytes bytes = camsim::encodeBoundaryRecord(jpeg, meta(77));
    ASSERT_EQ(bytes.size(), 9 + 32 + jpeg.size() + 9);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), "BoundaryS");
    EXPECT_EQ(bytes[9 + 2], 2) << "kind code (the library keeps only 4)";
    EXPECT_EQ(le32(bytes, 9 + 12), 77u) << "frame word";
    EXPECT_NE(bytes[41 + jpeg.size() / 2], jpeg[jpeg.size() / 2]);

    const RecordingSink sink = receiveTcp(bytes);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, jpeg);
    EXPECT_FALSE(sink.frames[0].unchanged);
    EXPECT_EQ(sink.frames[0].width, 3840);
    EXPECT_EQ(sink.frames[0].height, 2880);
    EXPECT_EQ(sink.tiltWords, std::vector<uint32_t>{0x80015F90u});
}

TEST(BoundaryRecord, SecondStreamRecordsTravelUnchanged)
{
    const Bytes payload = randomBytes(300, 8);
    const RecordingSink sink = receiveTcp(camsim::encodeBoundaryRecord(payload, meta(1), 1));
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_TRUE(sink.frames[0].unchanged);
    EXPECT_EQ(sink.frames[0].bytes, payload);
}

TEST(BoundaryRecord, TrailingPadAfterTheEndMarkerIsTrimmedByTheReceiver)
{
    Bytes jpeg = randomBytes(1000, 6);
    jpeg[0] = 0xFF, jpeg[1] = 0xD8, jpeg[998] = 0xFF, jpeg[999] = 0xD9;
    const Bytes bytes = camsim::encodeBoundaryRecord(jpeg, meta(1), 0, 6);
    EXPECT_EQ(bytes.size(), 9 + 32 + 1006 + 9u);
    const RecordingSink sink = receiveTcp(bytes);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, jpeg);
}

TEST(StreamControl, OnlyWellFormedStartAndStopCount)
{
    const uint8_t start[24] = {0x99, 0x99, 1, 0};
    const uint8_t stop[24] = {0x99, 0x99, 2, 0};
    const uint8_t other[24] = {0x99, 0x99, 3, 0};
    const uint8_t wrong[24] = {0x99, 0x98, 1, 0};
    EXPECT_EQ(camsim::parseStreamControl(start, 24), camsim::StreamControl::Start);
    EXPECT_EQ(camsim::parseStreamControl(stop, 24), camsim::StreamControl::Stop);
    EXPECT_EQ(camsim::parseStreamControl(other, 24), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(wrong, 24), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(start, 3), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(nullptr, 24), camsim::StreamControl::None);
}

} // namespace
