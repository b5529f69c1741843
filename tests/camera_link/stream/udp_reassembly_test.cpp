// Frame reassembly from both UDP packet formats, the shared packet size and
// the byte restoration of type-3 frames, fed datagram by datagram.

#include "recording_sink.h"
#include "stream/byte_restoration.h"
#include "stream/udp_frame_assembler.h"
#include "stream_wire.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    RecordingSink sink;
    qv::UdpFrameAssembler assembler{sink};
};

// ---- 0x66 ---------------------------------------------------------------

TEST_F(UdpReassemblyTest, Packet66InOrderGivesTheFrameWithItsHeader)
{
    Bytes picture = streamwire::testPicture(5000, 1);
    streamwire::Frame66 f;
    f.kind = 2;
    f.width = 1920;
    f.height = 1080;
    f.tilt = 0x80015F90;
    f.info = 0xCAFEF00D;
    auto packets = streamwire::packets66(picture, f);
    ASSERT_EQ(packets.size(), 4u);
    feedAll(packets);
    ASSERT_EQ(sink.frames.size(), 1u);
    const RecordedFrame &r = sink.frames[0];
    EXPECT_EQ(r.bytes, picture);
    EXPECT_EQ(r.kind, 2);
    EXPECT_EQ(r.info, 0xCAFEF00Du); // high word 0
    EXPECT_EQ(r.width, 1920);
    EXPECT_EQ(r.height, 1080);
    ASSERT_FALSE(sink.tiltWords.empty());
    EXPECT_EQ(sink.tiltWords.back(), 0x80015F90u);
}

TEST_F(UdpReassemblyTest, Packet66OutOfOrderStillAssembles)
{
    Bytes picture = streamwire::testPicture(6000, 2);
    auto p = streamwire::packets66(picture, {});
    ASSERT_EQ(p.size(), 5u);
    feedAll({p[2], p[0], p[4], p[3], p[1]});
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Packet66DuplicateIsDroppedUntilTheMissingOneArrives)
{
    Bytes picture = streamwire::testPicture(5000, 3);
    auto p = streamwire::packets66(picture, {});
    testing::internal::CaptureStdout();
    feedAll({p[0], p[1], p[1], p[3]});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 484: warn repeat data. \n");
    EXPECT_TRUE(sink.frames.empty());
    feed(p[2]);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Packet66DuplicateInSecondSlotHasItsOwnMessage)
{
    streamwire::Frame66 a, b;
    a.frameId = 1;
    b.frameId = 2;
    auto pa = streamwire::packets66(streamwire::testPicture(5000, 4), a);
    auto pb = streamwire::packets66(streamwire::testPicture(5000, 5), b);
    feed(pa[0]);
    feed(pb[0]);
    testing::internal::CaptureStdout();
    feed(pb[0]);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 521: warn repeat data. \n");
}

TEST_F(UdpReassemblyTest, Packet66FramesOf1500BytesOrLessAreNeverAssembled)
{
    for (size_t n : {1500u, 800u}) {
        streamwire::Frame66 f;
        f.packetSize = 700;
        feedAll(streamwire::packets66(streamwire::testPicture(n, 6), f));
    }
    EXPECT_TRUE(sink.frames.empty());
    // One byte more is a frame.
    streamwire::Frame66 f;
    f.packetSize = 700;
    f.frameId = 9;
    feedAll(streamwire::packets66(streamwire::testPicture(1501, 6), f));
    EXPECT_EQ(sink.frames.size(), 1u);
}

TEST_F(UdpReassemblyTest, Packet66ThirdFrameTakesOverTheSecondSlot)
{
    streamwire::Frame66 a, b, c;
    a.frameId = 1;
    b.frameId = 2;
    c.frameId = 3;
    Bytes pictureA = streamwire::testPicture(5000, 7);
    Bytes pictureB = streamwire::testPicture(5000, 8);
    Bytes pictureC = streamwire::testPicture(5000, 9);
    auto pa = streamwire::packets66(pictureA, a);
    auto pb = streamwire::packets66(pictureB, b);
    auto pc = streamwire::packets66(pictureC, c);
    feed(pa[0]); // slot A
    feed(pb[0]); // slot B
    feedAll(pc); // slot B again: frame 2 is gone
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, pictureC);
    // Completing a frame frees both slots, so frame 1 is gone as well.
    feedAll({pa[1], pa[2], pa[3], pb[1], pb[2], pb[3]});
    EXPECT_EQ(sink.frames.size(), 1u);
}

