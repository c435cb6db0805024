#include "engine/video/movie_player.h"

#include <algorithm>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/mathematics.h>
}

#include "engine/audio/sound_manager.h"
#include "engine/audio/sound_result.h"
#include "engine/base/messages.h"
#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/video/file_io.h"
#include "engine/video/frame_clock.h"
#include "engine/video/movie_log.h"
#include "engine/video/movie_player_state.h"

namespace {

// At most this many late frames are passed over per shown frame, so one call stays short.
constexpr int kMaxDropsPerFrame = 8;
// Pictures read ahead while looking for sound, at most.
constexpr std::size_t kMaxQueuedPictures = 64;

bool IsMpegVideo(AVCodecID id) {
    return id == AV_CODEC_ID_MPEG1VIDEO || id == AV_CODEC_ID_MPEG2VIDEO ||
           id == AV_CODEC_ID_MPEG4 || id == AV_CODEC_ID_MSMPEG4V1 || id == AV_CODEC_ID_MSMPEG4V2 ||
           id == AV_CODEC_ID_MSMPEG4V3;
}

AVCodecContext* OpenDecoder(const AVStream* stream, int* result) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) {
        *result = AVERROR_DECODER_NOT_FOUND;
        return nullptr;
    }
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (!context) {
        *result = AVERROR(ENOMEM);
        return nullptr;
    }
    // Decoding stays on the game thread.
    context->thread_count = 1;
    *result = avcodec_parameters_to_context(context, stream->codecpar);
    if (*result >= 0) *result = avcodec_open2(context, codec, nullptr);
    if (*result < 0) avcodec_free_context(&context);
    return context;
}

}  // namespace

// --- Opening and closing --------------------------------------------------------------------

void MoviePlayer::State::CloseMovie() {
    track.Close();
    for (AVPacket* queued : videoPackets) av_packet_free(&queued);
    videoPackets.clear();
    sws_freeContext(scaler);
    scaler = nullptr;
    swr_free(&resampler);
    av_frame_free(&frame);
    av_frame_free(&soundFrame);
    av_packet_free(&packet);
    avcodec_free_context(&video);
    avcodec_free_context(&audio);
    if (format) {
        // The I/O context is ours, not the demuxer's.
        avformat_close_input(&format);
    }
    CloseFileIo(&io);
    if (file) Files().Close(file);
    file = nullptr;
    open = running = ended = fileEnded = decoderDrained = haveFrame = false;
    needAnchor = true;
    discardSound = false;
    videoIndex = audioIndex = -1;
    info = MovieInfo{};
    shown = dropped = 0;
}

bool MoviePlayer::State::OpenDecoders(int skipDecoderCheck) {
    using namespace movie_text;
    int result = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (result < 0) {
        Fail(kAddVideo, result);
        return false;
    }
    videoIndex = result;
    const AVStream* videoStream = format->streams[videoIndex];
    video = OpenDecoder(videoStream, &result);
    if (!video) {
        Fail(kAddVideo, result);
        return false;
    }
    videoTimeBase = videoStream->time_base;

    const int audioStream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    // Without a sound device the sound track is passed over.
    if (audioStream >= 0 && Sound().HasDevice()) {
        audio = OpenDecoder(format->streams[audioStream], &result);
        if (!audio) {
            Fail(kAddAudio, result);
            return false;
        }
        audioIndex = audioStream;
    }

    if (!skipDecoderCheck && !IsMpegVideo(videoStream->codecpar->codec_id)) {
        // No MPEG decoder for this movie: a quiet failure.
        SetErrorCode(kMovieErrorCode);
        return false;
    }

    frame = av_frame_alloc();
    soundFrame = av_frame_alloc();
    if (!frame || !soundFrame) {
        Fail(kVideoSample, AVERROR(ENOMEM));
        return false;
    }
    if (video->width <= 0 || video->height <= 0) {
        Fail(kVideoStream, AVERROR_INVALIDDATA);
        return false;
    }

    if (audio) {
        const int rate = Sound().Buffers().Output().rate;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        result = swr_alloc_set_opts2(
            &resampler, &stereo, AV_SAMPLE_FMT_S16, std::clamp(rate, kMinFrequency, kMaxFrequency),
            &audio->ch_layout, audio->sample_fmt, audio->sample_rate, 0, nullptr);
        if (result >= 0) result = swr_init(resampler);
        if (result < 0) {
            Fail(kAddAudio, result);
            return false;
        }
        if (!track.Open(rate)) {
            Fail(kBasicAudio, AVERROR(ENOMEM));
            return false;
        }
        track.SetVolume(static_cast<int32_t>(volume));
        track.SetPan(static_cast<int32_t>(balance));
    }
    return true;
}

