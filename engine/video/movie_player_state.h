#pragma once
// Inside the movie player: the decoder state of the open movie and the player's settings.
// Shared by the player's source files only.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "engine/resources/file_manager.h"
#include "engine/video/movie_player.h"
#include "engine/video/movie_sound_track.h"

// The steps' texts (code page 437).
namespace movie_text {
constexpr const char* kCreateStream = "Fehler beim Erstellen des Haupt Streams";
constexpr const char* kInitStream = "Fehler beim Initialisieren des Haupt Streams";
constexpr const char* kAddVideo = "Fehler beim Hinzufuegen des Videostreams";
constexpr const char* kAddAudio = "Fehler beim Hinzufuegen des Audiostreams";
constexpr const char* kOpenFile = "Fehler beim Oeffnen der Datei";
constexpr const char* kFilterGraph = "Fehler beim Ermitteln des FilterGraphs";
constexpr const char* kMediaSeeking = "Fehler beim Erstellen des Media Seeking Interfaces";
constexpr const char* kVideoStream = "Fehler beim Erstellen des Direct Draw Streams";
constexpr const char* kVideoSample = "Fehler beim Erstellen des Direct Draw Streamsamples";
constexpr const char* kBasicAudio = "Fehler beim besorgen des BasicAudio Interfaces";
constexpr const char* kStartStream = "Fehler beim Starten des Streams";
constexpr const char* kDecode = "Fehler waehrend der Dekodierung";
constexpr const char* kStopVideo = "Fehler beim Stoppen des Videos";
constexpr const char* kSetVolume = "Fehler beim Setzen der Lautst\x84rke";
constexpr const char* kSetBalance = "Fehler beim Setzen der Balance";
constexpr const char* kSeekFrame = "Fehler beim Seeken zu einer Frame";
constexpr const char* kSeekTime = "Fehler beim Seeken zu einem Zeitpunkt";
}  // namespace movie_text

struct MoviePlayer::State {
    explicit State(NormalWin* window) : display(window) {}
    ~State() { CloseMovie(); }

    // Error 1, the last result, and the box when show errors is on.
    void Fail(const char* step, int result);
    void CloseMovie();

    bool OpenDecoders(int skipDecoderCheck);
    void ReadInformation();
    // 1 with the next picture in `frame`, 0 at the end, negative on a failure.
    int NextVideoFrame();
    // Reads one packet: video packets are queued, sound is decoded into the sound track.
    // False once the file has ended.
    bool ReadPacket();
    void DecodeAudio(const AVPacket* packet);
    // Reads ahead until the sound track holds a quarter of a second.
    void FillSoundAhead();
    int64_t FrameTicks(const AVFrame* picture) const;
    void Present(const AVFrame* picture);
    int SeekTo(int64_t timestamp, const char* step);

    NormalWin* display;
    int showErrors = 1;
    int lastResult = 0;
    MovieFrameHook beforeFrame = nullptr;
    MovieFrameHook afterFrame = nullptr;
    void* hookUser = nullptr;
    MovieStopHook frameHook = nullptr;
    void* frameHookUser = nullptr;
    bool active = true;  // the play loop's flag: cleared while the application is inactive

    // The open movie.
    std::string name;  // as asked for, to name it in a failure
    bool open = false;
    MovieRect rect;
    MovieInfo info;
    FileHandle file = nullptr;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* soundFrame = nullptr;
    AVPacket* packet = nullptr;
    std::deque<AVPacket*> videoPackets;
    int videoIndex = -1;
    int audioIndex = -1;
    AVRational videoTimeBase{1, 25};
    int64_t frameTicks = 0;  // one frame's duration on the performance counter
    bool running = false;
    bool ended = false;
    bool fileEnded = false;
    bool decoderDrained = false;
    bool haveFrame = false;  // `frame` holds the next picture already (after a seek)
    bool needAnchor = true;
    int64_t anchor = 0;  // counter ticks at the movie's time 0
    bool discardSound = false;
    long shown = 0;
    long dropped = 0;
    long volume = 0;
    long balance = 0;
    MovieSoundTrack track;
    std::vector<int16_t> soundScratch;
    std::vector<uint16_t> scaled;  // a frame scaled apart when the rectangle leaves the page
};
