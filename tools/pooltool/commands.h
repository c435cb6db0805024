#pragma once
// The pooltool commands. Each takes its own arguments (after the command word) and returns an
// exit code; on failure the error code and context message say why.

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int ListPool(const Arguments& args);
int CreatePool(const Arguments& args);
int AddChunks(const Arguments& args);
int ReplaceChunkData(const Arguments& args);
int CopyChunks(const Arguments& args);
int ExtractChunk(const Arguments& args);
int ExportPicture(const Arguments& args);
int ConvertBmpToTbf(const Arguments& args);
int CheckPool(const Arguments& args);
