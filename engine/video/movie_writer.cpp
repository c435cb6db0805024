#include "engine/video/movie_writer.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/video/file_io.h"
#include "engine/video/movie_log.h"

struct MovieWriter::State {
    MovieLayout layout;
    FileHandle file = nullptr;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* picture = nullptr;
    AVFrame* sound = nullptr;
    AVPacket* packet = nullptr;
    int64_t frames = 0;
    int64_t samples = 0;
    bool headerWritten = false;
    bool failed = false;

    ~State() { Release(); }

    void Release() {
        sws_freeContext(scaler);
        scaler = nullptr;
        av_frame_free(&picture);
        av_frame_free(&sound);
        av_packet_free(&packet);
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (format) {
            format->pb = nullptr;
            avformat_free_context(format);
            format = nullptr;
        }
        CloseFileIo(&io);
        if (file) Files().Close(file);
        file = nullptr;
    }

    // Sends a frame (null drains) and writes every packet the encoder has ready.
    bool Encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame) {
        if (avcodec_send_frame(codec, frame) < 0) return false;
        for (;;) {
            const int r = avcodec_receive_packet(codec, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
            if (r < 0) return false;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) return false;
        }
    }

    bool AddPicture(const uint8_t* pixels, int stride, AVPixelFormat source) {
        scaler = sws_getCachedContext(scaler, layout.width, layout.height, source, layout.width,
                                      layout.height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr,
                                      nullptr, nullptr);
        if (!scaler || av_frame_make_writable(picture) < 0) return false;
        const uint8_t* planes[1] = {pixels};
        const int strides[1] = {stride};
        sws_scale(scaler, planes, strides, 0, layout.height, picture->data, picture->linesize);
        picture->pts = frames++;
        return Encode(video, videoStream, picture);
    }
};

namespace {

int FailWrite() {
    SetErrorCode(kErrWrite);
    return 0;
}

}  // namespace

MovieWriter::MovieWriter() {
    InstallMovieLog();
}

MovieWriter::~MovieWriter() {
    Close();
}

bool MovieWriter::IsOpen() const {
    return state_ != nullptr;
}

int MovieWriter::FramesWritten() const {
    return state_ ? static_cast<int>(state_->frames) : 0;
}

