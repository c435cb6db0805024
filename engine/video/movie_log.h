#pragma once
// FFmpeg's own messages go to stderr through the engine's writer rather than FFmpeg's printer:
// its errors always, its warnings too when verbose. Its warnings on ordinary movies (a scaler
// path it does not take, say) tell a player nothing to act on.

// Puts the log in place of FFmpeg's printer, once (the movie player and writer do it when
// they are made).
void InstallMovieLog();
// Shows FFmpeg's warnings too, or its errors only (the default); installs the log.
void SetMovieLogVerbose(bool verbose);