TEST_F(UdpReassemblyTest, Packet66TwoInterleavedFramesBothComplete)
{
    streamwire::Frame66 a, b;
    a.frameId = 10;
    b.frameId = 11;
    Bytes pictureA = streamwire::testPicture(4000, 10);
    Bytes pictureB = streamwire::testPicture(4000, 11);
    auto pa = streamwire::packets66(pictureA, a);
    auto pb = streamwire::packets66(pictureB, b);
    feedAll({pa[0], pb[0], pa[1], pb[1], pb[2]});
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, pictureB);
    // Both slots were cleared when frame 11 completed: frame 10 lost its start.
    feed(pa[2]);
    EXPECT_EQ(sink.frames.size(), 1u);
}

TEST_F(UdpReassemblyTest, Packet66FollowsThePacketSizeOfEachNewFrame)
{
    for (uint16_t size : {2900, 1388, 1390}) {
        streamwire::Frame66 f;
        f.packetSize = size;
        f.frameId = static_cast<uint8_t>(size);
        Bytes picture = streamwire::testPicture(9000, size);
        feedAll(streamwire::packets66(picture, f));
        ASSERT_FALSE(sink.frames.empty());
        EXPECT_EQ(sink.frames.back().bytes, picture) << size;
        EXPECT_EQ(assembler.currentPacketSize(), size);
    }
}

TEST_F(UdpReassemblyTest, Packet66RejectsPacketsOutsideTheFrameBuffer)
{
    Bytes picture = streamwire::testPicture(5000, 12);
    auto p = streamwire::packets66(picture, {});
    feed(p[0]);
    Bytes beyondFlags = p[1];
    beyondFlags[12] = 0x00;
    beyondFlags[13] = 0x04; // index 1024
    feed(beyondFlags);
    Bytes beyondBuffer = p[1];
    beyondBuffer[12] = 0xFF;
    beyondBuffer[13] = 0x02; // index 767: 767 * 1390 + 1390 > 1 MiB
    feed(beyondBuffer);
    Bytes claimsMore = p[1];
    claimsMore[14] = 0xFF;
    claimsMore[15] = 0x0F; // 4095 payload bytes in a 1414-byte datagram
    feed(claimsMore);
    Bytes tooShort(p[1].begin(), p[1].begin() + 20);
    feed(tooShort);
    EXPECT_TRUE(sink.frames.empty());
    // None of them was counted: the real packets still complete the frame.
    feedAll({p[1], p[2], p[3]});
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Packet66FrameAnnouncingMoreThanTheBufferIsIgnored)
{
    Bytes picture = streamwire::testPicture(5000, 13);
    auto p = streamwire::packets66(picture, {});
    for (auto &d : p) {
        d[4] = 0x01;
        d[5] = 0x00;
        d[6] = 0x10;
        d[7] = 0x00; // 0x100001 bytes
    }
    feedAll(p);
    EXPECT_TRUE(sink.frames.empty());
}

// ---- type 3 --------------------------------------------------------------

TEST_F(UdpReassemblyTest, Type3InOrderRestoresTheInvertedByte)
{
    Bytes picture = streamwire::testPicture(7000, 20);
    streamwire::FrameType3 f;
    f.kind = 4;
    f.width = 3840;
    f.height = 2880;
    f.tilt = 0x12345;
    f.info = 0x00ABCDEF;
    auto p = streamwire::packetsType3(picture, f);
    ASSERT_EQ(p.size(), 6u);
    feedAll(p);
    ASSERT_EQ(sink.frames.size(), 1u);
    const RecordedFrame &r = sink.frames[0];
    EXPECT_EQ(r.bytes, picture);
    EXPECT_EQ(r.kind, 4);
    EXPECT_EQ(r.info, 0x00ABCDEFu);
    EXPECT_EQ(r.width, 3840);
    EXPECT_EQ(r.height, 2880);
    EXPECT_EQ(sink.tiltWords.size(), 6u); // every type-3 packet carries it
    EXPECT_EQ(sink.tiltWords.back(), 0x12345u);
}

