#pragma once
// How the computations write back into the dialog's entries: the simulated and generated shadow
// points and the Test tab's place. Each write runs the entry's own validation, exactly as if the
// user had typed the text and left the field.

#include <string>

#include "model/DialProject.h"

namespace umbrix {

/// The radio buttons a computation may select: the signs of the latitude and the longitude.
enum class PlaceRadio { Nord, Sud, Est, Ouest };

class EntryWriter {
 public:
  virtual ~EntryWriter() = default;
  /// Sets the entry's text and runs its leave handler, which stores the value and the given-flag
  /// (an empty text leaves the entry not given).
  virtual void SetEntryText(Field field, const std::string& text) = 0;
  /// Selects a radio button; its partner is deselected and the pair's handler runs (which flips
  /// the stored value's sign) exactly when the selection changes.
  virtual void SelectRadio(PlaceRadio radio) = 0;
};

}  // namespace umbrix
