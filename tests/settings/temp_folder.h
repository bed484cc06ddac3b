// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace fenx {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);

} // namespace fenx
