#include "bounded_read_p.h"
#include "file_handle_posix_p.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace kov {

FileBytes openAndRead(const std::filesystem::path& path, std::size_t bound, PastTheBound past) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) {
        const std::error_code error = lastError();
        switch (error.value()) {
        case ENOENT:
        case ENOTDIR:
            return refusedFile(FileRefusal::Missing, error);
        case ELOOP:
            return refusedFile(FileRefusal::LinkLoop, error);
        case ENXIO: // a socket
            return refusedFile(FileRefusal::NotAFile, error);
        default:
            return refusedFile(FileRefusal::Unreadable, error);
        }
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return refusedFile(FileRefusal::Unreadable, lastError());
    if (S_ISDIR(status.st_mode))
        return refusedFile(FileRefusal::Folder);
    if (!S_ISREG(status.st_mode))
        return refusedFile(FileRefusal::NotAFile);
    return readOpenedFile(static_cast<std::uintmax_t>(status.st_size), bound, past,
                          [&](char* into, std::size_t room, std::error_code& error) {
                              for (;;) {
                                  const ssize_t got = ::read(file.get(), into, room);
                                  if (got >= 0)
                                      return static_cast<std::size_t>(got);
                                  if (errno != EINTR) {
                                      error = lastError();
                                      return std::size_t{0};
                                  }
                              }
                          });
}

} // namespace kov
