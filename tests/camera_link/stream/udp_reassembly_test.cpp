// SPDX-License-Identifier: GPL-3.0-or-later

// Frame reassembly from both UDP packet formats, the shared packet size and
// the byte restoration of type-3 frames, fed datagram by datagram.

#include "recording_sink.h"
#include "stream/udp_frame_assembler.h"
#include "stream_wire.h"

#include <gtest/gtest.h>

namespace {

using streamwire::Bytes;

class UdpReassemblyTest : public testing::Test {
protected:
    void feed(const Bytes &d) { assembler.feed(d.data(), d.size()); }
    void feedAll(const std::vector<Bytes> &ds)
    {
        for (const auto &d : ds)
            feed(d);
    }
    std::vector<Bytes> frame66(uint8_t id, const Bytes &picture, uint16_t packetSize = 1390)
    {
        streamwire::Frame66 f;
        f.frameId = id;
        f.packetSize = packetSize;
        return streamwire::packets66(picture, f);
    }
    std::vector<Bytes> frame3(uint32_t id, const Bytes &picture)
    {
        streamwire::FrameType3 f;
        f.frameId = id;
        return streamwire::packetsType3(picture, f);
    }
    // Overwrites a little-endian field of every datagram.
    static void setField(std::vector<Bytes> &ds, size_t at, uint32_t value, int bytes)
    {
        for (auto &d : ds)
            for (int i = 0; i < bytes; ++i)
                d[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    RecordingSink sink;
    qv::UdpFrameAssembler assembler{sink};
};

// ---- 0x66 ---------------------------------------------------------------

TEST_F(UdpReassemblyTest, Packet66OutOfOrderGivesTheFrameWithItsHeader)
{
    Bytes picture = streamwire::testPicture(5000, 1);
    streamwire::Frame66 f;
    f.kind = 2;
    f.width = 1920;
    f.height = 1080;
    f.tilt = 0x80015F90;
    f.info = 0xCAFEF00D;
    auto p = streamwire::packets66(picture, f);
    ASSERT_EQ(p.size(), 4u);
    feedAll({p[2], p[0], p[3], p[1]});
    ASSERT_EQ(sink.frames.size(), 1u);
    const RecordedFrame &r = sink.frames[0];
    EXPECT_EQ(r.bytes, picture);
    EXPECT_EQ(r.kind, 2);
    EXPECT_EQ(r.info, 0xCAFEF00Du); // high word 0
    EXPECT_EQ(r.width, 1920);
    EXPECT_EQ(r.height, 1080);
    EXPECT_EQ(sink.tiltWords, std::vector<uint32_t>{0x80015F90u});
}

TEST_F(UdpReassemblyTest, Packet66DuplicateIsDroppedUntilTheMissingOneArrives)
{
    Bytes picture = streamwire::testPicture(5000, 3);
    auto p = frame66(1, picture);
    feedAll({p[0], p[1], p[1], p[3]});
    EXPECT_TRUE(sink.frames.empty());
    feed(p[2]);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Packet66FramesOf1500BytesOrLessAreNeverAssembled)
{
    feedAll(frame66(1, streamwire::testPicture(1500, 6), 700));
    feedAll(frame66(2, streamwire::testPicture(800, 6), 700));
    EXPECT_TRUE(sink.frames.empty());
    feedAll(frame66(3, streamwire::testPicture(1501, 6), 700));
    EXPECT_EQ(sink.frames.size(), 1u);
}

TEST_F(UdpReassemblyTest, Packet66ThirdFrameTakesOverTheSecondSlotAndCompletionFreesBoth)
{
    Bytes pictureC = streamwire::testPicture(5000, 9);
    auto pa = frame66(1, streamwire::testPicture(5000, 7));
    auto pb = frame66(2, streamwire::testPicture(5000, 8));
    feed(pa[0]); // slot A
    feed(pb[0]); // slot B
    feedAll(frame66(3, pictureC)); // slot B again: frame 2 is gone
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, pictureC);
    // Completing a frame frees both slots, so frame 1 is gone as well.
    feedAll({pa[1], pa[2], pa[3], pb[1], pb[2], pb[3]});
    EXPECT_EQ(sink.frames.size(), 1u);
}

TEST_F(UdpReassemblyTest, Packet66FollowsThePacketSizeOfEachNewFrame)
{
    for (uint16_t size : {2900, 1388, 1390}) {
        Bytes picture = streamwire::testPicture(9000, size);
        feedAll(frame66(static_cast<uint8_t>(size), picture, size));
        ASSERT_FALSE(sink.frames.empty());
        EXPECT_EQ(sink.frames.back().bytes, picture) << size;
        EXPECT_EQ(assembler.currentPacketSize(), size);
    }
}

TEST_F(UdpReassemblyTest, Packet66RejectsPacketsAndFramesOutsideTheFrameBuffer)
{
    Bytes picture = streamwire::testPicture(5000, 12);
    auto p = frame66(1, picture);
    auto tooLarge = frame66(2, picture);
    setField(tooLarge, 4, 0x100001, 4); // announces one byte more than the buffer
    feedAll(tooLarge);

    std::vector<Bytes> bad(3, p[1]);
    bad[0][12] = 0x00, bad[0][13] = 0x04; // index 1024: past the packet flags
    bad[1][12] = 0xFF, bad[1][13] = 0x02; // index 767: 767 * 1390 + 1390 > 1 MiB
    bad[2][14] = 0xFF, bad[2][15] = 0x0F; // 4095 payload bytes in a 1414-byte datagram
    bad.push_back(Bytes(p[1].begin(), p[1].begin() + 20)); // shorter than a header
    feed(bad[1]); // as the first packet of its frame
    feed(p[0]);
    feedAll(bad); // and once the frame has started
    EXPECT_TRUE(sink.frames.empty());
    // None of them was counted: the real packets still complete the frame.
    feedAll({p[1], p[2], p[3]});
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

// ---- type 3 --------------------------------------------------------------

TEST_F(UdpReassemblyTest, Type3FramesRestoreTheInvertedByteAndCarryTheirHeader)
{
    struct Case {
        size_t length;
        uint32_t info;
        bool inverted;
        uint64_t expectedInfo;
    };
    // Even and odd lengths take different positions for the inverted byte;
    // an info word with its top bit set is sign-extended, and with this
    // seed the position's 32-bit sum wraps. 901 bytes fit one packet.
    const Case cases[] = {{7000, 0x00ABCDEF, true, 0x00ABCDEFull},
                          {7001, 0xFFFFFFF0, true, 0xFFFFFFFFFFFFFFF0ull},
                          {901, 0x12345, true, 0x12345ull},
                          {3000, 0x12345, false, 0x12345ull}};
    uint32_t id = 0;
    for (const Case &c : cases) {
        Bytes picture = streamwire::testPicture(c.length, ++id);
        streamwire::FrameType3 f;
        f.frameId = id;
        f.kind = 4;
        f.width = 3840;
        f.height = 2880;
        f.tilt = 0x12345 + id;
        f.info = c.info;
        f.invertOneByte = c.inverted;
        auto p = streamwire::packetsType3(picture, f);
        sink.tiltWords.clear();
        feedAll(p);
        ASSERT_EQ(sink.frames.size(), id) << c.length;
        const RecordedFrame &r = sink.frames.back();
        EXPECT_EQ(r.bytes, picture) << c.length;
        EXPECT_EQ(r.kind, 4);
        EXPECT_EQ(r.info, c.expectedInfo);
        EXPECT_EQ(r.width, 3840);
        EXPECT_EQ(r.height, 2880);
        // Every type-3 packet carries the tilt word.
        EXPECT_EQ(sink.tiltWords, std::vector<uint32_t>(p.size(), f.tilt));
    }
}

TEST_F(UdpReassemblyTest, Type3OutOfOrderAndDuplicates)
{
    Bytes picture = streamwire::testPicture(5000, 23);
    auto p = frame3(1, picture);
    ASSERT_EQ(p.size(), 4u);
    feedAll({p[3], p[1], p[3], p[0]});
    EXPECT_TRUE(sink.frames.empty());
    feed(p[2]);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3InterleavedFramesFillBothSlots)
{
    Bytes pictureA = streamwire::testPicture(4000, 24);
    Bytes pictureB = streamwire::testPicture(4000, 25);
    auto pa = frame3(100, pictureA);
    auto pb = frame3(101, pictureB);
    for (size_t i = 0; i < pa.size(); ++i)
        feedAll({pa[i], pb[i]});
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[0].bytes, pictureA);
    EXPECT_EQ(sink.frames[1].bytes, pictureB);
}

TEST_F(UdpReassemblyTest, Type3ThirdFrameReplacesTheSmallerIdOnly)
{
    Bytes pictureB = streamwire::testPicture(4000, 27);
    Bytes pictureC = streamwire::testPicture(4000, 28);
    auto pa = frame3(10, streamwire::testPicture(4000, 26));
    auto pb = frame3(11, pictureB);
    auto pc = frame3(12, pictureC);
    feedAll({pa[0], pb[0], pc[0], pb[1], pb[2], pc[1], pc[2]});
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[0].bytes, pictureB);
    EXPECT_EQ(sink.frames[1].bytes, pictureC);
}

TEST_F(UdpReassemblyTest, Type3OtherTypeWordsAreIgnored)
{
    streamwire::FrameType3 f;
    f.typeWord = 4;
    feedAll(streamwire::packetsType3(streamwire::testPicture(3000, 30), f));
    EXPECT_TRUE(sink.frames.empty());
    EXPECT_TRUE(sink.tiltWords.empty());
}

TEST_F(UdpReassemblyTest, Type3RejectsIndexesLengthsAndTotalsOutsideTheModel)
{
    Bytes picture = streamwire::testPicture(3000, 31);
    auto p = frame3(1, picture);
    ASSERT_EQ(p.size(), 3u);
    std::vector<Bytes> bad(4, p[0]);
    bad[0][33] = 0, bad[0][34] = 0;       // index 0
    bad[1][33] = 0x01, bad[1][34] = 0x04; // index 1025
    bad[2][33] = 0xFF, bad[2][34] = 0x02; // index 767: 767 * 1390 past the frame data
    bad[3][37] = 0xFF, bad[3][38] = 0xFF; // payload longer than the datagram
    bad.push_back(Bytes(p[0].begin(), p[0].begin() + 50));
    feedAll(bad);
    // Frames whose total is empty or larger than the frame data.
    for (uint32_t total : {0u, 0x100000u - 1040u + 1u}) {
        auto impossible = frame3(total + 2, streamwire::testPicture(3000, 32));
        setField(impossible, 29, total, 4);
        feedAll(impossible);
    }
    EXPECT_TRUE(sink.frames.empty());
    feedAll(p);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

// ---- shared packet size --------------------------------------------------

TEST_F(UdpReassemblyTest, FiveFullDatagramsOfAnotherKnownSizeSwitchThePacketSize)
{
    Bytes other(1439, 0), current(1441, 0), shortOne(700, 0), odd(2000, 0);
    for (int i = 0; i < 10; ++i)
        feed(odd); // not one of the full-packet lengths
    for (int i = 0; i < 4; ++i)
        feed(other);
    feed(current); // restarts the count
    for (int i = 0; i < 4; ++i)
        feed(other);
    EXPECT_EQ(assembler.currentPacketSize(), 1390);
    feed(shortOne); // a frame's short last packet neither counts nor resets
    feed(other);
    EXPECT_EQ(assembler.currentPacketSize(), 1388);
}

TEST_F(UdpReassemblyTest, Type3FramesAssembleAtTheSwitchedSize)
{
    Bytes picture = streamwire::testPicture(20000, 33);
    streamwire::FrameType3 f;
    f.packetSize = 2900;
    feedAll(streamwire::packetsType3(picture, f)); // switches the size; this frame is garbled
    EXPECT_EQ(assembler.currentPacketSize(), 2900);
    f.frameId = 2;
    feedAll(streamwire::packetsType3(picture, f));
    ASSERT_FALSE(sink.frames.empty());
    EXPECT_EQ(sink.frames.back().bytes, picture);
}

} // namespace
