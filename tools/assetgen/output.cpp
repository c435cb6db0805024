// Files and pools of the data directory.

#include "tools/assetgen/output.h"

#include <fstream>
#include <iterator>

#include "engine/resources/image_writer.h"
#include "engine/resources/little_endian.h"
#include "engine/resources/pool/pool_format.h"
#include "tools/assetgen/words.h"

namespace gen {

bool Output::Write(const std::string& relative, const Bytes& bytes) const {
    const std::filesystem::path path = root_ / relative;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool Output::MakeFolder(const std::string& relative) const {
    std::error_code error;
    std::filesystem::create_directories(root_ / relative, error);
    return !error;
}

bool Output::WriteBoth(const std::string& relative, const Bytes& german,
                       const Bytes& english) const {
    const bool ok = Write(relative, german);
    if (english == german) {
        DropEnglish(relative);
        return ok;
    }
    return Write(EnglishPath(relative), english) && ok;
}

namespace {

bool ReadAll(const std::filesystem::path& path, Bytes* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

}  // namespace

bool Output::KeepEnglishIfDifferent(const std::string& relative) const {
    Bytes german, english;
    if (!ReadAll(Path(relative), &german) || !ReadAll(Path(EnglishPath(relative)), &english))
        return false;
    if (german == english) DropEnglish(relative);
    return true;
}

void Output::DropEnglish(const std::string& relative) const {
    std::error_code error;
    std::filesystem::remove(Path(EnglishPath(relative)), error);
}

Bytes BuildPool(uint16_t kind, const std::vector<Bytes>& chunks) {
    Bytes out(kPoolHeaderBytes);
    FormatPoolHeader(out.data(), kind, static_cast<uint16_t>(chunks.size()));
    std::vector<uint32_t> index;
    for (const Bytes& chunk : chunks) {
        uint8_t header[kChunkHeaderBytes];
        FormatChunkHeader(header, static_cast<uint32_t>(chunk.size()), kind);
        out.insert(out.end(), header, header + kChunkHeaderBytes);
        index.push_back(static_cast<uint32_t>(out.size()));
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    for (uint32_t offset : index) AppendLE32(out, offset);
    return out;
}

Bytes PictureChunk(const Canvas& picture) {
    const std::vector<uint16_t> pixels = picture.To565();
    return EncodeTbf(pixels.data(), static_cast<uint16_t>(picture.Width()),
                     static_cast<uint16_t>(picture.Height()), 2);
}

ChunksInTwoLanguages PicturesInBothLanguages(int count, const std::function<Canvas(int)>& draw) {
    ChunksInTwoLanguages out;
    for (int k = 0; k < count; ++k) {
        bool translated = false;
        {
            const LanguagePass german(Language::German);
            const WordWatch watch;
            out.german.push_back(PictureChunk(draw(k)));
            translated = watch.SawTranslatedWords();
        }
        if (translated) {
            const LanguagePass english(Language::English);
            out.english.push_back(PictureChunk(draw(k)));
        } else {
            out.english.push_back(out.german.back());
        }
    }
    return out;
}

}  // namespace gen
