#pragma once
// Files as the game sees them. The game writes paths the Windows way (`teams\escudos\x.png`) and
// its teams database comes from a case-insensitive file system, so every look-up here accepts
// either separator and finds each path component whatever its case. Listings are sorted so that
// a game built from the same folder is the same game every time.
//
// All paths are UTF-8. A path that does not exist comes back unchanged from ResolvePath, so
// callers may resolve before creating a file.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// `\` becomes `/`; nothing else changes ("teams\\escudos\\x.png" -> "teams/escudos/x.png").
std::string NativePath(std::string_view path);

// Joins two parts with one `/` between them (either part may be empty).
std::string JoinPath(std::string_view folder, std::string_view name);

// The part after the last separator ("sav/jogo1.sav" -> "jogo1.sav").
std::string FileNameOf(std::string_view path);
// The part before the last separator, without it ("sav/jogo1.sav" -> "sav"; "x" -> "").
std::string FolderOf(std::string_view path);
// The extension with its dot ("a/x.B14" -> ".B14"; "a.b/x" -> "").
std::string ExtensionOf(std::string_view path);

// ASCII letters and the accented Latin-1 letters compare without regard to case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// `*` matches any run of characters, `?` one character; case is ignored ("*.b14" matches
// "CLUBE.B14").
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The real path on disk of `path` (native or Windows separators): each component that exists
// with exactly that name is kept, otherwise the first one (in sorted order) whose name equals it
// ignoring case is taken. Once a component is missing, it and the rest are returned as given.
std::string ResolvePath(std::string_view path);

bool FileExists(std::string_view path);       // a regular file, found ignoring case
bool DirectoryExists(std::string_view path);  // a folder, found ignoring case

// Names (not paths) of the regular files in `folder` whose name matches `pattern`, sorted
// ignoring case (names equal but for case in byte order). A missing folder gives an empty list.
std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern = "*");
// Names of the sub-folders of `folder` (without "." and ".."), sorted the same way.
std::vector<std::string> ListFolders(std::string_view folder);

// The whole file, or nothing when it cannot be opened or read. It trusts the file: for anything
// a user may have put in place of a game file, use ReadRegularFile.
std::optional<std::string> ReadFile(std::string_view path);

enum class FileReadStatus {
    kRead,
    kMissing,   // nothing of that name (or a link to nothing)
    kNotAFile,  // a folder, pipe, device or socket: never opened for reading
    kTooLarge,  // longer than the caller's limit
    kFailed,    // there, but it could not be opened or read (permissions, I/O error)
};

struct FileContents {
    FileReadStatus status = FileReadStatus::kMissing;
    std::string bytes;  // empty unless kRead
    bool ok() const { return status == FileReadStatus::kRead; }
};

enum class ReadLimit {
    kWholeFile,  // a file longer than the limit is kTooLarge
    kHead,       // only the first bytes up to the limit are read
};

// Reads a regular file (a link to one is followed) of at most `max_bytes`: a pipe or a device
// in its place is refused before it is opened, so the read never waits on a writer or runs on
// without end, and a file that grows while it is read is never read past the limit.
FileContents ReadRegularFile(std::string_view path, std::size_t max_bytes,
                             ReadLimit limit = ReadLimit::kWholeFile);

// A regular file opened for reading in pieces, with the same care as ReadRegularFile: a pipe or
// a device in its place is refused unopened and never waited on. For a file too large to hold
// whole in memory first.
class RegularFileReader {
  public:
    explicit RegularFileReader(std::string_view path);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    // kRead while the file is open and every read so far succeeded.
    FileReadStatus status() const { return status_; }
    bool ok() const { return status_ == FileReadStatus::kRead; }
    // The file's size when it was opened; it may change while it is read.
    std::uintmax_t size() const { return size_; }
    // Reads the next n bytes into `into`; returns how many came, fewer only at the file's end
    // or on a read error (status() then says kFailed).
    std::size_t Read(void* into, std::size_t n);

  private:
    int fd_ = -1;
    std::uintmax_t size_ = 0;
    FileReadStatus status_ = FileReadStatus::kMissing;
};

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so the old file survives any failure. A target that already exists under
// another case is replaced under its existing name and keeps its permissions; a symbolic link
// is written through (the file it points to is replaced, the link stays). A read-only target,
// or one that is not a regular file, is refused. Temporary files of an earlier write to the
// same target that was killed half-way are removed first. On failure returns false, fills
// `error` (when given) with a short reason, and leaves no temporary file behind.
bool WriteFileAtomic(std::string_view path, std::string_view bytes, std::string* error = nullptr);

// The same, for a file too large to build in memory first: `produce` hands the bytes, in
// pieces, to the writer it is given (which says false when a piece could not be written) and
// says whether all of them were handed over. A false from either is a failed write.
using FilePieceWriter = std::function<bool(std::string_view piece)>;
bool WriteFileAtomicFrom(std::string_view path,
                         const std::function<bool(const FilePieceWriter&)>& produce,
                         std::string* error = nullptr);

// Creates the folder and its missing parents; true when it exists afterwards.
bool MakeFolders(std::string_view path);

}  // namespace kv
