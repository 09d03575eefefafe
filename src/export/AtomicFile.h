#pragma once
// Writing a file so that a failure never leaves a half-written or damaged file in its place.

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "model/Message.h"

namespace umbrix {

/// "Erreur d'écriture du fichier " followed by the file's path.
Message WriteErrorMessage(const std::filesystem::path& destination);

/// Writes through `write` into a temporary file beside `destination` (same folder), then, once
/// every byte is written and the file closed without error, renames it into place. On any failure
/// (folder missing, no permission, disk full, destination a folder, the writer failing the stream
/// or throwing) the temporary is removed, an existing `destination` is left untouched, and the
/// write error message is returned. The stream is binary: the writer's bytes go out unchanged.
std::optional<Message> WriteFileAtomically(const std::filesystem::path& destination,
                                           const std::function<void(std::ostream&)>& write);

}  // namespace umbrix
