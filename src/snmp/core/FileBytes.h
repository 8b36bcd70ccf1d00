// Whole-file reading with C stdio: a stream's read of a folder throws, and the callers only
// need to know whether the bytes are there.
#pragma once

#include <string>

enum class FileRead { Ok, CannotOpen, ReadError };

FileRead ReadFileBytes(const std::string& path, std::string& content);
