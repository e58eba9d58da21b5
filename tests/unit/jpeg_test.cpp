#include <cstdio>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <vector>

#include "codec_test_support.h"
#include "platform/image/decode.h"
#include "platform/image/encode.h"
#include "platform/image/resample.h"

namespace kadrex {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::DeliveryRecorder;
using test::ExifBlock;

constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kSof0 = 0xC0;
constexpr std::uint8_t kSof1 = 0xC1;
constexpr std::uint8_t kSof2 = 0xC2;
constexpr std::uint8_t kDht = 0xC4;
constexpr std::uint8_t kDqt = 0xDB;
constexpr std::uint8_t kDri = 0xDD;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kApp1 = 0xE1;

Bytes Encoded(const Picture& picture, int qualityValue) {
  Bytes jpeg;
  EXPECT_TRUE(EncodeJpeg(picture, qualityValue, jpeg));
  return jpeg;
}

Picture Decoded(const Bytes& jpeg) {
  PictureSink sink;
  EXPECT_TRUE(DecodeJpeg(jpeg, sink));
  return std::move(sink).Result();
}

int LargestDifference(const Picture& a, const Picture& b) {
  int largest = 0;
  for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    largest = std::max(largest, std::abs(a.pixels[i] - b.pixels[i]));
  }
  return largest;
}

// ---- The encoder's markers.

struct Segment {
  std::uint8_t marker;
  std::size_t offset;  // of the 0xFF
  Bytes payload;
};

unsigned LoadU16Be(const std::uint8_t* p) { return p[0] << 8 | p[1]; }

// The segments after SOI up to and including the first SOS.
std::vector<Segment> ReadSegments(const Bytes& jpeg) {
  std::vector<Segment> segments;
  EXPECT_TRUE(jpeg.size() >= 2 && jpeg[0] == 0xFF && jpeg[1] == kSoi);
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const std::size_t length = LoadU16Be(&jpeg[at + 2]);
    if (length < 2 || at + 2 + length > jpeg.size()) break;
    segments.push_back({jpeg[at + 1], at, Bytes(&jpeg[at + 4], &jpeg[at + 2 + length])});
    at += 2 + length;
    if (segments.back().marker == kSos) break;
  }
  return segments;
}

const Segment* FindSegment(const std::vector<Segment>& segments, std::uint8_t marker) {
  for (const Segment& segment : segments) {
    if (segment.marker == marker) return &segment;
  }
  return nullptr;
}

bool IsFrameMarker(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != kDht && marker != 0xC8 && marker != 0xCC;
}

TEST(JpegEncode, QualityValueScalesTheTablesAndLowValuesLeaveBaseline) {
  struct Quality {
    int value;
    std::array<int, 2> precisions;  // Pq of the luminance and chrominance DQT: 1 = 16-bit
    std::uint8_t frame;
    unsigned lumaDc;  // the first luminance entry: 16 scaled by the quality
  };
  const Quality qualities[] = {
      {-3, {1, 1}, kSof1, 800}, {0, {1, 1}, kSof1, 800}, {1, {1, 1}, kSof1, 80},
      {2, {1, 0}, kSof1, 40},   {3, {0, 0}, kSof0, 27},  {5, {0, 0}, kSof0, 16},
      {10, {0, 0}, kSof0, 1},   {14, {0, 0}, kSof0, 1},
  };
  const Picture picture = test::RampPicture(24, 16);
  for (const Quality& quality : qualities) {
    SCOPED_TRACE(testing::Message() << "quality value " << quality.value);
    const std::vector<Segment> segments = ReadSegments(Encoded(picture, quality.value));
    std::vector<int> tables;
    for (const Segment& segment : segments) {
      if (IsFrameMarker(segment.marker)) {
        EXPECT_EQ(segment.marker, quality.frame);
      }
      if (segment.marker != kDqt) continue;
      ASSERT_FALSE(segment.payload.empty());
      const int precision = segment.payload[0] >> 4;
      const int table = segment.payload[0] & 0x0F;
      ASSERT_LT(table, 2);
      EXPECT_EQ(precision, quality.precisions[table]) << "table " << table;
      if (table == 0) {
        const std::uint8_t* first = &segment.payload[1];
        EXPECT_EQ(precision == 1 ? LoadU16Be(first) : first[0], quality.lumaDc);
      }
      tables.push_back(table);
    }
    EXPECT_EQ(tables, (std::vector<int>{0, 1}));
  }
}

