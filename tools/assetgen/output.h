#pragma once
// Writing the data directory: files under the output root (folders made on the way), pools
// assembled in memory (header, chunks, index) and pictures as TBF chunks.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace gen {

using Bytes = std::vector<uint8_t>;

class Output {
  public:
    explicit Output(std::filesystem::path root) : root_(std::move(root)) {}
    const std::filesystem::path& Root() const { return root_; }
    // relative uses '/' and the case the game spells; returns false when writing failed.
    bool Write(const std::string& relative, const Bytes& bytes) const;
    bool MakeFolder(const std::string& relative) const;
    std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

  private:
    std::filesystem::path root_;
};

// A complete pool file of the given kind whose chunk i holds chunks[i] (chunk kind = pool kind).
Bytes BuildPool(uint16_t kind, const std::vector<Bytes>& chunks);
// A picture as a TBF file with word runs.
Bytes PictureChunk(const Canvas& picture);

}  // namespace gen
