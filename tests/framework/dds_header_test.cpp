// parseDds on hand-made headers: every accepted block format, the extent and size
// rules, and each way a file is turned away.
#include "dds_bytes.h"
#include "framework/dds_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

struct AcceptedCase {
    const char* name;
    DdsBytesOptions file;
    std::uint32_t glFormat;
    std::uint32_t blockBytes;
    std::uint32_t baseLevelSize;
    std::size_t dataOffset;
};

DdsBytesOptions extended(std::uint32_t w, std::uint32_t h, std::uint32_t dxgi, std::uint32_t payload)
{
    DdsBytesOptions options = fourCcFile(w, h, "DX10", payload);
    options.dxgiFormat = dxgi;
    return options;
}

const AcceptedCase Accepted[] = {
    {"Dxt1FourByFour", fourCcFile(4, 4, "DXT1", 8), 0x83F1, 8, 8, 128},
    {"Dxt3EightByEight", fourCcFile(8, 8, "DXT3", 64), 0x83F2, 16, 64, 128},
    {"Dxt5Square256", fourCcFile(256, 256, "DXT5", 65536), 0x83F3, 16, 65536, 128},
    {"Dxt1OddSizeRoundsUpToWholeBlocks", fourCcFile(5, 3, "DXT1", 16), 0x83F1, 8, 16, 128},
    {"Dxt5OneTexelIsOneBlock", fourCcFile(1, 1, "DXT5", 16), 0x83F3, 16, 16, 128},
    {"Dxt3WideStrip", fourCcFile(9, 1, "DXT3", 48), 0x83F2, 16, 48, 128},
    {"Dxt1LargestAcceptedWidth", fourCcFile(16384, 4, "DXT1", 32768), 0x83F1, 8, 32768, 128},
    {"StoredMipLevelsAreNotCounted", fourCcFile(8, 8, "DXT1", 32 + 8 + 8), 0x83F1, 8, 32, 128},
    {"Bc1Unorm", extended(4, 4, 71, 8), 0x83F1, 8, 8, 148},
    {"Bc1Srgb", extended(8, 4, 72, 16), 0x83F1, 8, 16, 148},
    {"Bc2Unorm", extended(4, 4, 74, 16), 0x83F2, 16, 16, 148},
    {"Bc2Srgb", extended(6, 6, 75, 64), 0x83F2, 16, 64, 148},
    {"Bc3Unorm", extended(4, 8, 77, 32), 0x83F3, 16, 32, 148},
    {"Bc3Srgb", extended(256, 256, 78, 65536), 0x83F3, 16, 65536, 148},
};

void PrintTo(const AcceptedCase& c, std::ostream* out)
{
    *out << c.name;
}

class AcceptedDds : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedDds, ReportsFormatSizeAndOffset)
{
    const AcceptedCase& c = GetParam();
    const std::vector<std::uint8_t> bytes = makeDdsBytes(c.file);
    const DdsParseResult result = parseDds(bytes.data(), bytes.size());
    EXPECT_EQ(result.failure, DdsFailure::None);
    EXPECT_EQ(result.width, c.file.width);
    EXPECT_EQ(result.height, c.file.height);
    EXPECT_EQ(result.glFormat, c.glFormat);
    EXPECT_EQ(result.blockBytes, c.blockBytes);
    EXPECT_EQ(result.baseLevelSize, c.baseLevelSize);
    EXPECT_EQ(result.dataOffset, c.dataOffset);
}

INSTANTIATE_TEST_SUITE_P(Formats, AcceptedDds, testing::ValuesIn(Accepted),
                         [](const testing::TestParamInfo<AcceptedCase>& info) { return info.param.name; });

struct RejectedCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    DdsFailure failure;
};

DdsBytesOptions uncompressedRgba()
{
    DdsBytesOptions options = fourCcFile(4, 4, "", 64);
    options.uncompressed = true;
    return options;
}

DdsBytesOptions withHeaderSize(std::uint32_t headerSize, std::uint32_t pixelFormatSize)
{
    DdsBytesOptions options = fourCcFile(4, 4, "DXT1", 8);
    options.headerSize = headerSize;
    options.pixelFormatSize = pixelFormatSize;
    return options;
}

std::vector<std::uint8_t> withMagic(std::vector<std::uint8_t> bytes, const char* magic)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = std::uint8_t(magic[i]);
    return bytes;
}

// Opens the bytes with the 12-byte identifier of a KTX or KMG container, e.g. "KTX 11".
std::vector<std::uint8_t> withContainerId(std::vector<std::uint8_t> bytes, const char (&name)[7])
{
    const std::uint8_t id[12] = {0xAB,
                                 std::uint8_t(name[0]),
                                 std::uint8_t(name[1]),
                                 std::uint8_t(name[2]),
                                 std::uint8_t(name[3]),
                                 std::uint8_t(name[4]),
                                 std::uint8_t(name[5]),
                                 0xBB,
                                 '\r',
                                 '\n',
                                 0x1A,
                                 '\n'};
    std::copy(std::begin(id), std::end(id), bytes.begin());
    return bytes;
}

