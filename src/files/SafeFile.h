#pragma once
// The one way the program writes a file: the bytes are made in memory first, then written to a
// temporary file beside the destination, synced and renamed over it, so that a failure never
// leaves a damaged file in its place, and nothing but a regular file is ever replaced.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/ProjectFileLock.h"
#include "model/Message.h"

namespace umbrix {

/// Why a write was refused or failed; each cause has one message, the same for every output.
enum class WriteCause {
  DiskFull,        // no space left, quota, or the file-size limit
  AccessRefused,   // the folder (or the file system) refuses the write
  FolderMissing,   // the folder of the name does not exist
  NotRegularFile,  // the name designates a folder, a device, a pipe, a socket
  ReadOnlyFile,    // the file exists and its owner made it read-only
  FileHeld,        // a project held by this program or another instance
  InputOutput,     // anything else the system reports
};

/// The file that cannot be opened, a held one or a read-only one: "%1" is its name.
inline constexpr const char* kCannotOpenText =
    UMBRIX_TR("Message", "%1 : déjà ouvert ou erreur d'ouverture");

/// A file whose content is not what its kind says: "%1" is its name.
inline constexpr const char* kWrongFormatText = UMBRIX_TR("Message", "%1 : format incorrect");

/// The message pattern of a failed write, "%1" the file's name: one whole sentence per cause.
const char* WriteFailurePattern(WriteCause cause);

/// The message box of a failed write of `name` (the name as the user gave it): for a held or a
/// read-only file "<name> : déjà ouvert ou erreur d'ouverture", as for a file another program
/// has open; otherwise "<name> : erreur d'écriture, le fichier n'a pas été enregistré (<reason>)".
Message WriteFailureMessage(const std::string& name, WriteCause cause);

/// Writes `bytes` as the file `target` designates. A symbolic link is followed to the file it
/// names (a dangling one creates that file); a name that designates anything but a regular file
/// is refused and never renamed over; an existing file its owner made read-only (or that we may
/// not write) is refused. Otherwise a temporary file in the target's folder gets every byte
/// (each write checked), the target's permissions (and owner, when allowed), is synced and
/// renamed over the target, and the folder is synced. When `hold` is given the new file comes
/// back held (the shared lock is taken before the rename). On failure the old file is left byte
/// for byte as it was and no temporary stays behind.
std::optional<WriteCause> WriteFileSafely(const std::filesystem::path& target,
                                          std::string_view bytes, ProjectFileLock* hold = nullptr);

/// Writes `bytes` into the existing character device or named pipe `name` (links followed), in
/// place: it is opened for writing (waiting for a pipe's reader) and never replaced.
std::optional<WriteCause> WriteIntoStream(const std::string& name, std::string_view bytes);

/// An output of the program other than the project itself (DXF, SVG, bitmap, report, picture):
/// into an existing character device or named pipe as `WriteIntoStream`; otherwise as
/// `WriteFileSafely`, and refused as held when the destination is a file someone holds (the
/// loaded project, or a project another instance has open). The message names `name`.
std::optional<Message> WriteOutputFile(const std::string& name, std::string_view bytes);

}  // namespace umbrix
