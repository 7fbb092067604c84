#pragma once

#include "files/bounded_read.h"

#include <cstdint>
#include <functional>

namespace kov {

// One read of at most room bytes into into: how many came (0 at the end of the file), with
// error set when the read failed.
using ReadSome = std::function<std::size_t(char* into, std::size_t room, std::error_code& error)>;

[[nodiscard]] FileBytes refusedFile(FileRefusal refusal, std::error_code error = {});

// Reads an opened ordinary file that declares size bytes, within the bound.
[[nodiscard]] FileBytes readOpenedFile(std::uintmax_t size, std::size_t bound, PastTheBound past,
                                       const ReadSome& readSome);

// This system's half: opens and checks the file, then reads it with readOpenedFile.
[[nodiscard]] FileBytes openAndRead(const std::filesystem::path& path, std::size_t bound,
                                    PastTheBound past);

} // namespace kov
