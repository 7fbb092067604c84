#include "files/bounded_read.h"

#include "bounded_read_p.h"

#include <algorithm>

namespace kov {

FileBytes refusedFile(FileRefusal refusal, std::error_code error) {
    return {{}, refusal, error};
}

FileBytes readOpenedFile(std::uintmax_t size, std::size_t bound, PastTheBound past,
                         const ReadSome& readSome) {
    const bool refused = past == PastTheBound::Refused;
    if (refused && size > bound)
        return refusedFile(FileRefusal::TooLarge);
    // One byte more than the bound is read where that refuses the file, to see it grew past.
    const std::size_t most = refused ? bound + 1 : bound;
    // Room for what the file declares and a byte more, so that growth shows without a read
    // past the bound; the room doubles while the file goes on growing.
    FileBytes file;
    file.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(size + 1, most)));
    std::size_t have = 0;
    while (have < file.bytes.size()) {
        const std::size_t got =
            readSome(file.bytes.data() + have, file.bytes.size() - have, file.error);
        if (file.error)
            return refusedFile(FileRefusal::Unreadable, file.error);
        if (got == 0)
            break;
        have += got;
        if (have == file.bytes.size() && have < most)
            file.bytes.resize(std::min(2 * have, most));
    }
    if (have > bound)
        return refusedFile(FileRefusal::TooLarge);
    file.bytes.resize(have);
    return file;
}

FileBytes readFileBounded(const std::filesystem::path& path, std::size_t bound,
                          PastTheBound past) noexcept {
    try {
        return openAndRead(path, bound, past);
    } catch (...) {
        return refusedFile(FileRefusal::Unreadable,
                           std::make_error_code(std::errc::not_enough_memory));
    }
}

} // namespace kov
