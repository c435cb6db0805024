#include "tests/support/bmp_writer.h"

#include <bit>
#include <cstdlib>
#include <map>

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kPixelsPerMetre = 2835;
constexpr uint32_t kSrgb = 0x73524742;  // 'sRGB', the colour space of the V4 and V5 headers
constexpr uint32_t kIntentImages = 4;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint32_t HeaderBytes(BmpHeader header) {
    switch (header) {
        case BmpHeader::Core:
            return 12;
        case BmpHeader::Info:
            return 40;
        case BmpHeader::V4:
            return 108;
        case BmpHeader::V5:
            return 124;
    }
    return 40;
}

// The colour's channels at the places the masks give, each keeping its top bits; alpha opaque.
uint32_t Pack(uint32_t colour, const uint32_t masks[4]) {
    const uint32_t channels[4] = {(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, 0xFF};
    uint32_t value = 0;
    for (int c = 0; c < 4; ++c) {
        const int width = std::popcount(masks[c]);
        if (width == 0) continue;
        const uint32_t bits = width >= 8 ? channels[c] << (width - 8) : channels[c] >> (8 - width);
        value |= (bits << std::countr_zero(masks[c])) & masks[c];
    }
    return value;
}

// One row of palette indexes run-length coded: runs of one index as (count, index) pairs,
// stretches of three or more different indexes in absolute mode, the row closed by (0, 0).
void EncodeRleRow(const std::vector<int>& row, int bits, std::vector<uint8_t>& out) {
    const auto pair = [bits](int index) {
        return static_cast<uint8_t>(bits == 4 ? index << 4 | index : index);
    };
    const std::size_t width = row.size();
    std::size_t i = 0;
    while (i < width) {
        std::size_t run = 1;
        while (i + run < width && run < 255 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(run));
            out.push_back(pair(row[i]));
            i += run;
            continue;
        }
        std::size_t end = i;
        while (end < width && end - i < 255 && !(end + 1 < width && row[end + 1] == row[end]))
            ++end;
        const std::size_t count = end - i;
        if (count < 3) {
            out.push_back(1);
            out.push_back(pair(row[i]));
            ++i;
            continue;
        }
        out.push_back(0);
        out.push_back(static_cast<uint8_t>(count));
        std::size_t bytes = 0;
        for (std::size_t k = 0; k < count; ++bytes) {
            if (bits == 4) {
                const int high = row[i + k++];
                const int low = k < count ? row[i + k++] : 0;
                out.push_back(static_cast<uint8_t>(high << 4 | low));
            } else {
                out.push_back(static_cast<uint8_t>(row[i + k++]));
            }
        }
        if (bytes % 2 != 0) out.push_back(0);  // absolute runs end on a word
        i = end;
    }
    out.push_back(0);
    out.push_back(0);
}

}  // namespace

