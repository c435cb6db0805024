#pragma once
// A scratch working directory for the benchmark programs that write files.

#include <filesystem>
#include <string>
#include <system_error>

// A folder under the temporary directory as the working directory while the object lives; at
// the end the previous working directory is back and the folder is gone.
class ScratchDir {
  public:
    explicit ScratchDir(const std::string& name)
        : dir_(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(dir_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    ~ScratchDir() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

  private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};
