#include "platform/base/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/base/fresh_memory.h"
#include "platform/base/utf8.h"

namespace kv {
namespace {

// Reads one code point; malformed bytes stand for themselves so that comparison stays total.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 >= 0xC2 && b0 <= 0xDF && i + 1 < s.size()) {
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if ((b1 & 0xC0) == 0x80) {
            i += 2;
            return (char32_t(b0 & 0x1F) << 6) | (b1 & 0x3F);
        }
    }
    if (b0 >= 0x80) {
        // Longer sequences are left as bytes: only ASCII and Latin-1 letters fold.
        ++i;
        return 0x110000 + b0;
    }
    ++i;
    return b0;
}

std::vector<char32_t> Folded(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) out.push_back(LowerChar(NextCodePoint(s, i)));
    return out;
}

// Case-insensitive order, as the game's original file system listed folders; names that differ
// only in case fall back to byte order so that the order is total.
bool NameLess(const std::string& a, const std::string& b) {
    const auto fa = Folded(a), fb = Folded(b);
    if (fa != fb) return fa < fb;
    return a < b;
}

bool StatIs(const std::string& path, mode_t kind) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Every entry name of a folder except "." and "..", sorted.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
        names.emplace_back(e->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

std::vector<std::string> EntriesOfKind(std::string_view folder, std::string_view pattern,
                                       mode_t kind) {
    const std::string real = ResolvePath(folder);
    std::vector<std::string> names;
    for (auto& name : Entries(real)) {
        if (WildcardMatch(pattern, name) && StatIs(JoinPath(real, name), kind))
            names.push_back(std::move(name));
    }
    return names;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

bool Refuse(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

// The file a chain of symbolic links ends at (the path itself when it is no link). A chain
// that does not end is returned as the link it stopped at.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<size_t>(n) >= target.size()) return path;
        target.resize(static_cast<size_t>(n));
        path = target.front() == '/' ? target : JoinPath(FolderOf(path), target);
    }
    return path;
}

bool IsLink(const std::string& path) {
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// What a new file gets: read and write for whoever the user's mask allows.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporaries WriteFileAtomic makes for `name`: "." + name + "." + six characters.
bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    const size_t prefix = name.size() + 2;
    if (entry.size() != prefix + 6 || entry[0] != '.' || entry.substr(1, name.size()) != name ||
        entry[name.size() + 1] != '.')
        return false;
    return std::all_of(
        entry.begin() + static_cast<std::ptrdiff_t>(prefix), entry.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
}

// A write killed half-way leaves its temporary behind. A write in progress holds a lock on its
// temporary until the rename, so a temporary nobody holds is left over and can go.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
    for (const std::string& entry : Entries(folder)) {
        if (!IsTemporaryOf(entry, name)) continue;
        const std::string path = JoinPath(folder, entry);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st{};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

}  // namespace

std::string NativePath(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    if (name.empty()) return std::string(folder);
    std::string out(folder);
    if (out.back() != '/' && out.back() != '\\') out += '/';
    out.append(name.substr(std::min(name.find_first_not_of("/\\"), name.size())));
    return out;
}

std::string FileNameOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string ExtensionOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    const auto p = Folded(pattern);
    const auto n = Folded(name);
    // Greedy match with one back-track point: linear for the patterns the game uses.
    size_t pi = 0, ni = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == U'*') {
            star = pi++;
            mark = ni;
        } else if (star != std::string::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*') ++pi;
    return pi == p.size();
}

std::string ResolvePath(std::string_view path) {
    const std::string native = NativePath(path);
    // A path that exists as written resolves to itself, found with one look instead of one a
    // part (the walk below would keep every part as given). Doubled and trailing slashes are
    // left to the walk, which drops them.
    if (!native.empty() && native.find("//") == std::string::npos && native.back() != '/' &&
        Exists(native))
        return native;
    std::string real;
    size_t pos = 0;
    if (!native.empty() && native[0] == '/') {
        real = "/";
        pos = 1;
    }
    // A path that is there as written is kept as written: one look instead of one for each of
    // its folders (a scan of the teams folder resolves hundreds of paths).
    const bool there_as_written = !native.empty() && Exists(native);
    while (pos <= native.size()) {
        size_t end = native.find('/', pos);
        if (end == std::string::npos) end = native.size();
        const std::string part = native.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty()) continue;
        const std::string exact = JoinPath(real, part);
        if (part == "." || part == ".." || there_as_written || Exists(exact)) {
            real = exact;
            continue;
        }
        std::string found;
        for (const auto& entry : Entries(real)) {
            if (SameNameIgnoringCase(entry, part)) {
                found = entry;
                break;
            }
        }
        if (found.empty()) {
            // Missing from here on: keep the rest as given.
            return pos > native.size() ? exact : JoinPath(exact, native.substr(pos));
        }
        real = JoinPath(real, found);
    }
    return real;
}

bool FileExists(std::string_view path) {
    return StatIs(ResolvePath(path), S_IFREG);
}

bool DirectoryExists(std::string_view path) {
    return StatIs(ResolvePath(path), S_IFDIR);
}

std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern) {
    return EntriesOfKind(folder, pattern, S_IFREG);
}

std::vector<std::string> ListFolders(std::string_view folder) {
    return EntriesOfKind(folder, "*", S_IFDIR);
}

