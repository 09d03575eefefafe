#pragma once
// The boxes and dialogs of the windows: Qt's message boxes with the program's captions, icons and
// buttons, and Qt's file dialogs with the program's filters. The only place that opens a modal
// loop.

#include <QString>
#include <QStringList>

#include "app/Ports.h"

class QWidget;

namespace umbrix {

/// "Description|*.ext|Description|*.a;*.b" as Qt's name filters, one per pair, each the
/// description shown as it stands (its parenthesised patterns are what Qt matches).
QStringList QtNameFilters(const std::string& filter);

/// The extension a Qt name filter "Description (*.ext ...)" stands for: its first pattern's, when
/// that is a plain "*.ext"; empty otherwise.
QString FilterExtension(const QString& nameFilter);

/// A box's text for a Qt label: CR LF and lone CR become line feeds.
QString BoxText(QString text);

class QtPrompts final : public Prompts {
 public:
  /// A save dialog adds to a name without extension the extension of the filter chosen in it.
  /// The open and save dialogs start in `startFolder` (the working folder at start-up), then in
  /// the folder last chosen in each.
  explicit QtPrompts(QString startFolder);

  /// The window the boxes belong to (the active window when it is not set).
  void SetParent(QWidget* parent) { parent_ = parent; }
  /// A modal box or dialog is open: the windows must not re-validate or redraw meanwhile.
  bool Busy() const { return depth_ > 0; }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) override;

 private:
  QWidget* Parent() const;
  std::optional<std::string> RunFileDialog(const FileDialog& dialog, bool save);

  QWidget* parent_ = nullptr;
  QString openFolder_;
  QString saveFolder_;
  int depth_ = 0;
};

}  // namespace umbrix
