#pragma once
// Who the program says it is: the texts that the print header and the About box share.

namespace umbrix {

/// The program's name and version as the print header and the About box show them.
inline constexpr const char* kProgramNameAndVersion = "Umbrix Z3uviv12";
/// The label before the name and version on the first line of a print header.
inline constexpr const char* kProgramLabel = "Tracé par le logiciel ";
/// The date line of the About box.
inline constexpr const char* kVersionDate = "Version du 3 juin 2012";
/// Where makers send a photo of their finished dial.
inline constexpr const char* kPhotoAddress = "cadrans@umbrix.org";

}  // namespace umbrix
