#include "engine/resources/animation_writer.h"

#include "engine/resources/animation_format.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/little_endian.h"

namespace {}  // namespace

std::vector<uint8_t> EncodeByteRuns(const uint8_t* data, std::size_t size) {
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i < size;) {
        std::size_t run = 1;
        while (i + run < size && run < 255 && data[i + run] == data[i]) ++run;
        out.push_back(static_cast<uint8_t>(run));
        out.push_back(data[i]);
        i += run;
    }
    return out;
}

std::vector<uint32_t> AppendFrameChain(std::vector<uint8_t>& out, std::size_t base,
                                       const std::vector<EncodedFrame>& frames) {
    std::vector<uint32_t> offsets;
    for (const EncodedFrame& frame : frames) {
        const std::size_t at = out.size();
        offsets.push_back(static_cast<uint32_t>(at - base));
        AppendLE16(out, frame.mode);
        AppendLE16(out, frame.width);
        AppendLE16(out, frame.height);
        AppendLE32(out,
                   static_cast<uint32_t>(at - base + kTafFrameHeaderBytes + frame.data.size()));
        AppendLE32(out, 0);
        out.insert(out.end(), frame.data.begin(), frame.data.end());
    }
    return offsets;
}

std::vector<uint8_t> EncodeTaf(const std::vector<TafFrame>& frames, int mode, uint16_t tables) {
    std::vector<EncodedFrame> encoded;
    uint32_t totalPixels = 0;
    for (const TafFrame& frame : frames) {
        totalPixels += uint32_t{frame.width} * frame.height;
        EncodedFrame e{static_cast<uint16_t>(mode), frame.width, frame.height, {}};
        if (!frame.pixels.empty()) {
            // A TBF picture's pixel data are compressed exactly like a frame's.
            const std::vector<uint8_t> tbf =
                EncodeTbf(frame.pixels.data(), frame.width, frame.height, mode);
            if (tbf.size() > kTbfHeaderBytes)
                e.data.assign(tbf.begin() + kTbfHeaderBytes, tbf.end());
        }
        encoded.push_back(std::move(e));
    }

    std::vector<uint8_t> out{'T', 'A', 'F', 0};
    AppendLE16(out, 16);
    AppendLE16(out, static_cast<uint16_t>(frames.size()));
    AppendLE32(out, totalPixels);
    out.resize(out.size() + kPaletteBytes, 0);
    AppendLE32(out, kTafHeaderBytes);
    AppendLE16(out, tables);
    const std::vector<uint32_t> offsets = AppendFrameChain(out, 0, encoded);
    for (uint16_t t = 0; t < tables; ++t) {
        for (uint32_t offset : offsets) AppendLE32(out, offset);
    }
    return out;
}
