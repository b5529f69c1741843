// What the simulator puts on the wire, read back by the reference decoders.

#include "reference_decoders.h"
#include "stream/sim_stream_control.h"
#include "stream/sim_stream_tcp_record.h"
#include "stream/sim_stream_udp3_packetizer.h"
#include "stream/sim_stream_udp66_packetizer.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint8_t> randomBytes(size_t n, uint32_t seed)
{
    std::mt19937 r(seed);
    std::vector<uint8_t> v(n);
    for (auto &b : v)
        b = static_cast<uint8_t>(r());
    return v;
}

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

class PacketSizes : public ::testing::TestWithParam<int> {};

TEST_P(PacketSizes, Udp66HeadersAndReassembly)
{
    const size_t size = static_cast<size_t>(GetParam());
    // One frame ending on a packet boundary, one with a one-byte tail.
    for (size_t length : {size * 40, size * 40 + 1}) {
        const auto frame = randomBytes(length, 5);
        const auto datagrams = camsim::packetizeUdp66(frame, meta(0x1234), GetParam());
        ASSERT_EQ(datagrams.size(), (length + size - 1) / size);
        for (size_t i = 0; i < datagrams.size(); ++i) {
            const auto &d = datagrams[i];
            EXPECT_EQ(d[0], 0x66);
            EXPECT_EQ(d[3], 0x34) << "8-bit frame id";
            EXPECT_EQ(reference::le16(d, 12), i) << "index from 0";
            EXPECT_EQ(reference::le32(d, 4), length);
            const size_t expected = std::min(size, length - i * size);
            EXPECT_EQ(reference::le16(d, 14), expected);
            EXPECT_EQ(d.size(), 24 + expected);
        }
        reference::Udp66Assembler assembler(size);
        reference::Frame out;
        size_t completed = 0;
        for (const auto &d : datagrams)
            completed += assembler.feed(d, out);
        ASSERT_EQ(completed, 1u);
        EXPECT_EQ(out.bytes, frame);
        EXPECT_EQ(out.kind, 2);
        EXPECT_EQ(out.width, 3840u);
        EXPECT_EQ(out.height, 2880u);
        EXPECT_EQ(out.tilt, 0x80015F90u);
        EXPECT_EQ(out.info, 0x1234u) << "full counter in the info word";
    }
}

TEST_P(PacketSizes, Udp3ScrambledAndPlainReassemble)
{
    const size_t size = static_cast<size_t>(GetParam());
    for (size_t length : {size * 33, size * 33 + 2, size * 33 + 3}) {
        for (bool scrambled : {true, false}) {
            const auto frame = randomBytes(length, 9);
            const auto datagrams =
                camsim::packetizeUdp3(frame, meta(1000 + static_cast<uint32_t>(length)), GetParam(),
                                      scrambled);
            ASSERT_EQ(datagrams.size(), (length + size - 1) / size);
            size_t differing = 0;
            for (size_t i = 0; i < datagrams.size(); ++i) {
                const auto &d = datagrams[i];
                EXPECT_NE(d[0], 0x66);
                EXPECT_EQ(reference::le16(d, 2), 3u);
                EXPECT_EQ(reference::le32(d, 16) == 0, scrambled);
                EXPECT_EQ(reference::le16(d, 33), i + 1) << "index from 1";
                EXPECT_EQ(reference::le16(d, 35), datagrams.size());
                if (i + 1 < datagrams.size()) {
                    EXPECT_EQ(d.size(), size + 51) << "full datagrams are 1441/2951/1439 bytes";
                }
                for (size_t k = 51; k < d.size(); ++k)
                    differing += d[k] != frame[i * size + k - 51];
            }
            EXPECT_EQ(differing, scrambled ? 1u : 0u);

            reference::Udp3Assembler assembler(size);
            reference::Frame out;
            size_t completed = 0;
            for (const auto &d : datagrams)
                completed += assembler.feed(d, out);
            ASSERT_EQ(completed, 1u);
            EXPECT_EQ(out.bytes, frame);
            EXPECT_EQ(out.info, 1000 + length);
            EXPECT_EQ(out.id, 1000 + length);
            EXPECT_EQ(out.width, 3840u);
            EXPECT_EQ(out.tilt, 0x80015F90u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CameraSizes, PacketSizes, ::testing::Values(1390, 2900, 1388));

TEST(InvertedByte, PositionMatchesFormulaForOddAndEvenLengths)
{
    // Worked by hand: s=0, n=5 (odd): ((0^5)+5)^5 = 10^5 = 15, 15 mod 5 = 0.
    EXPECT_EQ(camsim::invertedBytePosition(0, 5), 0u);
    // s=7, n=10 (even): (7^10)=13, 13+10+1=24, 24^10=18, 18 mod 10 = 8.
    EXPECT_EQ(camsim::invertedBytePosition(7, 10), 8u);
    // Wrap-around of the 32-bit sum.
    std::mt19937 r(3);
    for (int i = 0; i < 2000; ++i) {
        const uint32_t s = static_cast<uint32_t>(r());
        const uint32_t n = 1 + static_cast<uint32_t>(r() % 2000000);
        ASSERT_EQ(camsim::invertedBytePosition(s, n), reference::invertedPosition(s, n))
            << "s=" << s << " n=" << n;
        ASSERT_LT(camsim::invertedBytePosition(s, n), n);
    }
    EXPECT_EQ(camsim::invertedBytePosition(0xFFFFFFFFu, 0xFFFFFFFFu),
              reference::invertedPosition(0xFFFFFFFFu, 0xFFFFFFFFu));
    EXPECT_EQ(camsim::invertedBytePosition(0xFFFFFFFFu, 0xFFFFFFFEu),
              reference::invertedPosition(0xFFFFFFFFu, 0xFFFFFFFEu));
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
    const auto frame = randomBytes(1390 * 1100, 2);
    const auto d66 = camsim::packetizeUdp66(frame, meta(1), 1390);
    ASSERT_EQ(d66.size(), 1100u);
    EXPECT_EQ(reference::le16(d66.back(), 12), 1099u);
    const auto d3 = camsim::packetizeUdp3(frame, meta(1), 1390, true);
    ASSERT_EQ(d3.size(), 1100u);
    EXPECT_EQ(reference::le16(d3.back(), 35), 1100u);
}

TEST(BoundaryRecord, LayoutMarkersAndMiddleByte)
{
    const auto jpeg = randomBytes(5001, 4);
    const auto bytes = camsim::encodeBoundaryRecord(jpeg, meta(77));
    ASSERT_EQ(bytes.size(), 9 + 32 + jpeg.size() + 9);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), "BoundaryS");
    EXPECT_EQ(std::string(bytes.end() - 9, bytes.end()), "BoundaryE");
    const std::vector<uint8_t> header(bytes.begin() + 9, bytes.begin() + 41);
    EXPECT_EQ(header[1], 0) << "video";
    EXPECT_EQ(header[2], 2);
    EXPECT_EQ(reference::le32(header, 4), jpeg.size()) << "P = L - 32";
    EXPECT_EQ(reference::le32(header, 12), 77u);
    EXPECT_EQ(reference::le32(header, 20), 0x80015F90u);
    EXPECT_EQ(reference::le32(header, 24), 3840u);
    EXPECT_EQ(reference::le32(header, 28), 2880u);
    // Exactly the middle payload byte travels inverted.
    for (size_t i = 0; i < jpeg.size(); ++i) {
        const uint8_t wire = bytes[41 + i];
        if (i == jpeg.size() / 2)
            EXPECT_EQ(static_cast<uint8_t>(~wire), jpeg[i]);
        else
            ASSERT_EQ(wire, jpeg[i]) << i;
    }

    reference::RecordReader reader;
    const auto records = reader.feed(bytes.data(), bytes.size());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].payload, jpeg);
}