void MoviePlayer::State::ReadInformation() {
    const AVStream* stream = format->streams[videoIndex];
    info.width = video->width;
    info.height = video->height;
    int64_t duration = 0;  // in units of 100 ns
    if (format->duration != AV_NOPTS_VALUE && format->duration > 0) {
        duration = av_rescale(format->duration, 10000000, AV_TIME_BASE);
    } else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
        duration = av_rescale_q(stream->duration, stream->time_base, AVRational{1, 10000000});
    }
    AVRational rate =
        stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) rate = AVRational{25, 1};
    if (stream->nb_frames > 0) {
        info.frames = static_cast<long>(stream->nb_frames);
    } else {
        info.frames =
            static_cast<long>(av_rescale_q(duration, AVRational{1, 10000000}, av_inv_q(rate)));
    }
    const int64_t seconds = duration / 10000000;
    info.hours = static_cast<int>(seconds / 3600);
    info.minutes = static_cast<int>(seconds % 3600 / 60);
    info.seconds = static_cast<int>(seconds % 60);
    frameTicks = static_cast<int64_t>(
        av_rescale(static_cast<int64_t>(FrameClockFrequency()), rate.den, rate.num));
}

MoviePlayer::MoviePlayer(NormalWin* display) : state_(std::make_unique<State>(display)) {
    InstallMovieLog();
}

MoviePlayer::~MoviePlayer() {
    Close();
    state_->beforeFrame = state_->afterFrame = nullptr;
    state_->frameHook = nullptr;
}

int MoviePlayer::Open(const char* name, int skipDecoderCheck, const MovieRect& rect) {
    using namespace movie_text;
    State& s = *state_;
    Close();
    s.rect = rect;
    s.name = name ? name : "";
    // Whatever failed before is not this movie's failure.
    SetErrorCode(kErrNone);
    s.lastResult = 0;

    s.packet = av_packet_alloc();
    if (!s.packet) {
        s.Fail(kCreateStream, AVERROR(ENOMEM));
        return 0;
    }
    s.file = name ? Files().Open(name, "rb") : nullptr;
    if (!s.file) {
        s.Fail(kOpenFile, AVERROR(ENOENT));
        s.CloseMovie();
        return 0;
    }
    s.io = OpenFileIo(s.file, false);
    s.format = s.io ? avformat_alloc_context() : nullptr;
    if (!s.format) {
        s.Fail(kInitStream, AVERROR(ENOMEM));
        s.CloseMovie();
        return 0;
    }
    s.format->pb = s.io;
    s.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    int result = avformat_open_input(&s.format, name, nullptr, nullptr);
    if (result >= 0) result = avformat_find_stream_info(s.format, nullptr);
    if (result < 0) {
        s.Fail(kOpenFile, result);
        s.CloseMovie();
        return 0;
    }
    if (!s.OpenDecoders(skipDecoderCheck)) {
        s.CloseMovie();
        return 0;
    }
    s.ReadInformation();
    s.open = true;
    return 1;
}

void MoviePlayer::Close() {
    state_->CloseMovie();
}

bool MoviePlayer::IsOpen() const {
    return state_->open;
}

MovieInfo MoviePlayer::Information() const {
    return state_->info;
}