TEST_F(UdpReassemblyTest, Type3InfoWordIsSignExtended)
{
    Bytes picture = streamwire::testPicture(3000, 21);
    streamwire::FrameType3 f;
    f.info = 0x80000001;
    feedAll(streamwire::packetsType3(picture, f));
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].info, 0xFFFFFFFF80000001ull);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3WithoutRestorationFlagIsDeliveredAsSent)
{
    Bytes picture = streamwire::testPicture(3000, 22);
    streamwire::FrameType3 f;
    f.invertOneByte = false;
    feedAll(streamwire::packetsType3(picture, f));
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3OutOfOrderAndDuplicates)
{
    Bytes picture = streamwire::testPicture(5000, 23);
    auto p = streamwire::packetsType3(picture, {});
    ASSERT_EQ(p.size(), 4u);
    testing::internal::CaptureStdout();
    feedAll({p[3], p[1], p[3]});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 664: warn repeat data. \n");
    feed(p[0]);
    EXPECT_TRUE(sink.frames.empty());
    feed(p[2]);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3InterleavedFramesFillBothSlots)
{
    streamwire::FrameType3 a, b;
    a.frameId = 100;
    b.frameId = 101;
    Bytes pictureA = streamwire::testPicture(4000, 24);
    Bytes pictureB = streamwire::testPicture(4000, 25);
    auto pa = streamwire::packetsType3(pictureA, a);
    auto pb = streamwire::packetsType3(pictureB, b);
    for (size_t i = 0; i < pa.size(); ++i) {
        feed(pa[i]);
        feed(pb[i]);
    }
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[0].bytes, pictureA);
    EXPECT_EQ(sink.frames[1].bytes, pictureB);
}

TEST_F(UdpReassemblyTest, Type3ThirdFrameReplacesTheSmallerIdOnly)
{
    streamwire::FrameType3 a, b, c;
    a.frameId = 10;
    b.frameId = 11;
    c.frameId = 12;
    Bytes pictureA = streamwire::testPicture(4000, 26);
    Bytes pictureB = streamwire::testPicture(4000, 27);
    Bytes pictureC = streamwire::testPicture(4000, 28);
    auto pa = streamwire::packetsType3(pictureA, a);
    auto pb = streamwire::packetsType3(pictureB, b);
    auto pc = streamwire::packetsType3(pictureC, c);
    feed(pa[0]);
    feed(pb[0]);
    feed(pc[0]);
    feedAll({pb[1], pb[2]});
    feedAll({pc[1], pc[2]});
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[0].bytes, pictureB);
    EXPECT_EQ(sink.frames[1].bytes, pictureC);
}

TEST_F(UdpReassemblyTest, Type3SinglePacketFrameCompletesAtOnce)
{
    Bytes picture = streamwire::testPicture(900, 29);
    auto p = streamwire::packetsType3(picture, {});
    ASSERT_EQ(p.size(), 1u);
    feed(p[0]);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3OtherTypeWordsAreIgnored)
{
    streamwire::FrameType3 f;
    f.typeWord = 4;
    feedAll(streamwire::packetsType3(streamwire::testPicture(3000, 30), f));
    EXPECT_TRUE(sink.frames.empty());
    EXPECT_TRUE(sink.tiltWords.empty());
}

