#pragma once
// Writing the data directory: files under the output root (folders made on the way), pools
// assembled in memory (header, chunks, index) and pictures as TBF chunks.

#include <cstdint>
#include <filesystem>
#include <functional>
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
    // The shared (German) file, and its English counterpart in the language folder only where
    // the bytes differ (a counterpart left from an earlier run is removed).
    bool WriteBoth(const std::string& relative, const Bytes& german, const Bytes& english) const;
    // After the English file was written straight to EnglishPath(relative): removes it when it
    // equals the shared file. False when it could not be compared.
    bool KeepEnglishIfDifferent(const std::string& relative) const;
    // The shared file carries no words: no English counterpart.
    void DropEnglish(const std::string& relative) const;
    std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

  private:
    std::filesystem::path root_;
};

// A complete pool file of the given kind whose chunk i holds chunks[i] (chunk kind = pool kind).
Bytes BuildPool(uint16_t kind, const std::vector<Bytes>& chunks);
// A picture as a TBF file with word runs.
Bytes PictureChunk(const Canvas& picture);

// The chunks of a picture pool in both languages: picture k (0 .. count - 1) drawn in German,
// and drawn once more in English only when it asked for translated words.
struct ChunksInTwoLanguages {
    std::vector<Bytes> german, english;
};
ChunksInTwoLanguages PicturesInBothLanguages(int count, const std::function<Canvas(int)>& draw);

}  // namespace gen
