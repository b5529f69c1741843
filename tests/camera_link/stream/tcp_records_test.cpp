// The TCP side's byte-level path: boundary markers cut records out of an
// arbitrarily chunked stream, the record decoder validates them, restores
// the flipped byte and trims what follows the JPEG end marker.

#include "recording_sink.h"
#include "stream/boundary_parser.h"
#include "stream/record_decoder.h"
#include "stream_wire.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using streamwire::Bytes;

Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class TcpRecordsTest : public testing::Test {
protected:
    void feedInChunks(const Bytes &stream, size_t chunk)
    {
        for (size_t off = 0; off < stream.size(); off += chunk)
            parser.feed(stream.data() + off, std::min(chunk, stream.size() - off));
    }
    RecordingSink sink;
    qv::RecordDecoder decoder{sink};
    qv::BoundaryParser parser{[this](uint8_t *r, size_t n) { decoder.decode(r, n); }};
};

TEST_F(TcpRecordsTest, VideoRecordYieldsThePictureWhateverTheChunking)
{
    Bytes picture = streamwire::testPicture(20000, 1);
    streamwire::Record r;
    r.kindCode = 4;
    r.tilt = 0x80000001;
    r.width = 1280;
    r.height = 720;
    Bytes stream = join({streamwire::boundaryRecord(picture, r), streamwire::boundaryRecord(picture, r)});
    for (size_t chunk : {stream.size(), size_t{1}, size_t{7}, size_t{4096}}) {
        sink.frames.clear();
        feedInChunks(stream, chunk);
        ASSERT_EQ(sink.frames.size(), 2u) << chunk;
        for (const auto &f : sink.frames) {
            EXPECT_EQ(f.bytes, picture);
            EXPECT_EQ(f.kind, 4);
            EXPECT_EQ(f.info, 0u);
            EXPECT_EQ(f.width, 1280);
            EXPECT_EQ(f.height, 720);
            EXPECT_FALSE(f.unchanged);
        }
    }
    EXPECT_EQ(sink.tiltWords.back(), 0x80000001u);
}

TEST_F(TcpRecordsTest, KindCodesOtherThanFourBecomeOne)
{
    Bytes picture = streamwire::testPicture(3000, 2);
    for (uint8_t code : {0, 2, 3, 5}) {
        streamwire::Record r;
        r.kindCode = code;
        Bytes s = streamwire::boundaryRecord(picture, r);
        parser.feed(s.data(), s.size());
    }
    ASSERT_EQ(sink.frames.size(), 4u);
    for (const auto &f : sink.frames)
        EXPECT_EQ(f.kind, 1);
}

TEST_F(TcpRecordsTest, BytesAfterTheEndMarkerAreTrimmed)
{
    Bytes picture = streamwire::testPicture(3000, 3);
    Bytes padded = join({picture, Bytes{0x00, 0x11, 0x22, 0x33, 0x44}});
    Bytes s = streamwire::boundaryRecord(padded, {});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(TcpRecordsTest, EndMarkerFurtherBackThanSixteenBytesIsNotSearchedFor)
{
    Bytes picture = streamwire::testPicture(3000, 4);
    Bytes padded = join({picture, Bytes(15, 0x00)}); // FF D9 now 17th-last
    Bytes s = streamwire::boundaryRecord(padded, {});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, padded);
}

TEST_F(TcpRecordsTest, NoTrimWithoutTheJpegStartMarker)
{
    Bytes picture = streamwire::testPicture(3000, 5);
    picture[1] = 0xD7;
    Bytes padded = join({picture, Bytes{1, 2, 3}});
    Bytes s = streamwire::boundaryRecord(padded, {});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, padded);
}

TEST_F(TcpRecordsTest, TrimNeverReachesIntoTheHeader)
{
    // A 3-byte payload: the last 16 bytes are mostly header, whose tilt word
    // holds an FF D9 pair. Only a pair inside the payload may cut it.
    Bytes payload{0xFF, 0xD8, 0x00};
    streamwire::Record r;
    r.tilt = 0x0000D9FF;
    Bytes s = streamwire::boundaryRecord(payload, r);
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, payload);
}

TEST_F(TcpRecordsTest, SecondStreamRecordsPassUnchanged)
{
    Bytes payload = streamwire::testPicture(2000, 6);
    streamwire::Record r;
    r.type = 1;
    r.kindCode = 4;
    Bytes s = streamwire::boundaryRecord(payload, r);
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_TRUE(sink.frames[0].unchanged);
    EXPECT_EQ(sink.frames[0].bytes, payload); // no byte flipped back
    EXPECT_EQ(sink.frames[0].kind, 4);
}

