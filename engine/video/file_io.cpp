#include "engine/video/file_io.h"

#include <climits>
#include <cstdint>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {

constexpr int kIoBufferBytes = 64 * 1024;

FileHandle HandleOf(void* opaque) {
    return static_cast<FileHandle>(opaque);
}

int ReadPacket(void* opaque, uint8_t* buffer, int size) {
    if (size <= 0) return 0;
    const std::size_t n = Files().Read(buffer, 1, static_cast<std::size_t>(size), HandleOf(opaque));
    return n == 0 ? AVERROR_EOF : static_cast<int>(n);
}

#if LIBAVFORMAT_VERSION_MAJOR >= 61
int WritePacket(void* opaque, const uint8_t* buffer, int size) {
#else
int WritePacket(void* opaque, uint8_t* buffer, int size) {
#endif
    if (size <= 0) return 0;
    const std::size_t n =
        Files().Write(buffer, 1, static_cast<std::size_t>(size), HandleOf(opaque));
    return n == static_cast<std::size_t>(size) ? size : AVERROR(EIO);
}

int64_t SeekFile(void* opaque, int64_t offset, int whence) {
    FileHandle file = HandleOf(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        const long length = Files().Length(file);
        return length < 0 ? AVERROR(EIO) : length;
    }
    // The file manager seeks with 32-bit offsets: the game's movies are far smaller.
    if (offset < INT32_MIN || offset > INT32_MAX) return AVERROR(EINVAL);
    const int origin = whence == SEEK_CUR ? 1 : whence == SEEK_END ? 2 : 0;
    if (Files().Seek(file, static_cast<int32_t>(offset), origin) != 0) return AVERROR(EIO);
    return Files().Tell(file);
}

}  // namespace

AVIOContext* OpenFileIo(FileHandle file, bool writable) {
    if (!file) return nullptr;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
    if (!buffer) return nullptr;
    AVIOContext* io = avio_alloc_context(buffer, kIoBufferBytes, writable ? 1 : 0, file,
                                         writable ? nullptr : &ReadPacket,
                                         writable ? &WritePacket : nullptr, &SeekFile);
    if (!io) av_free(buffer);
    return io;
}

void CloseFileIo(AVIOContext** io) {
    if (!io || !*io) return;
    if ((*io)->write_flag) avio_flush(*io);
    av_freep(&(*io)->buffer);
    avio_context_free(io);
}