TEST_F(UdpReassemblyTest, Type3RejectsIndexesAndLengthsOutsideTheModel)
{
    Bytes picture = streamwire::testPicture(3000, 31);
    auto p = streamwire::packetsType3(picture, {});
    ASSERT_EQ(p.size(), 3u);
    Bytes indexZero = p[0];
    indexZero[33] = 0;
    indexZero[34] = 0;
    Bytes index1025 = p[0];
    index1025[33] = 0x01;
    index1025[34] = 0x04;
    Bytes pastBuffer = p[0];
    pastBuffer[33] = 0xFF;
    pastBuffer[34] = 0x02; // index 767 * 1390 past the frame data
    Bytes claimsMore = p[0];
    claimsMore[37] = 0xFF;
    claimsMore[38] = 0xFF;
    Bytes headerOnly(p[0].begin(), p[0].begin() + 50);
    feedAll({indexZero, index1025, pastBuffer, claimsMore, headerOnly});
    feedAll(p);
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(UdpReassemblyTest, Type3FramesWithImpossibleTotalsAreDropped)
{
    for (uint32_t total : {0u, 0x100000u - 1040u + 1u}) {
        streamwire::FrameType3 f;
        f.frameId = total + 1;
        auto p = streamwire::packetsType3(streamwire::testPicture(3000, 32), f);
        for (auto &d : p)
            for (int i = 0; i < 4; ++i)
                d[29 + i] = static_cast<uint8_t>(total >> (8 * i));
        feedAll(p);
    }
    EXPECT_TRUE(sink.frames.empty());
}

// ---- shared packet size --------------------------------------------------

TEST_F(UdpReassemblyTest, FiveFullDatagramsOfAnotherSizeSwitchThePacketSize)
{
    Bytes other(2951, 0);
    for (int i = 0; i < 4; ++i)
        feed(other);
    EXPECT_EQ(assembler.currentPacketSize(), 1390);
    testing::internal::CaptureStdout();
    feed(other);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QV: 568: udp set byte per packet size 2900 \n");
    EXPECT_EQ(assembler.currentPacketSize(), 2900);
}

TEST_F(UdpReassemblyTest, ADatagramOfTheCurrentSizeRestartsTheCount)
{
    Bytes other(1439, 0), current(1441, 0), shortOne(700, 0);
    for (int i = 0; i < 4; ++i)
        feed(other);
    feed(current);
    for (int i = 0; i < 4; ++i)
        feed(other);
    EXPECT_EQ(assembler.currentPacketSize(), 1390);
    feed(shortOne); // a frame's short last packet neither counts nor resets
    feed(other);
    EXPECT_EQ(assembler.currentPacketSize(), 1388);
}

TEST_F(UdpReassemblyTest, OnlyTheKnownFullLengthsCount)
{
    Bytes odd(2000, 0);
    for (int i = 0; i < 10; ++i)
        feed(odd);
    EXPECT_EQ(assembler.currentPacketSize(), 1390);
}

TEST_F(UdpReassemblyTest, Type3FramesAssembleAtTheSwitchedSize)
{
    Bytes picture = streamwire::testPicture(20000, 33);
    streamwire::FrameType3 f;
    f.packetSize = 2900;
    auto p = streamwire::packetsType3(picture, f);
    ASSERT_GE(p.size(), 6u);
    feedAll(p); // the first five full packets switch the size; that frame is garbled
    f.frameId = 2;
    feedAll(streamwire::packetsType3(picture, f));
    ASSERT_FALSE(sink.frames.empty());
    EXPECT_EQ(sink.frames.back().bytes, picture);
}

// ---- byte restoration positions --------------------------------------------

TEST(ByteRestorationTest, PositionsForOddAndEvenLengths)
{
    // Worked by hand from the rule: odd n: ((s^n)+n)^n mod n,
    // even n: ((s^n)+n+1)^n mod n, unsigned 32-bit.
    EXPECT_EQ(qv::invertedBytePosition(0, 5), 0u);      // (5+5)^5 = 15
    EXPECT_EQ(qv::invertedBytePosition(100, 7), 4u);    // (99+7)^7 = 109
    EXPECT_EQ(qv::invertedBytePosition(7, 10), 8u);     // (13+11)^10 = 18
    EXPECT_EQ(qv::invertedBytePosition(0xFFFFFFFF, 3), 0u); // sum wraps
    EXPECT_EQ(qv::invertedBytePosition(0x12345678, 1000), 945u);
    EXPECT_EQ(qv::invertedBytePosition(12345, 1), 0u);
}

TEST(ByteRestorationTest, FlipsExactlyThatByte)
{
    std::vector<uint8_t> frame(10, 0x0F);
    qv::restoreInvertedByte(frame.data(), 10, 7);
    for (size_t i = 0; i < frame.size(); ++i)
        EXPECT_EQ(frame[i], i == 8 ? 0xF0 : 0x0F) << i;
    qv::restoreInvertedByte(frame.data(), 0, 7); // nothing to restore, no division by zero
}

} // namespace
