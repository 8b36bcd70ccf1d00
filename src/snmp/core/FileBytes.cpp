#include "FileBytes.h"

#include <cstdio>
#include <memory>

FileRead ReadFileBytes(const std::string& path, std::string& content) {
    content.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return FileRead::CannotOpen;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, n);
    return std::ferror(file.get()) ? FileRead::ReadError : FileRead::Ok;
}
