#pragma once
// Who the program says it is: the texts that the print header and the About box share.

#include "model/Texts.h"

namespace umbrix {

/// The program's name and version as the print header and the About box show them.
inline constexpr const char* kProgramNameAndVersion = "Umbrix Z3uviv12";
/// The first line of a print header, "%1" the name and version.
inline constexpr const char* kProgramLabel = UMBRIX_TR("PrintPlan", "Tracé par le logiciel %1");
/// The date line of the About box.
inline constexpr const char* kVersionDate = UMBRIX_TR("ProgramIdentity", "Version du 3 juin 2012");
/// Where makers send a photo of their finished dial.
inline constexpr const char* kPhotoAddress = "cadrans@umbrix.org";

}  // namespace umbrix