TEST_F(TcpRecordsTest, InvalidRecordsAreRejectedWithTheirLength)
{
    Bytes payload = streamwire::testPicture(500, 7);
    streamwire::Record video, other;
    other.type = 2;
    testing::internal::CaptureStdout();
    Bytes wrongLength = streamwire::boundaryRecordWithLength(payload, video, 499);
    Bytes zeroLength = streamwire::boundaryRecordWithLength({}, video, 0);
    Bytes notVideo = streamwire::boundaryRecord(payload, other);
    Bytes tiny = join({text("BoundaryS"), Bytes(10, 0x01), text("BoundaryE")});
    for (const Bytes *s : {&wrongLength, &zeroLength, &notVideo, &tiny})
        parser.feed(s->data(), s->size());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "QV: 276: stream type is not video 500 \n"
              "QV: 276: stream type is not video 0 \n"
              "QV: 276: stream type is not video 500 \n"
              "QV: 276: stream type is not video -22 \n");
    EXPECT_TRUE(sink.frames.empty());
    // The tilt word is taken even from a rejected record that has a header.
    EXPECT_EQ(sink.tiltWords.size(), 3u);
}

TEST_F(TcpRecordsTest, StrayBytesBetweenRecordsAreSkipped)
{
    Bytes picture = streamwire::testPicture(3000, 8);
    Bytes s = join({text("garbage Bound Boundar BoundaryE BoundaryX"), streamwire::boundaryRecord(picture, {}),
                    text("BoundaryE"), streamwire::boundaryRecord(picture, {})});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[1].bytes, picture);
}

TEST_F(TcpRecordsTest, MarkerTextFollowedByOtherBytesKeepsWaiting)
{
    // After "Boundary" only 'E' or 'S' act; other bytes keep the parser at
    // the marker, so "BoundaryxxS" still starts a record.
    Bytes picture = streamwire::testPicture(3000, 9);
    Bytes record = streamwire::boundaryRecord(picture, {});
    Bytes s = join({text("Boundaryxx"), Bytes(record.begin() + 8, record.end())});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST_F(TcpRecordsTest, NewStartMarkerAbandonsAnUnfinishedRecord)
{
    Bytes picture = streamwire::testPicture(3000, 10);
    Bytes s = join({text("BoundaryS"), Bytes(100, 0x01), streamwire::boundaryRecord(picture, {})});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].bytes, picture);
}

TEST(BoundaryParserTest, OversizedRecordIsDiscardedAndTheNextOneParsed)
{
    std::vector<Bytes> records;
    qv::BoundaryParser parser([&](uint8_t *r, size_t n) { records.emplace_back(r, r + n); }, 200);
    Bytes big = join({text("BoundaryS"), Bytes(300, 0x01), text("BoundaryE")});
    Bytes fits = join({text("BoundaryS"), Bytes(150, 0x02), text("BoundaryE")});
    Bytes exact = join({text("BoundaryS"), Bytes(191, 0x03), text("BoundaryE")}); // 191 + 9 = 200
    testing::internal::CaptureStdout();
    for (size_t chunk : {size_t{1}, size_t{64}, size_t{1000}}) {
        Bytes s = join({big, fits, big, exact});
        for (size_t off = 0; off < s.size(); off += chunk)
            parser.feed(s.data() + off, std::min(chunk, s.size() - off));
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("QV: 312: "), std::string::npos);
    ASSERT_EQ(records.size(), 6u);
    for (size_t i = 0; i < records.size(); i += 2) {
        EXPECT_EQ(records[i], Bytes(150, 0x02));
        EXPECT_EQ(records[i + 1], Bytes(191, 0x03));
    }
}

TEST(BoundaryParserTest, FullSizeBufferTakesARecordOfThreeMebibytes)
{
    std::vector<size_t> lengths;
    qv::BoundaryParser parser([&](uint8_t *, size_t n) { lengths.push_back(n); });
    Bytes s = join({text("BoundaryS"), Bytes(qv::BoundaryParser::kRecordBufferBytes - 9, 0x01),
                    text("BoundaryE")});
    parser.feed(s.data(), s.size());
    ASSERT_EQ(lengths.size(), 1u);
    EXPECT_EQ(lengths[0], qv::BoundaryParser::kRecordBufferBytes - 9);
}

} // namespace