void MoviePlayer::Information(int* width, int* height, long* frames, int* hours, int* minutes,
                              int* seconds) const {
    const MovieInfo& i = state_->info;
    if (width) *width = i.width;
    if (height) *height = i.height;
    if (frames) *frames = i.frames;
    if (hours) *hours = i.hours;
    if (minutes) *minutes = i.minutes;
    if (seconds) *seconds = i.seconds;
}

// --- Decoding -------------------------------------------------------------------------------

void MoviePlayer::State::DecodeAudio(const AVPacket* source) {
    if (!audio) return;
    if (avcodec_send_packet(audio, source) < 0) return;
    while (avcodec_receive_frame(audio, soundFrame) >= 0) {
        if (discardSound) continue;
        const int capacity = swr_get_out_samples(resampler, soundFrame->nb_samples);
        if (capacity <= 0) continue;
        soundScratch.resize(2 * static_cast<std::size_t>(capacity));
        uint8_t* out[1] = {reinterpret_cast<uint8_t*>(soundScratch.data())};
        const int frames = swr_convert(resampler, out, capacity,
                                       const_cast<const uint8_t**>(soundFrame->extended_data),
                                       soundFrame->nb_samples);
        if (frames > 0) track.Queue(soundScratch.data(), frames);
    }
}

bool MoviePlayer::State::ReadPacket() {
    if (fileEnded) return false;
    if (av_read_frame(format, packet) < 0) {
        fileEnded = true;
        DecodeAudio(nullptr);
        return false;
    }
    if (packet->stream_index == videoIndex) {
        AVPacket* queued = av_packet_clone(packet);
        if (queued) videoPackets.push_back(queued);
    } else if (packet->stream_index == audioIndex) {
        DecodeAudio(packet);
    }
    av_packet_unref(packet);
    return true;
}

void MoviePlayer::State::FillSoundAhead() {
    if (!track.IsOpen()) return;
    const auto wanted = static_cast<std::size_t>(track.Rate() / 4);
    while (track.FramesPending() < wanted && videoPackets.size() < kMaxQueuedPictures &&
           ReadPacket()) {
    }
    track.Pump();
}

int MoviePlayer::State::NextVideoFrame() {
    for (;;) {
        int result = avcodec_receive_frame(video, frame);
        if (result >= 0) return 1;
        if (result == AVERROR_EOF) return 0;
        if (result != AVERROR(EAGAIN)) return result;
        while (videoPackets.empty() && ReadPacket()) {
        }
        if (videoPackets.empty()) {
            if (decoderDrained) return 0;
            decoderDrained = true;
            avcodec_send_packet(video, nullptr);
            continue;
        }
        AVPacket* next = videoPackets.front();
        videoPackets.pop_front();
        result = avcodec_send_packet(video, next);
        av_packet_free(&next);
        // A damaged packet is passed over; the decoder picks up again at the next one.
        if (result < 0 && result != AVERROR_INVALIDDATA && result != AVERROR(EAGAIN)) {
            return result;
        }
    }
}

int64_t MoviePlayer::State::FrameTicks(const AVFrame* picture) const {
    int64_t pts = picture->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) pts = picture->pts;
    if (pts == AV_NOPTS_VALUE) pts = 0;
    const int64_t start = format->streams[videoIndex]->start_time;
    if (start != AV_NOPTS_VALUE) pts -= start;
    return av_rescale(pts, static_cast<int64_t>(FrameClockFrequency()) * videoTimeBase.num,
                      videoTimeBase.den);
}

// --- Showing --------------------------------------------------------------------------------

