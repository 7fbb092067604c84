#include "files/durable_write.h"

#include "durable_write_p.h"

#include <chrono>
#include <string>

namespace kov {

namespace {

using Native = std::filesystem::path::string_type;

constexpr std::size_t randomLength = 6;
constexpr std::string_view randomAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

Native nativeText(std::string_view ascii) {
    return Native(ascii.begin(), ascii.end());
}

Native temporaryPrefix(const std::filesystem::path& target, std::string_view marker) {
    return nativeText(".") + target.filename().native() + nativeText(marker);
}

std::filesystem::path followLink(const std::filesystem::path& target) {
    // Writing through a symbolic link updates the file it points to, as an in-place write would,
    // instead of replacing the link with a plain file.
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        auto resolved = std::filesystem::canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

bool isTemporaryFileOf(const Native& name, const std::filesystem::path& target,
                       std::string_view marker) {
    const Native prefix = temporaryPrefix(target, marker);
    if (name.size() != prefix.size() + randomLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t at = prefix.size(); at < name.size(); ++at) {
        const auto c = static_cast<unsigned long>(name[at]);
        if (c > 0x7f || randomAlphabet.find(static_cast<char>(c)) == std::string_view::npos)
            return false;
    }
    return true;
}

} // namespace

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

TemporaryNames::TemporaryNames()
    : engine_(
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
          reinterpret_cast<std::uintptr_t>(this)) {}

std::filesystem::path TemporaryNames::next(const std::filesystem::path& target,
                                           std::string_view marker) {
    std::string random;
    std::uniform_int_distribution<std::size_t> pick(0, randomAlphabet.size() - 1);
    for (std::size_t at = 0; at < randomLength; ++at)
        random.push_back(randomAlphabet[pick(engine_)]);
    return folderOf(target) / (temporaryPrefix(target, marker) + nativeText(random));
}

std::error_code replaceFileDurably(const std::filesystem::path& target,
                                   std::string_view bytes) noexcept {
    try {
        return replaceResolvedFile(followLink(target), bytes);
    } catch (...) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
}

std::error_code whyCannotWriteBeside(const std::filesystem::path& target) noexcept {
    try {
        return tryCreatingBeside(target);
    } catch (...) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
}

void removeAbandonedTemporaryFiles(const std::filesystem::path& target) noexcept {
    using namespace std::chrono_literals;
    try {
        const auto resolved = followLink(target);
        const auto cutoff = std::filesystem::file_time_type::clock::now() - 10min;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folderOf(resolved), error), end;
             !error && entry != end; entry.increment(error)) {
            std::error_code ignored;
            const auto name = entry->path().filename().native();
            const bool linked = isTemporaryFileOf(name, resolved, linkedMarker);
            if ((!linked && !isTemporaryFileOf(name, resolved, temporaryMarker)) ||
                !entry->is_regular_file(ignored) || entry->is_symlink(ignored))
                continue;
            // A linked name lives only for an instant in a write that is not killed, so one
            // seen here is abandoned whatever its age.
            const auto modified = entry->last_write_time(ignored);
            if (linked || (!ignored && modified < cutoff))
                std::filesystem::remove(entry->path(), ignored);
        }
    } catch (...) {
        // Nothing to sweep then: a leftover only takes room, it never stops a deal.
    }
}

} // namespace kov
