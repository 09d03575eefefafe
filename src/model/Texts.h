#pragma once
// How texts are written in the layers without Qt.
//
// French is the source language. Every text a person reads (captions, hints, units, menu items,
// messages, report and ephemeris lines, print headers, title blocks, the command line's messages)
// is written once, where it belongs, inside `UMBRIX_TR(context, text)`: `lupdate` reads the marker
// as `QT_TRANSLATE_NOOP` and the window translates the text in that context at the edge. A text
// with a variable part is one whole sentence with numbered arguments ("%1", "%2"; "%n" where a
// number decides the plural), composed where it is shown; gender and number are in the pattern.
//
// Texts that are file format are written inside `UMBRIX_FILE_TEXT(text)` and never translated:
// the `.umd` header and the comments its reader skips, the DXF and SVG layer names, the tags of
// the formats, the command line's option names and values (scripts type them). The report copy
// that a project file keeps is the report as the program wrote it, in the language of the
// interface that saved it; the reader never parses it.

#include <string>
#include <string_view>
#include <vector>

/// A text a person reads, in `context`; the expression is the source text itself.
#define UMBRIX_TR(context, text) text
/// A text with "%n" whose plural form the count chooses, in `context`.
#define UMBRIX_TR_N(context, text) text
/// A text that a file format fixes: written as it stands, whatever the interface language.
#define UMBRIX_FILE_TEXT(text) text

namespace umbrix {

/// `pattern` with "%1" to "%9" replaced by `args` (in one pass, so an argument holding "%2" stays
/// as it is) and "%n" by `count`'s digits; a "%" followed by anything else stays.
std::string ComposeText(std::string_view pattern, const std::vector<std::string>& args,
                        long count = 0);

}  // namespace umbrix
