#pragma once
// Opening a file that a user or another file names, for reading.
#include <cstdint>
#include <string>

// Opens `path` for reading and returns its descriptor; `size` gets its size. Only a regular
// file (or a link to one) is opened: a pipe would block the reader for ever and a device feed
// it without end. Raises EInOutError naming the file and the reason.
int OpenRegularFile(const std::string& path, uint64_t& size);