int MovieWriter::Open(const char* name, const MovieLayout& layout) {
    Close();
    if (!name || layout.width <= 0 || layout.height <= 0 || layout.framesPerSecond <= 0 ||
        (layout.width % 2) || (layout.height % 2) ||
        (layout.audioRate > 0 && layout.audioChannels != 1 && layout.audioChannels != 2)) {
        return FailWrite();
    }
    auto s = std::make_unique<State>();
    s->layout = layout;
    s->file = Files().Open(name, "wb");
    if (!s->file) {
        SetErrorCode(kErrOpen);
        return 0;
    }
    s->io = OpenFileIo(s->file, true);
    if (!s->io || avformat_alloc_output_context2(&s->format, nullptr, "avi", nullptr) < 0) {
        return FailWrite();
    }
    s->format->pb = s->io;
    s->format->flags |= AVFMT_FLAG_BITEXACT;

    const AVCodec* mpeg4 = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    s->video = mpeg4 ? avcodec_alloc_context3(mpeg4) : nullptr;
    if (!s->video) return FailWrite();
    s->video->width = layout.width;
    s->video->height = layout.height;
    s->video->time_base = AVRational{1, layout.framesPerSecond};
    s->video->framerate = AVRational{layout.framesPerSecond, 1};
    s->video->pix_fmt = AV_PIX_FMT_YUV420P;
    s->video->gop_size = 12;
    s->video->max_b_frames = 0;
    s->video->thread_count = 1;
    s->video->flags |= AV_CODEC_FLAG_BITEXACT;
    s->video->bit_rate = layout.bitRate > 0 ? layout.bitRate
                                            : static_cast<int64_t>(layout.width) * layout.height *
                                                  layout.framesPerSecond / 5;
    if (s->format->oformat->flags & AVFMT_GLOBALHEADER) {
        s->video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    s->videoStream = avformat_new_stream(s->format, nullptr);
    if (!s->videoStream || avcodec_open2(s->video, mpeg4, nullptr) < 0 ||
        avcodec_parameters_from_context(s->videoStream->codecpar, s->video) < 0) {
        return FailWrite();
    }
    s->videoStream->time_base = s->video->time_base;

    if (layout.audioRate > 0) {
        const AVCodec* pcm = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
        s->audio = pcm ? avcodec_alloc_context3(pcm) : nullptr;
        if (!s->audio) return FailWrite();
        s->audio->sample_rate = layout.audioRate;
        s->audio->sample_fmt = AV_SAMPLE_FMT_S16;
        av_channel_layout_default(&s->audio->ch_layout, layout.audioChannels);
        s->audio->time_base = AVRational{1, layout.audioRate};
        s->audioStream = avformat_new_stream(s->format, nullptr);
        if (!s->audioStream || avcodec_open2(s->audio, pcm, nullptr) < 0 ||
            avcodec_parameters_from_context(s->audioStream->codecpar, s->audio) < 0) {
            return FailWrite();
        }
        s->audioStream->time_base = s->audio->time_base;
    }

    s->picture = av_frame_alloc();
    s->sound = av_frame_alloc();
    s->packet = av_packet_alloc();
    if (!s->picture || !s->sound || !s->packet) return FailWrite();
    s->picture->format = AV_PIX_FMT_YUV420P;
    s->picture->width = layout.width;
    s->picture->height = layout.height;
    if (av_frame_get_buffer(s->picture, 0) < 0) return FailWrite();
    if (avformat_write_header(s->format, nullptr) < 0) return FailWrite();
    s->headerWritten = true;
    state_ = std::move(s);
    return 1;
}

int MovieWriter::AddFrameRgb24(const uint8_t* pixels, int strideBytes) {
    if (!state_ || !pixels) return FailWrite();
    if (!state_->AddPicture(pixels, strideBytes, AV_PIX_FMT_RGB24)) {
        state_->failed = true;
        return FailWrite();
    }
    return 1;
}

int MovieWriter::AddFrame565(const uint16_t* pixels, int pitchPixels) {
    if (!state_ || !pixels) return FailWrite();
    if (!state_->AddPicture(reinterpret_cast<const uint8_t*>(pixels), pitchPixels * 2,
                            AV_PIX_FMT_RGB565LE)) {
        state_->failed = true;
        return FailWrite();
    }
    return 1;
}

int MovieWriter::AddAudio(const int16_t* samples, int frames) {
    if (!state_ || !state_->audio || !samples || frames < 0) return FailWrite();
    if (frames == 0) return 1;
    State& s = *state_;
    av_frame_unref(s.sound);
    s.sound->format = AV_SAMPLE_FMT_S16;
    s.sound->sample_rate = s.layout.audioRate;
    s.sound->nb_samples = frames;
    if (av_channel_layout_copy(&s.sound->ch_layout, &s.audio->ch_layout) < 0 ||
        av_frame_get_buffer(s.sound, 0) < 0) {
        s.failed = true;
        return FailWrite();
    }
    std::memcpy(s.sound->data[0], samples,
                static_cast<std::size_t>(frames) * s.layout.audioChannels * sizeof(int16_t));
    s.sound->pts = s.samples;
    s.samples += frames;
    if (!s.Encode(s.audio, s.audioStream, s.sound)) {
        s.failed = true;
        return FailWrite();
    }
    return 1;
}

int MovieWriter::Close() {
    if (!state_) return 0;
    State& s = *state_;
    bool ok = !s.failed;
    if (s.headerWritten) {
        ok = s.Encode(s.video, s.videoStream, nullptr) && ok;
        if (s.audio) ok = s.Encode(s.audio, s.audioStream, nullptr) && ok;
        ok = av_write_trailer(s.format) == 0 && ok;
    }
    state_.reset();
    if (!ok) return FailWrite();
    return 1;
}
