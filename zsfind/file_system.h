#pragma once
// The few file operations the tool needs, on the host's own calls: POSIX on
// the build machine, the ANSI Win32 functions on Windows (paths are Shift-JIS
// bytes, passed on unconverted).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TReadFile {
 public:
  TReadFile() = default;
  TReadFile(const TReadFile&) = delete;
  TReadFile& operator=(const TReadFile&) = delete;
  ~TReadFile();

  // False for a missing file, a folder, a file that cannot be opened, and
  // for anything that is not a file on a disk: a device (CON, NUL, COM1), a
  // pipe. A console or a port would keep a search waiting for input from a
  // window no one sees.
  bool Open(const std::string& path);
  // Whether the last Open refused the path for not being a file on a disk.
  bool WasDeviceRefused() const { return FDevice; }
  // Bytes read, 0 at the end, -1 on a read error.
  long long Read(unsigned char* buffer, std::size_t size);
  std::optional<std::uint64_t> Size();
  bool Seek(std::uint64_t offset);

 private:
  friend class TFileView;
  std::intptr_t FHandle = -1;
  bool FDevice = false;
};

#if !defined(_WIN32)
// (Not on Windows: there a page of a mapped view that cannot be read, a
// network or USB drive gone, raises an exception that this compiler's C++
// cannot catch, so the database is read with ReadFile, whose errors are
// return values.)
//
// A read-only view of part of a file, mapped rather than copied: reading a
// large database this way saves the copy out of the system's file cache. A
// page that cannot be read (the file cut short under the view, an I/O error)
// reads as zeros and is recorded, instead of ending the process with SIGBUS.
// The view is released when the object goes.
class TFileView {
 public:
  // Offsets of views must be multiples of this (the coarsest of the systems').
  static constexpr std::uint64_t kGranularity = 64 * 1024;

  TFileView() = default;
  TFileView(const TFileView&) = delete;
  TFileView& operator=(const TFileView&) = delete;
  ~TFileView();

  // Null when the file cannot be mapped (the caller then reads it instead).
  const unsigned char* Map(TReadFile& file, std::uint64_t offset, std::size_t size);

  // Whether a page of any view could not be read since ClearFailures.
  static bool HasAnyPageFailed();
  static void ClearFailures();

 private:
  void Release();

  void* FAddress = nullptr;
  std::size_t FSize = 0;
  int FSlot = -1;  // of the guarded ranges
};
#endif

class TWriteFile {
 public:
  TWriteFile() = default;
  TWriteFile(const TWriteFile&) = delete;
  TWriteFile& operator=(const TWriteFile&) = delete;
  ~TWriteFile();

  // Creates the file; false when anything (a file, a link) has the name.
  bool CreateNew(const std::string& path);
  // Writes are buffered; a failure sticks and is reported by Close. What fits
  // in the buffer is copied there at once: the HTML result is written in many
  // small pieces.
  void Write(std::string_view data) {
    if (data.size() < kBufferSize - FPending.size()) {
      FPending.append(data);
    } else {
      WriteThrough(data);
    }
  }
  std::uint64_t Offset() const { return FWritten + FPending.size(); }
  // Overwrites bytes already written (the count in a header).
  void WriteAt(std::uint64_t offset, std::string_view data);
  bool Close();

 private:
  static constexpr std::size_t kBufferSize = 256 * 1024;
  void WriteThrough(std::string_view data);
  void Flush();
  bool RawWrite(std::string_view data);
  bool RawWriteAt(std::uint64_t offset, std::string_view data);

  std::intptr_t FHandle = -1;
  std::string FPending;
  std::uint64_t FWritten = 0;
  bool FFailed = false;
};

// Holds a lock on a folder's results while it lives: one writer at a time
// replaces or appends to the results in it, whichever process it is in (a
// named mutex on Windows, flock on the folder elsewhere).
class TFolderLock {
 public:
  TFolderLock() = default;
  TFolderLock(const TFolderLock&) = delete;
  TFolderLock& operator=(const TFolderLock&) = delete;
  ~TFolderLock();

  // Waits for the lock; false when it cannot be had (the folder is missing).
  bool Lock(const std::string& folder);

 private:
  std::intptr_t FHandle = -1;
};

// Creates the folder when it is missing; true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Moves from over to, replacing to.
bool MoveReplacing(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// The paths of the files in `folder` (the working folder when empty) whose
// names end in `suffix`.
std::vector<std::string> FilesEndingIn(const std::string& folder, std::string_view suffix);
// Bytes from the system's random source, for names no one can guess.
bool RandomBytes(unsigned char* buffer, std::size_t size);
// The process's command line as the system holds it, where it has one.
std::optional<std::string> RawCommandLine();
// The folder part of a path (up to its last separator that is a whole
// character, not the trail byte of 表), empty when there is none.
std::string ParentDirectory(std::string_view path);