std::vector<std::uint8_t> cutTo(std::vector<std::uint8_t> bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

const std::vector<RejectedCase> Rejected = {
    {"Empty", {}, DdsFailure::Unrecognised},
    {"ShorterThanMagic", {'D', 'D', 'S'}, DdsFailure::Unrecognised},
    {"PngSignature", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, DdsFailure::Unrecognised},
    {"Text", {'h', 'e', 'l', 'l', 'o', '\n'}, DdsFailure::Unrecognised},
    {"KtxMagicAlone", withMagic(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), "\xABKTX"),
     DdsFailure::Unrecognised},
    {"Ktx11", withContainerId(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), "KTX 11"),
     DdsFailure::OtherContainer},
    {"Ktx20", withContainerId(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), "KTX 20"),
     DdsFailure::OtherContainer},
    {"Kmg10", withContainerId(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), "KMG 10"),
     DdsFailure::OtherContainer},
    {"MagicWithoutSpace", withMagic(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), "DDS\0"),
     DdsFailure::Unrecognised},
    {"HeaderCutShort", cutTo(makeDdsBytes(fourCcFile(4, 4, "DXT1", 8)), 100), DdsFailure::Unrecognised},
    {"WrongHeaderSize", makeDdsBytes(withHeaderSize(120, 32)), DdsFailure::Unrecognised},
    {"WrongPixelFormatSize", makeDdsBytes(withHeaderSize(124, 24)), DdsFailure::Unrecognised},
    {"ZeroWidth", makeDdsBytes(fourCcFile(0, 4, "DXT1", 8)), DdsFailure::Unrecognised},
    {"ZeroHeight", makeDdsBytes(fourCcFile(4, 0, "DXT1", 8)), DdsFailure::Unrecognised},
    {"AbsurdWidth", makeDdsBytes(fourCcFile(16385, 4, "DXT1", 8)), DdsFailure::Unrecognised},
    {"AbsurdHeight", makeDdsBytes(fourCcFile(4, 0x80000000u, "DXT1", 8)), DdsFailure::Unrecognised},
    {"ExtendedHeaderCutShort", cutTo(makeDdsBytes(extended(4, 4, 71, 8)), 140), DdsFailure::Unrecognised},
    {"UncompressedRgba", makeDdsBytes(uncompressedRgba()), DdsFailure::UnsupportedFormat},
    {"PremultipliedDxt2", makeDdsBytes(fourCcFile(4, 4, "DXT2", 16)), DdsFailure::UnsupportedFormat},
    {"PremultipliedDxt4", makeDdsBytes(fourCcFile(4, 4, "DXT4", 16)), DdsFailure::UnsupportedFormat},
    {"OtherFourCc", makeDdsBytes(fourCcFile(4, 4, "ATI2", 16)), DdsFailure::UnsupportedFormat},
    {"Bc1Typeless", makeDdsBytes(extended(4, 4, 70, 8)), DdsFailure::UnsupportedFormat},
    {"Bc3Typeless", makeDdsBytes(extended(4, 4, 76, 16)), DdsFailure::UnsupportedFormat},
    {"Bc7", makeDdsBytes(extended(4, 4, 98, 16)), DdsFailure::UnsupportedFormat},
    {"UnsupportedWinsOverShortData", makeDdsBytes(fourCcFile(4, 4, "DXT2", 0)),
     DdsFailure::UnsupportedFormat},
    {"HeaderOnly", makeDdsBytes(fourCcFile(4, 4, "DXT1", 0)), DdsFailure::Truncated},
    {"OneByteShortOfBaseLevel", makeDdsBytes(fourCcFile(5, 3, "DXT1", 15)), DdsFailure::Truncated},
    {"Dxt5Square256HalfPresent", makeDdsBytes(fourCcFile(256, 256, "DXT5", 32768)), DdsFailure::Truncated},
    {"ExtendedDataCountedFrom148", makeDdsBytes(extended(4, 4, 77, 4)), DdsFailure::Truncated},
};

void PrintTo(const RejectedCase& c, std::ostream* out)
{
    *out << c.name;
}

class RejectedDds : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedDds, SaysWhyAndReportsNothingElse)
{
    const RejectedCase& c = GetParam();
    const DdsParseResult result = parseDds(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_EQ(result.width, 0u);
    EXPECT_EQ(result.height, 0u);
    EXPECT_EQ(result.glFormat, 0u);
    EXPECT_EQ(result.baseLevelSize, 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, RejectedDds, testing::ValuesIn(Rejected),
                         [](const testing::TestParamInfo<RejectedCase>& info) { return info.param.name; });

TEST(ParseDds, IgnoresTheHeadersLinearSizeField)
{
    for (const std::uint32_t announced : {0u, 4u, 0xFFFFFFFFu}) {
        DdsBytesOptions options = fourCcFile(8, 8, "DXT5", 64);
        options.linearSize = announced;
        const std::vector<std::uint8_t> bytes = makeDdsBytes(options);
        const DdsParseResult result = parseDds(bytes.data(), bytes.size());
        EXPECT_EQ(result.failure, DdsFailure::None) << "linear size " << announced;
        EXPECT_EQ(result.baseLevelSize, 64u) << "linear size " << announced;
    }
}

TEST(ParseDds, NullDataIsNotADdsFile)
{
    EXPECT_EQ(parseDds(nullptr, 200).failure, DdsFailure::Unrecognised);
}

}  // namespace