std::optional<std::string> ReadFile(std::string_view path) {
    const std::string real = ResolvePath(path);
    const int fd = ::open(real.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // Read straight into a buffer of the file's size (a saved game runs to tens of megabytes):
    // one allocation, no chunk copied twice. A file that grows while read still reads whole.
    std::string bytes;
    struct stat st {};
    std::size_t size = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        size = static_cast<std::size_t>(st.st_size);
    bytes.resize(size + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    ::close(fd);
    return bytes;
}

RegularFileReader::RegularFileReader(std::string_view path) {
    const std::string real = ResolvePath(path);
    struct stat st{};
    if (::stat(real.c_str(), &st) != 0) {
        status_ = errno == ENOENT || errno == ENOTDIR ? FileReadStatus::kMissing
                                                      : FileReadStatus::kFailed;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        status_ = FileReadStatus::kNotAFile;
        return;
    }
    // Not blocking: the name may have been swapped for a pipe since the look above.
    fd_ = ::open(real.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        status_ = errno == ENOENT ? FileReadStatus::kMissing : FileReadStatus::kFailed;
        return;
    }
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        status_ = FileReadStatus::kNotAFile;
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<std::uintmax_t>(st.st_size);
    status_ = FileReadStatus::kRead;
}

RegularFileReader::~RegularFileReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t RegularFileReader::Read(void* into, std::size_t n) {
    auto* out = static_cast<char*>(into);
    std::size_t got = 0;
    while (fd_ >= 0 && got < n) {
        const ssize_t r = ::read(fd_, out + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) {
            status_ = FileReadStatus::kFailed;
            break;
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return got;
}

FileContents ReadRegularFile(std::string_view path, std::size_t max_bytes, ReadLimit limit) {
    FileContents out;
    RegularFileReader file(path);
    out.status = file.status();
    const bool whole = limit == ReadLimit::kWholeFile;
    if (out.ok() && whole && file.size() > max_bytes) out.status = FileReadStatus::kTooLarge;
    if (out.ok()) {
        // One byte past the limit tells a file that grew while it was read.
        const size_t cap = whole ? max_bytes + 1 : max_bytes;
        // One byte more than the file holds, so that the read that finds its end lands in the
        // buffer: growing a full buffer would copy the whole file to a new one.
        const auto size =
            static_cast<std::size_t>(std::min<std::uintmax_t>(cap, file.size() + 1));
        out.bytes.reserve(size);
        PrepareForFilling(out.bytes.data(), size);
        out.bytes.resize(size);
        size_t got = 0;
        for (;;) {
            if (got == out.bytes.size()) {
                if (got >= cap) break;
                out.bytes.resize(std::min(cap, got + 65536));
            }
            const size_t n = file.Read(out.bytes.data() + got, out.bytes.size() - got);
            got += n;
            if (!file.ok() || n == 0 || got < out.bytes.size()) break;
        }
        out.status = file.status();
        out.bytes.resize(got);
        if (out.ok() && whole && got > max_bytes) out.status = FileReadStatus::kTooLarge;
    }
    if (!out.ok()) out.bytes.clear();
    return out;
}

bool WriteFileAtomic(std::string_view path, std::string_view bytes, std::string* error) {
    return WriteFileAtomicFrom(
        path, [bytes](const FilePieceWriter& write) { return write(bytes); }, error);
}

bool WriteFileAtomicFrom(std::string_view path,
                         const std::function<bool(const FilePieceWriter&)>& produce,
                         std::string* error) {
    const auto no_name = [](std::string_view name) {
        return name.empty() || name == "." || name == "..";
    };
    if (no_name(FileNameOf(path))) return Refuse(error, "nome de arquivo vazio");
    const std::string target = FollowLinks(ResolvePath(path));
    const std::string name = FileNameOf(target);
    if (no_name(name)) return Refuse(error, "nome de arquivo vazio");
    if (IsLink(target)) return Refuse(error, target + ": links demais");
    mode_t mode = NewFileMode();
    struct stat st{};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Refuse(error, target + " não é um arquivo comum");
        // A file marked read-only is the user's choice, whoever runs the game.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return Refuse(error, "o arquivo " + target + " é somente leitura");
        mode = st.st_mode & 0777;
    }
    const std::string folder = FolderOf(target);
    // Said in terms of the file the player asked for, never of the hidden temporary beside it.
    if (!folder.empty() && !StatIs(folder, S_IFDIR))
        return Refuse(error, "não foi possível gravar " + target + ": a pasta " + folder +
                                 " não existe");
    RemoveStaleTemporaries(folder.empty() ? "." : folder, name);
    std::string temp = JoinPath(folder, "." + name + ".XXXXXX");
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Fail(error, "não foi possível criar " + target);
    // Held until the rename, so that another write's clean-up leaves this temporary alone.
    ::flock(fd, LOCK_EX | LOCK_NB);
    // mkstemp makes the file private; the replacement keeps what the old file allowed.
    const FilePieceWriter write = [fd](std::string_view piece) { return WriteAll(fd, piece); };
    if (!produce(write) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0 ||
        ::rename(temp.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "não foi possível gravar " + target);
    }
    if (::close(fd) != 0) return Fail(error, "não foi possível gravar " + target);
    // The rename itself must reach the disk too, or a crash could bring back the old file.
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool MakeFolders(std::string_view path) {
    const std::string real = ResolvePath(path);
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = real.find('/', pos + 1);
        partial = real.substr(0, pos);
        if (!partial.empty() && !Exists(partial) && ::mkdir(partial.c_str(), 0755) != 0 &&
            errno != EEXIST)
            return false;
    }
    return StatIs(real, S_IFDIR);
}

}  // namespace kv
