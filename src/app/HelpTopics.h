#pragma once
// The help topics: one page per topic id, where each id is attached (dialog tabs, groups and
// fields, the main window and its panes, the menus), and the rule that turns a help request on a
// control or a highlighted menu item into the topic to show.

#include <span>

#include "app/MainMenu.h"
#include "form/Controls.h"

namespace umbrix {

/// One page of the help and chapter of the manual.
struct HelpTopic {
  int id;
  /// The page's file name among the help pages ("cadran.html").
  const char* page;
  /// The page's title, also its chapter title in the manual.
  const char* title;
};

inline constexpr int kHelpTopicCount = 14;
/// The topic of "&Aide": the first page.
inline constexpr int kFirstTopic = 0;
/// The topic of the main window, and of everything in it that has none of its own.
inline constexpr int kMainWindowTopic = 4;

/// The folder of the help pages of the interface language, relative to the French pages' folder
/// ("" or "en/"); the pages keep their file names and anchors in every language.
const char* HelpPagesFolder(bool englishUi);

/// Every topic, in id order 0 to 12.
std::span<const HelpTopic> HelpTopics();
/// The topic `id`; the first page for an id that has no page.
const HelpTopic& TopicOf(int id);

/// The id attached to a control, a group or an edit of the dialog itself (0 for none).
int OwnTopic(ControlId id);
/// The id attached to a tab page of the dialog.
int OwnTopic(Tab tab);
/// The id attached to the dialog window.
int DialogOwnTopic();

/// F1 on a control of the dialog: its own id, else its group's, its tab's, the dialog's.
int DialogHelpTopic(ControlId id);
/// F1 on a tab page (its tab bar or empty room on it): the tab's id, else the dialog's.
int DialogHelpTopic(Tab tab);

/// The parts of the main window a help request can come from.
enum class MainWindowPart { Window, Drawing, ReportPane, CommentsPane };
/// F1 in the main window: the part's own id, else the window's.
int MainWindowHelpTopic(MainWindowPart part);

/// F1 on a highlighted menu item: the item's id, else its menus' from the nearest outwards,
/// else the main window's.
int MenuHelpTopic(MenuId id);

}  // namespace umbrix