TEST(JpegEncode, WritesJfif101With420SamplingStandardTablesAndNoRestarts) {
  const Bytes jpeg = Encoded(test::RampPicture(40, 24), 7);
  const std::vector<Segment> segments = ReadSegments(jpeg);
  ASSERT_FALSE(segments.empty());

  const Bytes& jfif = segments.front().payload;
  ASSERT_EQ(segments.front().marker, kApp0);
  ASSERT_GE(jfif.size(), 14u);
  EXPECT_EQ(Bytes(jfif.begin(), jfif.begin() + 5), (Bytes{'J', 'F', 'I', 'F', 0}));
  EXPECT_EQ(jfif[5], 1);  // version 1.01
  EXPECT_EQ(jfif[6], 1);
  EXPECT_EQ(jfif[7], 0);  // density unit 0: no unit, the densities only shape the pixel
  EXPECT_EQ(LoadU16Be(&jfif[8]), 1u);
  EXPECT_EQ(LoadU16Be(&jfif[10]), 1u);

  const Segment* frame = FindSegment(segments, kSof0);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->payload, (Bytes{8, 0, 24, 0, 40, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));

  // The standard tables: 12 DC and 162 AC symbols each, for luminance and chrominance.
  std::vector<std::size_t> huffmanSizes;
  for (const Segment& segment : segments) {
    if (segment.marker == kDht) huffmanSizes.push_back(segment.payload.size());
  }
  EXPECT_EQ(huffmanSizes,
            (std::vector<std::size_t>{1 + 16 + 12, 1 + 16 + 162, 1 + 16 + 12, 1 + 16 + 162}));

  const Segment& scan = segments.back();
  ASSERT_EQ(scan.marker, kSos);
  EXPECT_EQ(scan.payload, (Bytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));  // one sequential scan
  EXPECT_EQ(FindSegment(segments, kDri), nullptr);
  for (std::size_t i = scan.offset + 2 + 2 + scan.payload.size(); i + 1 < jpeg.size(); ++i) {
    ASSERT_FALSE(jpeg[i] == 0xFF && jpeg[i + 1] >= 0xD0 && jpeg[i + 1] <= 0xD7)
        << "restart marker at " << i;
  }
  EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  EXPECT_EQ(jpeg.back(), 0xD9);
}

TEST(JpegEncode, RoundTripsCloselyTopRowFirst) {
  const Picture picture = test::RampPicture(48, 32);
  const Picture decoded = Decoded(Encoded(picture, 10));
  ASSERT_EQ(decoded.width, 48);
  ASSERT_EQ(decoded.height, 32);
  EXPECT_LE(LargestDifference(decoded, picture), 6);
}

TEST(JpegEncode, RefusesAnEmptyPicture) {
  Bytes jpeg{1, 2, 3};
  EXPECT_FALSE(EncodeJpeg(Picture{}, 10, jpeg));
  EXPECT_TRUE(jpeg.empty());
}

// ---- Files made with libjpeg directly, for what our encoder does not write.

Bytes EncodeWithLibjpeg(int width, int height, int components, J_COLOR_SPACE inputSpace,
                        const Bytes& samples,
                        const std::function<void(jpeg_compress_struct&)>& set) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = inputSpace;
  jpeg_set_defaults(&cinfo);
  set(cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&samples[cinfo.next_scanline * width * components]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes jpeg(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&cinfo);
  return jpeg;
}

TEST(JpegDecode, CmykAndYcckBecomeTheColoursTheInksMake) {
  // Two 8 x 8 patches, as inverted inks (255 = no ink) the way Adobe writers store them.
  const std::uint8_t patches[2][4] = {{255, 0, 255, 255}, {200, 100, 50, 128}};
  const std::uint8_t expected[2][3] = {{255, 0, 255}, {100, 50, 25}};
  struct InkFile {
    const char* name;
    J_COLOR_SPACE space;
    bool adobe;  // without the Adobe marker the inks are stored plain
  };
  const InkFile files[] = {{"Adobe CMYK", JCS_CMYK, true},
                           {"Adobe YCCK", JCS_YCCK, true},
                           {"plain CMYK", JCS_CMYK, false}};
  for (const InkFile& file : files) {
    SCOPED_TRACE(file.name);
    Bytes inks;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 16; ++x) {
        for (std::uint8_t ink : patches[x / 8]) inks.push_back(file.adobe ? ink : 255 - ink);
      }
    }
    const Bytes jpeg = EncodeWithLibjpeg(16, 8, 4, JCS_CMYK, inks, [&](jpeg_compress_struct& c) {
      jpeg_set_colorspace(&c, file.space);
      c.write_Adobe_marker = file.adobe;
      for (int i = 0; i < c.num_components; ++i) {
        c.comp_info[i].h_samp_factor = 1;
        c.comp_info[i].v_samp_factor = 1;
      }
      jpeg_set_quality(&c, 100, TRUE);
    });
    const Picture picture = Decoded(jpeg);
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 8);
    for (int patch = 0; patch < 2; ++patch) {
      const std::uint8_t* rgb = picture.Row(4) + 3 * (8 * patch + 4);
      for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(rgb[c], expected[patch][c], 3) << "patch " << patch << " channel " << c;
      }
    }
  }
}

