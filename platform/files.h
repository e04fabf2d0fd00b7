// Files: the file-system operations the reader, the engine and the staging
// step need. Implemented by platform/win32/files.cpp (Windows) and
// platform/host/files.cpp (Linux). Paths are code-page-936 byte strings.
#pragma once

#include <cstddef>
#include <string>

// True when a file or a folder exists at path.
bool PathExists(const std::string& path);

// CreateDirectoryA(path, no security attributes).
bool CreateFolder(const std::string& path);

// SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL); the result is not needed.
void SetNormalAttributes(const std::string& path);

// Creates the file or empties an existing one (GENERIC_WRITE, no sharing,
// CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, inheritable handle), writes all bytes
// in one write and closes it. An empty path gives false without touching the
// disk; a failure part-way leaves the partly written file.
bool WriteFileBytes(const std::string& path, const void* bytes, size_t size);

// DeleteFileA(path).
bool DeleteFilePath(const std::string& path);
