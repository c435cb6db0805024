#pragma once
// Writes an AVI movie with MPEG-4 pictures and 16-bit PCM sound, the form of the game's
// movies: frames come as 24-bit RGB or as 5-6-5 pictures, sound as interleaved 16-bit samples.
// The file is written through the file manager.

#include <cstdint>
#include <memory>

struct MovieLayout {
    int width = 640;
    int height = 480;
    int framesPerSecond = 25;
    int bitRate = 0;        // bits per second of the pictures; 0 picks one from the size
    int audioRate = 22050;  // 0 for a movie without sound
    int audioChannels = 2;
};

class MovieWriter {
  public:
    MovieWriter();
    ~MovieWriter();
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;

    // 1 on success; 0 with error 8 (the file cannot be made) or 10 (the encoder refused).
    int Open(const char* name, const MovieLayout& layout);
    // One picture of the movie's size. 1 on success, 0 with error 10.
    int AddFrameRgb24(const uint8_t* pixels, int strideBytes);
    int AddFrame565(const uint16_t* pixels, int pitchPixels);
    // Interleaved samples, frames × channels values. 1 on success, 0 with error 10.
    int AddAudio(const int16_t* samples, int frames);
    // Finishes the file (encoders drained, index written) and closes it. 1 on success.
    int Close();

    int FramesWritten() const;
    bool IsOpen() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};