TEST(JpegDecode, GreyscaleComesOutAsRgb) {
  Bytes grey(16 * 8);
  for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<std::uint8_t>(i * 2);
  const Picture picture = Decoded(EncodeWithLibjpeg(
      16, 8, 1, JCS_GRAYSCALE, grey, [](auto& c) { jpeg_set_quality(&c, 100, TRUE); }));
  ASSERT_EQ(picture.width, 16);
  ASSERT_EQ(picture.height, 8);
  for (std::size_t i = 0; i < grey.size(); ++i) {
    const std::uint8_t* rgb = &picture.pixels[3 * i];
    EXPECT_NEAR(rgb[0], grey[i], 2);
    EXPECT_EQ(rgb[1], rgb[0]);
    EXPECT_EQ(rgb[2], rgb[0]);
  }
}

// Progressive scans of one coefficient each; with successive approximation every band
// takes 11 scans.
std::vector<jpeg_scan_info> SingleCoefficientScans(bool successiveApproximation) {
  const int firstBit = successiveApproximation ? 10 : 0;
  std::vector<jpeg_scan_info> scans;
  auto add = [&](int components, int component, int band) {
    for (int bit = firstBit; bit >= 0; --bit) {
      jpeg_scan_info scan{};
      scan.comps_in_scan = components;
      for (int i = 0; i < components; ++i) scan.component_index[i] = component + i;
      scan.Ss = band;
      scan.Se = band;
      scan.Ah = bit == firstBit ? 0 : bit + 1;
      scan.Al = bit;
      scans.push_back(scan);
    }
  };
  add(3, 0, 0);
  for (int component = 0; component < 3; ++component) {
    for (int band = 1; band < 64; ++band) add(1, component, band);
  }
  return scans;
}

// Valid files both: 190 scans still load, 2090 are refused.
TEST(JpegDecode, RefusesFilesWithThousandsOfScans) {
  const Picture picture = test::RampPicture(16, 16);
  for (bool successiveApproximation : {false, true}) {
    const std::vector<jpeg_scan_info> script = SingleCoefficientScans(successiveApproximation);
    SCOPED_TRACE(testing::Message() << script.size() << " scans");
    const Bytes jpeg = EncodeWithLibjpeg(16, 16, 3, JCS_RGB, picture.pixels, [&](auto& c) {
      c.scan_info = script.data();
      c.num_scans = static_cast<int>(script.size());
    });
    PictureSink sink;
    EXPECT_EQ(DecodeJpeg(jpeg, sink), !successiveApproximation);
  }
}

// ---- Damaged files.

TEST(JpegDecode, TruncatedDataKeepsWhatWasDecodedAndFillsGrey) {
  const Bytes full = Encoded(test::NoisePicture(64, 64), 8);
  const Picture whole = Decoded(full);
  const Picture cut = Decoded(Bytes(full.begin(), full.begin() + full.size() * 6 / 10));
  ASSERT_EQ(cut.width, 64);
  ASSERT_EQ(cut.height, 64);
  for (int y = 0; y < 8; ++y) {
    EXPECT_TRUE(std::equal(cut.Row(y), cut.Row(y) + cut.RowBytes(), whole.Row(y))) << "row " << y;
  }
  const std::uint8_t* last = cut.Row(63) + 3 * 63;
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(last[c], 128, 1);
}

TEST(JpegDecode, FailsWhenTheHeaderIsBroken) {
  const Bytes valid = Encoded(test::RampPicture(16, 16), 5);
  const std::vector<Segment> segments = ReadSegments(valid);
  const Segment* frame = FindSegment(segments, kSof0);
  ASSERT_NE(frame, nullptr);
  Bytes garbage{0xFF, kSoi};
  garbage.resize(200, 0x55);

  struct Broken {
    const char* name;
    Bytes bytes;
  };
  const Broken files[] = {
      {"empty", {}},
      {"only SOI", {0xFF, kSoi}},
      {"garbage after SOI", garbage},
      {"cut in the tables", Bytes(valid.begin(), valid.begin() + 60)},
      {"cut in the frame header", Bytes(valid.begin(), valid.begin() + frame->offset + 7)},
      {"cut before the scan", Bytes(valid.begin(), valid.begin() + segments.back().offset)},
  };
  for (const Broken& file : files) {
    SCOPED_TRACE(file.name);
    DeliveryRecorder sink;
    EXPECT_FALSE(DecodeJpeg(file.bytes, sink));
    EXPECT_EQ(sink.begins + sink.takes, 0);
  }
}

