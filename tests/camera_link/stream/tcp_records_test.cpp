// SPDX-License-Identifier: GPL-3.0-or-later

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

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

class TcpRecordsTest : public testing::Test {
protected:
    void feed(const Bytes &stream, size_t chunk = SIZE_MAX)
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
        feed(stream, chunk);
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
    for (uint8_t code : {0, 2, 3, 5}) {
        streamwire::Record r;
        r.kindCode = code;
        feed(streamwire::boundaryRecord(streamwire::testPicture(3000, 2), r));
    }
    ASSERT_EQ(sink.frames.size(), 4u);
    for (const auto &f : sink.frames)
        EXPECT_EQ(f.kind, 1);
}

TEST_F(TcpRecordsTest, OnlyBytesAfterAnEndMarkerInTheLastSixteenPayloadBytesAreTrimmed)
{
    const Bytes picture = streamwire::testPicture(3000, 3);
    Bytes noStart = picture;
    noStart[1] = 0xD7;
    struct Case {
        const char *what;
        Bytes payload;
        Bytes expected;
        uint32_t tilt;
    };
    const Case cases[] = {
        {"trailing bytes", join({picture, Bytes{0, 0x11, 0x22, 0x33, 0x44}}), picture, 0},
        {"end marker 17th-last", join({picture, Bytes(15, 0)}), join({picture, Bytes(15, 0)}), 0},
        {"no start marker", join({noStart, Bytes{1, 2, 3}}), join({noStart, Bytes{1, 2, 3}}), 0},
        // A 3-byte payload: the last 16 bytes are mostly header, whose tilt
        // word holds an FF D9 pair. Only a pair inside the payload may cut.
        {"pair in the header", Bytes{0xFF, 0xD8, 0x00}, Bytes{0xFF, 0xD8, 0x00}, 0x0000D9FF},
    };
    for (const Case &c : cases) {
        sink.frames.clear();
        streamwire::Record r;
        r.tilt = c.tilt;
        feed(streamwire::boundaryRecord(c.payload, r));
        ASSERT_EQ(sink.frames.size(), 1u) << c.what;
        EXPECT_EQ(sink.frames[0].bytes, c.expected) << c.what;
    }
}

TEST_F(TcpRecordsTest, SecondStreamRecordsPassUnchanged)
{
    Bytes payload = streamwire::testPicture(2000, 6);
    streamwire::Record r;
    r.type = 1;
    r.kindCode = 4;
    feed(streamwire::boundaryRecord(payload, r));
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_TRUE(sink.frames[0].unchanged);
    EXPECT_EQ(sink.frames[0].bytes, payload); // no byte flipped back
    EXPECT_EQ(sink.frames[0].kind, 4);
}

TEST_F(TcpRecordsTest, InvalidRecordsAreRejected)
{
    Bytes payload = streamwire::testPicture(500, 7);
    streamwire::Record video, other;
    other.type = 2;
    feed(join({streamwire::boundaryRecordWithLength(payload, video, 499),
               streamwire::boundaryRecordWithLength({}, video, 0),
               streamwire::boundaryRecord(payload, other),
               text("BoundaryS"), Bytes(10, 0x01), text("BoundaryE")})); // shorter than a header
    EXPECT_TRUE(sink.frames.empty());
    // The tilt word is taken even from a rejected record that has a header.
    EXPECT_EQ(sink.tiltWords.size(), 3u);
}

TEST_F(TcpRecordsTest, StrayAndBrokenMarkersAreSkipped)
{
    Bytes picture = streamwire::testPicture(3000, 8);
    Bytes record = streamwire::boundaryRecord(picture, {});
    feed(join({text("garbage Bound Boundar BoundaryE BoundaryX"), record, text("BoundaryE"),
               // After "Boundary" only 'E' or 'S' act: "BoundaryxxS" starts a record.
               text("Boundaryxx"), Bytes(record.begin() + 8, record.end()),
               // A new start marker abandons an unfinished record.
               text("BoundaryS"), Bytes(100, 0x01), record}));
    ASSERT_EQ(sink.frames.size(), 3u);
    for (const auto &f : sink.frames)
        EXPECT_EQ(f.bytes, picture);
}

TEST(BoundaryParserTest, OversizedRecordIsDiscardedAndTheNextOneParsed)
{
    std::vector<Bytes> records;
    qv::BoundaryParser parser([&](uint8_t *r, size_t n) { records.emplace_back(r, r + n); }, 200);
    Bytes big = join({text("BoundaryS"), Bytes(300, 0x01), text("BoundaryE")});
    Bytes fits = join({text("BoundaryS"), Bytes(150, 0x02), text("BoundaryE")});
    Bytes exact = join({text("BoundaryS"), Bytes(191, 0x03), text("BoundaryE")}); // 191 + 9 = 200
    for (size_t chunk : {size_t{1}, size_t{64}, size_t{1000}}) {
        Bytes s = join({big, fits, big, exact});
        for (size_t off = 0; off < s.size(); off += chunk)
            parser.feed(s.data() + off, std::min(chunk, s.size() - off));
    }
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
    const size_t longest = 0x300000 - 9;
    Bytes s = join({text("BoundaryS"), Bytes(longest, 0x01), text("BoundaryE")});
    parser.feed(s.data(), s.size());
    EXPECT_EQ(lengths, std::vector<size_t>{longest});
}

} // namespace