void MoviePlayer::State::Present(const AVFrame* picture) {
    if (!display) return;
    const PageView page = GetDrawTarget();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!page.pixels || width <= 0 || height <= 0) return;
    scaler = sws_getCachedContext(scaler, picture->width, picture->height,
                                  static_cast<AVPixelFormat>(picture->format), width, height,
                                  AV_PIX_FMT_RGB565, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!scaler) return;

    // The visible part of the rectangle.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, page.width);
    const int bottom = std::min(rect.bottom, page.height);
    if (left >= right || top >= bottom) return;
    const bool inside =
        left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
    if (inside) {
        uint8_t* out[1] = {reinterpret_cast<uint8_t*>(page.Row(top) + left)};
        const int stride[1] = {page.pitch * 2};
        sws_scale(scaler, picture->data, picture->linesize, 0, picture->height, out, stride);
    } else {
        scaled.resize(static_cast<std::size_t>(width) * height);
        uint8_t* out[1] = {reinterpret_cast<uint8_t*>(scaled.data())};
        const int stride[1] = {width * 2};
        sws_scale(scaler, picture->data, picture->linesize, 0, picture->height, out, stride);
        for (int y = top; y < bottom; ++y) {
            const uint16_t* from = scaled.data() +
                                   static_cast<std::ptrdiff_t>(y - rect.top) * width +
                                   (left - rect.left);
            std::copy(from, from + (right - left), page.Row(y) + left);
        }
    }

    // The back buffer is what the flip shows; it takes the frame in the screen's format.
    const PageRecord back = GetPageRecord(1);
    if (back.address && back.address != page.pixels) {
        PageView screen{back.address, back.width, back.height, back.pitch / 2};
        const int w = std::min(right, screen.width) - left;
        const int h = std::min(bottom, screen.height) - top;
        if (w > 0 && h > 0) {
            const PageView from{page.Row(top) + left, w, h, page.pitch};
            const PageView to{screen.Row(top) + left, w, h, screen.pitch};
            if (display->DisplayPixelFormat() == 15) {
                ConvertPageTo555(from, to);
            } else {
                for (int y = 0; y < h; ++y) std::copy(from.Row(y), from.Row(y) + w, to.Row(y));
            }
        }
        TouchBackBuffer();
        WaitBlitDone(GetDrawPageIndex());
        FlipOnly();
    } else if (display->DisplayPixelFormat() == 15) {
        // A windowed display has no back buffer to flip: the page is shown as a whole.
        PresentPage15();
    } else {
        PresentPage();
    }
}

int MoviePlayer::RenderFrame() {
    State& s = *state_;
    if (!s.open || s.ended) return 0;
    if (!s.running) {
        s.running = true;
        s.needAnchor = true;
    }
    if (s.beforeFrame) s.beforeFrame(s.hookUser);
    s.FillSoundAhead();
    int result = s.haveFrame ? 1 : s.NextVideoFrame();
    s.haveFrame = false;
    const uint64_t now = FrameClockNow();
    if (result > 0 && s.needAnchor) {
        s.anchor = static_cast<int64_t>(now) - s.FrameTicks(s.frame);
        s.needAnchor = false;
    } else {
        // Frames whose time has passed by more than a frame are not shown.
        for (int drops = 0;
             result > 0 && drops<kMaxDropsPerFrame&& static_cast<int64_t>(now)> s.anchor +
                               s.FrameTicks(s.frame) + s.frameTicks;
             ++drops) {
            ++s.dropped;
            s.FillSoundAhead();
            result = s.NextVideoFrame();
        }
    }
    if (result <= 0) {
        if (result < 0) s.Fail(movie_text::kDecode, result);
        Stop();
        s.ended = true;
        return 0;
    }
    const int64_t due = s.anchor + s.FrameTicks(s.frame);
    if (due > 0) WaitForFrameClock(static_cast<uint64_t>(due));
    s.Present(s.frame);
    s.track.Start();
    s.track.Pump();
    ++s.shown;
    if (s.afterFrame) s.afterFrame(s.hookUser);
    return 1;
}

void MoviePlayer::Stop() {
    State& s = *state_;
    if (!s.running) return;
    s.track.Halt();
    s.running = false;
    s.needAnchor = true;
}

bool MoviePlayer::IsRunning() const {
    return state_->running;
}

// --- Settings -------------------------------------------------------------------------------