TEST(JpegDecode, RefusesFramesBeyondThePictureLimits) {
  const Bytes valid = Encoded(test::RampPicture(16, 16), 5);
  const std::vector<Segment> segments = ReadSegments(valid);
  const Segment* frame = FindSegment(segments, kSof0);
  ASSERT_NE(frame, nullptr);
  struct Claim {
    unsigned width;
    unsigned height;
  };
  for (const Claim claim : {Claim{60000, 60000}, Claim{65500, 3100}, Claim{0, 16}}) {
    SCOPED_TRACE(testing::Message() << claim.width << " x " << claim.height);
    Bytes giant = valid;
    std::uint8_t* size = &giant[frame->offset + 5];
    size[0] = claim.height >> 8;
    size[1] = claim.height & 0xFF;
    size[2] = claim.width >> 8;
    size[3] = claim.width & 0xFF;
    test::RefusingSink sink;
    EXPECT_FALSE(DecodeJpeg(giant, sink));
    EXPECT_EQ(sink.begins + sink.takes, 0) << "refused before the sink hears of it";
  }
}

TEST(JpegDecode, StreamsRowsAndStopsWhenTheSinkRefuses) {
  const Bytes jpeg = Encoded(test::RampPicture(20, 40), 6);
  DeliveryRecorder recorder;
  ASSERT_TRUE(DecodeJpeg(jpeg, recorder));
  EXPECT_EQ(recorder.begins, 1);
  EXPECT_EQ(recorder.rows, 40);
  EXPECT_EQ(recorder.takes, 0);

  test::RefusingSink refusing;
  EXPECT_FALSE(DecodeJpeg(jpeg, refusing));
  EXPECT_EQ(refusing.asked, (std::vector<std::pair<int, int>>{{20, 40}}));
  EXPECT_EQ(refusing.begins + refusing.rows, 0);
}

// Accepts any size and keeps nothing.
class CountingSink final : public RowSink {
 public:
  bool Begin(int, int) override { return true; }
  void Row(const std::uint8_t*) override { ++rows; }
  int rows = 0;
};

TEST(JpegDecode, BoundsTheMemoryOfProgressiveFrames) {
  // Four full-resolution components: a progressive file keeps 8 bytes of coefficients a
  // pixel, 800 MB for a frame of 10000 x 10000, however little data follows.
  const Bytes inks(16 * 16 * 4, 100);
  const Bytes small = EncodeWithLibjpeg(16, 16, 4, JCS_CMYK, inks, [](jpeg_compress_struct& c) {
    jpeg_set_colorspace(&c, JCS_CMYK);
    for (int i = 0; i < c.num_components; ++i) {
      c.comp_info[i].h_samp_factor = 1;
      c.comp_info[i].v_samp_factor = 1;
    }
    jpeg_simple_progression(&c);
  });
  const std::vector<Segment> segments = ReadSegments(small);
  const Segment* frame = FindSegment(segments, kSof2);
  ASSERT_NE(frame, nullptr);
  for (const unsigned side : {2000u, 10000u}) {
    SCOPED_TRACE(side);
    Bytes claimed = small;
    std::uint8_t* size = &claimed[frame->offset + 5];
    size[0] = size[2] = static_cast<std::uint8_t>(side >> 8);
    size[1] = size[3] = side & 0xFF;
    CountingSink sink;
    EXPECT_EQ(DecodeJpeg(claimed, sink), side == 2000);
    EXPECT_EQ(sink.rows, side == 2000 ? 2000 : 0);
  }
}

// ---- EXIF orientation.