std::vector<uint8_t> WriteBmp(const BmpPicture& picture, const BmpKind& kind) {
    const int width = picture.width;
    const int height = picture.height;
    const bool rle = kind.coding == BmpCoding::Rle8 || kind.coding == BmpCoding::Rle4;
    const bool paletted = kind.bits <= 8;
    if (picture.colours.size() != static_cast<std::size_t>(width) * height ||
        (rle && (kind.topDown || kind.bits != (kind.coding == BmpCoding::Rle8 ? 8 : 4))) ||
        (kind.header == BmpHeader::Core && (kind.coding != BmpCoding::Plain || kind.topDown))) {
        std::abort();  // a kind no program writes
    }

    uint32_t masks[4] = {kind.masks[0], kind.masks[1], kind.masks[2], kind.masks[3]};
    if (!paletted && masks[0] == 0 && masks[1] == 0 && masks[2] == 0) {
        const bool wide = kind.bits != 16;
        masks[0] = wide ? 0xFF0000 : 0x7C00;
        masks[1] = wide ? 0x00FF00 : 0x03E0;
        masks[2] = wide ? 0x0000FF : 0x001F;
    }

    std::vector<uint32_t> palette;
    std::map<uint32_t, int> indexOf;
    std::vector<int> indexes;
    if (paletted) {
        for (const uint32_t colour : picture.colours) {
            const auto [at, added] = indexOf.emplace(colour, static_cast<int>(palette.size()));
            if (added) palette.push_back(colour);
            indexes.push_back(at->second);
        }
        if (palette.size() > (std::size_t{1} << kind.bits)) std::abort();
    }
    const bool shortPalette = kind.shortPalette && kind.header != BmpHeader::Core;
    const std::size_t entries = !paletted ? 0 : shortPalette ? palette.size() : 1u << kind.bits;
    palette.resize(entries, 0);

    // The pixel data, rows in file order.
    std::vector<uint8_t> data;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * kind.bits + 31) / 32 * 4;
    for (int stored = 0; stored < height; ++stored) {
        const int y = kind.topDown ? stored : height - 1 - stored;
        const std::size_t first = static_cast<std::size_t>(y) * width;
        if (rle) {
            EncodeRleRow(std::vector<int>(indexes.begin() + first, indexes.begin() + first + width),
                         kind.bits, data);
            continue;
        }
        const std::size_t start = data.size();
        if (paletted) {
            const int perByte = 8 / kind.bits;
            for (int x = 0; x < width; ++x) {
                if (x % perByte == 0) data.push_back(0);
                const int shift = 8 - kind.bits * (x % perByte + 1);
                data.back() |= static_cast<uint8_t>(indexes[first + x] << shift);
            }
        } else {
            for (int x = 0; x < width; ++x) {
                const uint32_t colour = picture.colours[first + x];
                if (kind.bits == 24) {
                    data.push_back(static_cast<uint8_t>(colour));
                    data.push_back(static_cast<uint8_t>(colour >> 8));
                    data.push_back(static_cast<uint8_t>(colour >> 16));
                } else if (kind.bits == 16) {
                    Put16(data, Pack(colour, masks));
                } else {
                    Put32(data, Pack(colour, masks));
                }
            }
        }
        data.resize(start + rowBytes, 0);
    }
    if (rle) {
        data.push_back(0);  // end of the bitmap
        data.push_back(1);
    }

    const uint32_t headerBytes = HeaderBytes(kind.header);
    const uint32_t maskBytes =
        kind.coding == BmpCoding::BitFields && kind.header == BmpHeader::Info ? 12 : 0;
    const uint32_t entryBytes = kind.header == BmpHeader::Core ? 3 : 4;
    const auto offset =
        static_cast<uint32_t>(kFileHeaderBytes + headerBytes + maskBytes + entries * entryBytes);

    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<uint32_t>(data.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, headerBytes);
    if (kind.header == BmpHeader::Core) {
        Put16(out, static_cast<uint32_t>(width));
        Put16(out, static_cast<uint32_t>(height));
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(kind.bits));
    } else {
        Put32(out, static_cast<uint32_t>(width));
        Put32(out, static_cast<uint32_t>(kind.topDown ? -height : height));
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(kind.bits));
        Put32(out, static_cast<uint32_t>(kind.coding));
        Put32(out, static_cast<uint32_t>(data.size()));
        Put32(out, kPixelsPerMetre);
        Put32(out, kPixelsPerMetre);
        Put32(out, shortPalette ? static_cast<uint32_t>(entries) : 0);
        Put32(out, 0);  // every colour is important
        if (maskBytes != 0) {
            for (int c = 0; c < 3; ++c) Put32(out, masks[c]);
        }
        if (kind.header != BmpHeader::Info) {
            for (int c = 0; c < 4; ++c) Put32(out, paletted ? 0 : masks[c]);
            Put32(out, kSrgb);
            out.resize(out.size() + 36 + 12, 0);  // end points and gamma, unused with sRGB
            if (kind.header == BmpHeader::V5) {
                Put32(out, kIntentImages);
                Put32(out, 0);  // no profile
                Put32(out, 0);
                Put32(out, 0);
            }
        }
    }
    for (const uint32_t colour : palette) {
        out.push_back(static_cast<uint8_t>(colour));
        out.push_back(static_cast<uint8_t>(colour >> 8));
        out.push_back(static_cast<uint8_t>(colour >> 16));
        if (entryBytes == 4) out.push_back(0);
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