int MoviePlayer::SetVolume(long volume) {
    State& s = *state_;
    if (!s.open || volume < kSilenceHundredthsDb || volume > 0) {
        s.Fail(movie_text::kSetVolume, AVERROR(EINVAL));
        return 0;
    }
    s.volume = volume;
    s.track.SetVolume(static_cast<int32_t>(volume));
    return 1;
}

int MoviePlayer::SetBalance(long balance) {
    State& s = *state_;
    if (!s.open || balance < -10000 || balance > 10000) {
        s.Fail(movie_text::kSetBalance, AVERROR(EINVAL));
        return 0;
    }
    s.balance = balance;
    s.track.SetPan(static_cast<int32_t>(balance));
    return 1;
}

int MoviePlayer::State::SeekTo(int64_t timestamp, const char* step) {
    if (!open) {
        Fail(step, AVERROR(EINVAL));
        return 0;
    }
    const int64_t start = format->streams[videoIndex]->start_time;
    if (start != AV_NOPTS_VALUE) timestamp += start;
    int result = av_seek_frame(format, videoIndex, timestamp, AVSEEK_FLAG_BACKWARD);
    if (result < 0) {
        Fail(step, result);
        return 0;
    }
    avcodec_flush_buffers(video);
    if (audio) avcodec_flush_buffers(audio);
    for (AVPacket* queued : videoPackets) av_packet_free(&queued);
    videoPackets.clear();
    fileEnded = decoderDrained = ended = haveFrame = false;
    track.Reset();
    if (resampler) swr_init(resampler);
    // Decode from the key frame before the position up to the position itself; the sound
    // read on the way belongs to the skipped pictures.
    discardSound = true;
    for (;;) {
        result = NextVideoFrame();
        if (result <= 0) break;
        int64_t pts = frame->best_effort_timestamp;
        if (pts == AV_NOPTS_VALUE) pts = frame->pts;
        if (pts == AV_NOPTS_VALUE || pts >= timestamp) {
            haveFrame = true;
            break;
        }
    }
    discardSound = false;
    needAnchor = true;
    if (result < 0) {
        Fail(step, result);
        return 0;
    }
    if (result == 0) ended = true;
    return 1;
}

int MoviePlayer::SeekToFrame(long frame) {
    State& s = *state_;
    if (!s.open || frame < 0) {
        s.Fail(movie_text::kSeekFrame, AVERROR(EINVAL));
        return 0;
    }
    const AVStream* stream = s.format->streams[s.videoIndex];
    AVRational rate =
        stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) rate = AVRational{25, 1};
    return s.SeekTo(av_rescale_q(frame, av_inv_q(rate), s.videoTimeBase), movie_text::kSeekFrame);
}

int MoviePlayer::SeekToTime(int64_t hundredNanoseconds) {
    State& s = *state_;
    if (!s.open || hundredNanoseconds < 0) {
        s.Fail(movie_text::kSeekTime, AVERROR(EINVAL));
        return 0;
    }
    return s.SeekTo(av_rescale_q(hundredNanoseconds, AVRational{1, 10000000}, s.videoTimeBase),
                    movie_text::kSeekTime);
}

void MoviePlayer::SetHooks(MovieFrameHook beforeFrame, MovieFrameHook afterFrame, void* user) {
    state_->beforeFrame = beforeFrame;
    state_->afterFrame = afterFrame;
    state_->hookUser = user;
}

void MoviePlayer::SetFrameHook(MovieStopHook hook, void* user) {
    state_->frameHook = hook;
    state_->frameHookUser = user;
}

void MoviePlayer::SetShowErrors(int on) {
    state_->showErrors = on;
}

int MoviePlayer::ShowErrors() const {
    return state_->showErrors;
}

int MoviePlayer::LastResult() const {
    return state_->lastResult;
}

long MoviePlayer::FramesShown() const {
    return state_->shown;
}

long MoviePlayer::FramesDropped() const {
    return state_->dropped;
}