Bytes WithApp1(const Bytes& jpeg, const Bytes& payload) {
  Bytes out(jpeg.begin(), jpeg.begin() + 2);
  const std::size_t length = payload.size() + 2;
  out.insert(out.end(), {0xFF, kApp1, static_cast<std::uint8_t>(length >> 8),
                         static_cast<std::uint8_t>(length & 0xFF)});
  out.insert(out.end(), payload.begin(), payload.end());
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

Bytes ExifSaying(std::uint16_t orientation) {
  ExifBlock block;
  block.orientation = orientation;
  return block.Build();
}

// The stored pixel that shows at (x, y) of the upright picture, from what each
// orientation value says of the stored picture's first row and column.
const std::uint8_t* StoredPixel(const Picture& stored, int orientation, int x, int y) {
  const int w = stored.width;
  const int h = stored.height;
  struct Source {
    int x;
    int y;
  };
  const Source sources[] = {
      {x, y},                  // 1: as stored
      {w - 1 - x, y},          // 2: first column on the right
      {w - 1 - x, h - 1 - y},  // 3: first row at the bottom, first column on the right
      {x, h - 1 - y},          // 4: first row at the bottom
      {y, x},                  // 5: first row on the left, first column at the top
      {y, h - 1 - x},          // 6: first row on the right, first column at the top
      {w - 1 - y, h - 1 - x},  // 7: first row on the right, first column at the bottom
      {w - 1 - y, x},          // 8: first row on the left, first column at the bottom
  };
  const Source source = sources[orientation - 1];
  return stored.Row(source.y) + 3 * source.x;
}

TEST(JpegDecode, ShowsEveryExifOrientationUpright) {
  const Bytes plain = Encoded(test::RampPicture(7, 5), 10);
  const Picture stored = Decoded(plain);
  ASSERT_EQ(stored.width, 7);
  for (std::uint16_t orientation = 1; orientation <= 8; ++orientation) {
    SCOPED_TRACE(testing::Message() << "orientation " << orientation);
    DeliveryRecorder sink;
    ASSERT_TRUE(DecodeJpeg(WithApp1(plain, ExifSaying(orientation)), sink));
    const bool swapped = orientation >= 5;
    EXPECT_EQ(sink.takes, 0) << "turned rows stream too";
    EXPECT_EQ(sink.rows, swapped ? 7 : 5);
    const Picture upright = std::move(sink).Result();
    ASSERT_EQ(upright.width, swapped ? 5 : 7);
    ASSERT_EQ(upright.height, swapped ? 7 : 5);
    int wrong = 0;
    for (int y = 0; y < upright.height; ++y) {
      for (int x = 0; x < upright.width; ++x) {
        wrong += !std::equal(upright.Row(y) + 3 * x, upright.Row(y) + 3 * x + 3,
                             StoredPixel(stored, orientation, x, y));
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(JpegDecode, TurningWhileResizingGivesThePixelsOfTurningThenResizing) {
  const Bytes plain = Encoded(test::NoisePicture(37, 23), 10);
  for (std::uint16_t orientation = 1; orientation <= 8; ++orientation) {
    for (const auto& [width, height] : {std::pair{11, 7}, {50, 60}}) {
      SCOPED_TRACE(testing::Message()
                   << "orientation " << orientation << ", " << width << "x" << height);
      const Bytes file = WithApp1(plain, ExifSaying(orientation));
      Picture expected = Decoded(file);
      ASSERT_TRUE(ResizePicture(expected, width, height));
      AreaResampler resampler(width, height);
      ASSERT_TRUE(DecodeJpeg(file, resampler));
      EXPECT_TRUE(test::SamePicture(std::move(resampler).Result(), expected));
    }
  }
}

TEST(JpegDecode, ATurnedPictureIsRefusedBeforeItIsBuilt) {
  const Bytes turned = WithApp1(Encoded(test::RampPicture(7, 5), 10), ExifSaying(6));
  test::RefusingSink sink;
  EXPECT_FALSE(DecodeJpeg(turned, sink));
  EXPECT_EQ(sink.asked, (std::vector<std::pair<int, int>>{{5, 7}})) << "the upright size";
  EXPECT_EQ(sink.begins + sink.takes, 0);
}

TEST(JpegDecode, TakesTheFirstExifBlockAndIgnoresBrokenOnes) {
  const Bytes plain = Encoded(test::RampPicture(7, 5), 10);
  const Picture stored = Decoded(plain);
  const Bytes xmp{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0, '<', 'x', '/', '>'};
  ExifBlock pastTheEnd;
  pastTheEnd.orientation = 6;
  pastTheEnd.ifd0 = 0xFFFFFFF0;

  DeliveryRecorder behindXmp;
  ASSERT_TRUE(DecodeJpeg(WithApp1(WithApp1(plain, ExifSaying(6)), xmp), behindXmp));
  EXPECT_EQ(std::move(behindXmp).Result().width, 5);

  DeliveryRecorder broken;
  ASSERT_TRUE(DecodeJpeg(WithApp1(plain, pastTheEnd.Build()), broken));
  EXPECT_EQ(broken.takes, 0);
  EXPECT_TRUE(test::SamePicture(std::move(broken).Result(), stored));
}

}  // namespace
}  // namespace kadrex