TEST(BoundaryRecord, SecondStreamRecordsTravelUnchanged)
{
    const auto payload = randomBytes(300, 8);
    const auto bytes = camsim::encodeBoundaryRecord(payload, meta(1), 1);
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), bytes.begin() + 41));
    EXPECT_EQ(bytes[10], 1);
}

TEST(BoundaryRecord, TrailingPadFollowsTheEndMarkerWithinSixteenBytes)
{
    std::vector<uint8_t> jpeg = randomBytes(1000, 6);
    jpeg[0] = 0xFF;
    jpeg[1] = 0xD8;
    jpeg[998] = 0xFF;
    jpeg[999] = 0xD9;
    const auto bytes = camsim::encodeBoundaryRecord(jpeg, meta(1), 0, 6);
    reference::RecordReader reader;
    const auto records = reader.feed(bytes.data(), bytes.size());
    ASSERT_EQ(records.size(), 1u);
    const auto &p = records[0].payload;
    ASSERT_EQ(p.size(), 1006u);
    EXPECT_EQ(records[0].declared, 1006u);
    const std::vector<uint8_t> tail(p.end() - 8, p.end());
    EXPECT_EQ(tail, (std::vector<uint8_t>{0xFF, 0xD9, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(std::equal(jpeg.begin(), jpeg.end(), p.begin()));
}

TEST(BoundaryRecord, ConsecutiveRecordsSplitAnywhere)
{
    std::vector<uint8_t> stream;
    for (uint32_t c = 1; c <= 3; ++c) {
        const auto r = camsim::encodeBoundaryRecord(randomBytes(100 * c, c), meta(c));
        stream.insert(stream.end(), r.begin(), r.end());
    }
    reference::RecordReader reader;
    std::vector<reference::Record> all;
    for (size_t at = 0; at < stream.size(); at += 7) {
        auto some = reader.feed(stream.data() + at, std::min<size_t>(7, stream.size() - at));
        all.insert(all.end(), some.begin(), some.end());
    }
    ASSERT_EQ(all.size(), 3u);
    for (uint32_t c = 1; c <= 3; ++c) {
        EXPECT_EQ(all[c - 1].frameWord, c);
        EXPECT_EQ(all[c - 1].payload, randomBytes(100 * c, c));
    }
}

TEST(StreamControl, OnlyWellFormedStartAndStopCount)
{
    uint8_t start[24] = {0x99, 0x99, 1, 0};
    uint8_t stop[24] = {0x99, 0x99, 2, 0};
    uint8_t other[24] = {0x99, 0x99, 3, 0};
    uint8_t wrong[24] = {0x99, 0x98, 1, 0};
    EXPECT_EQ(camsim::parseStreamControl(start, 24), camsim::StreamControl::Start);
    EXPECT_EQ(camsim::parseStreamControl(stop, 24), camsim::StreamControl::Stop);
    EXPECT_EQ(camsim::parseStreamControl(other, 24), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(wrong, 24), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(start, 3), camsim::StreamControl::None);
    EXPECT_EQ(camsim::parseStreamControl(nullptr, 24), camsim::StreamControl::None);
}

} // namespace
