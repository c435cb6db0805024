#pragma once
// The player's settings on disk: settings.ini (a small INI file with comments, read leniently)
// for everything but the two display modes, which stay in config.cfg in that file's own
// 32-byte records.

#include <string>
#include <vector>

#include "game/ui/game_settings.h"

// Where settings.ini lives: beside config.cfg in a portable working directory (--workdir, or
// config.cfg in the current directory), else $XDG_CONFIG_HOME/ravez-lensquest (by default
// ~/.config/ravez-lensquest). Empty when there is no home to put it in.
std::string settingsFilePath(bool portable, const std::string& workDir);

// The settings in `path` over the defaults. A missing file gives the defaults without a word;
// every unknown key, bad value or damaged line adds one line to *problems (naming the file,
// the line and the key) and leaves that setting at its default. The two config.cfg modes are
// left as `base` has them.
GameSettings readSettingsFile(const std::string& path, const GameSettings& base,
                              std::vector<std::string>* problems);
// The file's text for these settings, with a comment over every key.
std::string settingsText(const GameSettings& settings);
// Writes the file whole or not at all; false with *error naming the file.
bool writeSettingsFile(const std::string& path, const GameSettings& settings, std::string* error);

// config.cfg's text with its scrmode and detailmode records set (added before "end" when
// missing); every other record, comment and the layout stay as they were.
std::string configWithModes(const std::string& contents, int resolutionMode, int detailMode);
// Reads config.cfg (a missing one starts from the default), sets the modes and writes it whole
// or not at all; false with *error naming the file.
bool writeConfigModes(const std::string& path, int resolutionMode, int detailMode,
                      std::string* error);

// The bytes go to a temporary file in the same folder, reach the disk, and are renamed over the
// old file; the folder is made when missing. False with *error naming the file.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error);
