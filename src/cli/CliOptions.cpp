#include "cli/CliOptions.h"

#include <QString>
#include <QTranslator>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "model/Formats.h"
#include "model/Texts.h"
#include "render/InterfaceLanguage.h"
#include "render/Translate.h"

#ifndef UMBRIX_VERSION
#define UMBRIX_VERSION "0"
#endif

namespace umbrix {

namespace {

/// Lower case of ASCII letters and of the accented capitals of Latin-1 in UTF-8 ("É" is the two
/// bytes C3 89, "é" C3 A9), which is every capital a French command name can hold.
std::string Lower(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < out.size()) {
      const auto next = static_cast<unsigned char>(out[i + 1]);
      // U+00C0 to U+00DE, the multiplication sign U+00D7 apart
      if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
  return out;
}

/// A whole number of pixels within the accepted bounds.
std::optional<int> Side(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kMinDrawingSide || value > kMaxDrawingSide) return std::nullopt;
  return value;
}

/// A step of the reliability study: a number above 0 and at most `max`.
std::optional<double> Step(std::string_view text, double max) {
  const std::optional<double> v = ParseDecimal(text);
  if (!v || !std::isfinite(*v) || *v <= 0 || *v > max) return std::nullopt;
  return v;
}

/// Whether the argument after a bare --fiabilite is its file rather than the project or an option.
bool IsStudyTarget(const std::string& next) {
  if (next == "-") return true;
  if (next.empty() || next.starts_with("-")) return false;
  const std::string lower = Lower(next);
  return !lower.ends_with(".umd") && !lower.ends_with(".umb");
}

/// A usage error: a marked text of the command line, a pattern when it has `args`.
CliParse Refuse(const char* error, std::vector<std::string> args = {}) {
  return {std::nullopt, error, std::move(args)};
}

/// Columns a text takes on a terminal: its UTF-8 characters, each one column.
size_t Columns(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// ---------------------------------------------------------------- what each option sets

using Refusal = std::optional<CliRefusal>;

template <std::optional<std::string> CliOptions::*file>
Refusal SetFile(CliOptions& o, const std::string& value) {
  o.*file = value;
  return std::nullopt;
}

template <CliOptions::Action action>
Refusal SetAction(CliOptions& o, const std::string&) {
  o.action = action;
  return std::nullopt;
}

Refusal SetCommand(CliOptions& o, const std::string& value) {
  o.command = CommandMode(value);
  if (o.command) return std::nullopt;
  return CliRefusal{UMBRIX_TR("Cli",
                              "commande inconnue : « %1 » (calculer, simuler, tracer "
                              "ou éphémérides)"),
                    {value}};
}

Refusal SetNumeralHeight(CliOptions& o, const std::string& value) {
  const std::optional<double> h = ParseDecimal(value);
  if (!h || !(*h >= kMinCliNumeralHeightMm && *h <= kMaxCliNumeralHeightMm)) {
    return CliRefusal{
        UMBRIX_TR("Cli", "hauteur des chiffres incorrecte : « %1 » (de 1 à 100 mm, par exemple 5)"),
        {value}};
  }
  o.numeralHeightMm = *h;
  return std::nullopt;
}

Refusal SetZone(CliOptions& o, const std::string& value) {
  o.zone = value;
  return std::nullopt;
}

Refusal SetOldHours(CliOptions& o, const std::string& value) {
  std::string rest = value;
  while (true) {
    const size_t comma = rest.find(',');
    const std::string item = Lower(rest.substr(0, comma));
    if (item == "italiques" || item == "italian") {
      o.italianHours = true;
    } else if (item == "babyloniques" || item == "babylonian") {
      o.babylonianHours = true;
    } else if (item == "temporaires" || item == "temporary") {
      o.temporaryHours = true;
    } else {
      return CliRefusal{UMBRIX_TR("Cli",
                                  "heures anciennes inconnues : « %1 » (italiques, "
                                  "babyloniques ou temporaires, séparées par des virgules)"),
                        {rest.substr(0, comma)}};
    }
    if (comma == std::string::npos) return std::nullopt;
    rest = rest.substr(comma + 1);
  }
}

Refusal SetSize(CliOptions& o, const std::string& value) {
  const size_t x = Lower(value).find('x');
  const auto w = x == std::string::npos ? std::nullopt : Side(value.substr(0, x));
  const auto h = x == std::string::npos ? std::nullopt : Side(value.substr(x + 1));
  if (!w || !h) {
    return CliRefusal{UMBRIX_TR("Cli",
                                "taille incorrecte : « %1 » (LxH, de %2 à %3 pixels, par "
                                "exemple 600x600)"),
                      {value, std::to_string(kMinDrawingSide), std::to_string(kMaxDrawingSide)}};
  }
  o.width = *w;
  o.height = *h;
  return std::nullopt;
}

Refusal SetReliability(CliOptions& o, const std::string& value) {
  // without a file, the study goes to standard output
  o.reliability = value.empty() ? "-" : value;
  return std::nullopt;
}

Refusal SetMarkStep(CliOptions& o, const std::string& value) {
  const std::optional<double> step = Step(value, kMaxMarkStepMm);
  if (!step) {
    return CliRefusal{
        UMBRIX_TR("Cli", "écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 100 mm)"),
        {value}};
  }
  o.markStepMm = *step;
  return std::nullopt;
}

Refusal SetTimeStep(CliOptions& o, const std::string& value) {
  const std::optional<double> step = Step(value, kMaxTimeStepSeconds);
  if (!step) {
    return CliRefusal{
        UMBRIX_TR("Cli", "écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 3600 s)"),
        {value}};
  }
  o.timeStepSeconds = *step;
  return std::nullopt;
}

Refusal SetPrint(CliOptions& o, const std::string& value) {
  o.print = PrintLayoutNamed(value);
  if (o.print) return std::nullopt;
  return CliRefusal{
      UMBRIX_TR("Cli", "impression inconnue : « %1 » (imprimer, demi, plein, 2, 4 ou echelle)"),
      {value}};
}

Refusal SetPaper(CliOptions& o, const std::string& value) {
  const std::string paper = Lower(value);
  if (paper != "a4" && paper != "a3" && paper != "letter") {
    return CliRefusal{UMBRIX_TR("Cli", "papier inconnu : « %1 » (A4, A3 ou Letter)"), {value}};
  }
  o.paper = value;
  return std::nullopt;
}

Refusal SetLanguage(CliOptions& o, const std::string& value) {
  o.language = LanguageNamed(value);
  if (o.language) return std::nullopt;
  return CliRefusal{UMBRIX_TR("Cli", "langue inconnue : « %1 » (fr ou en)"), {value}};
}

Refusal SetDeveloperMode(CliOptions& o, const std::string&) {
  o.developerMode = true;
  return std::nullopt;
}

// ---------------------------------------------------------------- the table

constexpr const char* kName = UMBRIX_TR("Cli", "NOM");
constexpr const char* kFile = UMBRIX_TR("Cli", "FICHIER");

constexpr CliOption kOptions[] = {
    {.french = "--commande",
     .english = "--command",
     .alias = "-c",
     .value = CliValue::Required,
     .placeholder = kName,
     .help = UMBRIX_TR("Cli", "calculer, simuler, tracer ou éphémérides"),
     .set = SetCommand},
    {.french = "--rapport",
     .english = "--report",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le rapport, en UTF-8 ; « - » pour la sortie standard"),
     .set = SetFile<&CliOptions::report>},
    {.french = "--png",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le dessin en PNG, lissé"),
     .set = SetFile<&CliOptions::png>},
    {.french = "--bmp",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le dessin en BMP 4 bits"),
     .set = SetFile<&CliOptions::bmp>},
    {.french = "--svg",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le dessin en SVG, à l'échelle (en millimètres)"),
     .set = SetFile<&CliOptions::svg>},
    {.french = "--dxf",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le dessin en DXF (R12), comme « Export dxf »"),
     .set = SetFile<&CliOptions::dxf>},
    {.french = "--fabrication-dxf",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli",
                       "le dessin de fabrication en DXF (R12, millimètres) : un\n"
                       "calque par rôle (découpe, gravure, porte-ombre, repères,\n"
                       "cartouche), chiffres dans la plaque, sans fond ni ombre ;\n"
                       "le même quelle que soit la taille du dessin"),
     .set = SetFile<&CliOptions::fabricationDxf>},
    {.french = "--fabrication-svg",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le même dessin en SVG, en millimètres, calques Inkscape"),
     .set = SetFile<&CliOptions::fabricationSvg>},
    {.french = "--hauteur-chiffres",
     .english = "--numeral-height",
     .value = CliValue::Required,
     .placeholder = "MM",
     .help = UMBRIX_TR("Cli",
                       "hauteur des chiffres du dessin de fabrication (de 1 à\n"
                       "100 mm) ; par défaut le 25e du petit côté (de 3 à 12 mm),\n"
                       "réduit tant qu'un chiffre ne tient pas entre les lignes"),
     .set = SetNumeralHeight},
    {.french = "--zone",
     .alias = "--fuseau",
     .value = CliValue::MayBeEmpty,
     .placeholder = kName,
     .help = UMBRIX_TR("Cli",
                       "le fuseau horaire du lieu par son nom (Europe/Paris) :\n"
                       "les heures des instants sont son heure légale, heure\n"
                       "d'été comprise ; --zone \"\" retire celui du projet"),
     .set = SetZone},
    {.french = "--heures-anciennes",
     .english = "--old-hours",
     .value = CliValue::Required,
     .placeholder = UMBRIX_TR("Cli", "LISTE"),
     .help = UMBRIX_TR("Cli",
                       "trace aussi les heures italiques, babyloniques ou\n"
                       "temporaires (séparées par des virgules, par exemple\n"
                       "italiques,babyloniques) ; il faut la latitude"),
     .set = SetOldHours},
    {.french = "--taille",
     .english = "--size",
     .value = CliValue::Required,
     .placeholder = UMBRIX_TR("Cli", "LxH"),
     .help = UMBRIX_TR("Cli",
                       "taille maximale du dessin en pixels (600x600 par défaut) ;\n"
                       "le cadran garde ses proportions"),
     .set = SetSize},
    {.french = "--fiabilite",
     .spelling = UMBRIX_FILE_TEXT("--fiabilité"),
     .value = CliValue::Optional,
     .placeholder = UMBRIX_TR("Cli", "[FICHIER|-]"),
     .help = UMBRIX_TR("Cli",
                       "la fiabilité de la mesure : le calcul refait avec chaque\n"
                       "marque déplacée et chaque heure décalée, les écarts qui en\n"
                       "résultent, le verdict et le conseil ; sans fichier (ou « - »)\n"
                       "sur la sortie standard"),
     .set = SetReliability},
    {.french = "--ecart-marques",
     .spelling = UMBRIX_FILE_TEXT("--écart-marques"),
     .value = CliValue::Required,
     .placeholder = "MM",
     .help = UMBRIX_TR("Cli", "déplacement des marques pour --fiabilite (0.5 mm par défaut)"),
     .set = SetMarkStep},
    {.french = "--ecart-heures",
     .spelling = UMBRIX_FILE_TEXT("--écart-heures"),
     .value = CliValue::Required,
     .placeholder = "S",
     .help = UMBRIX_TR("Cli", "décalage des heures pour --fiabilite (30 s par défaut)"),
     .set = SetTimeStep},
    {.french = "--impression",
     .alias = "--print",
     .value = CliValue::Required,
     .placeholder = kName,
     .help = UMBRIX_TR("Cli",
                       "imprime en PDF (--pdf), comme les commandes d'impression :\n"
                       "imprimer (données, dessin, commentaires et rapport), demi,\n"
                       "plein, 2 ou 4 (le dessin sur une demi-page, une page, deux\n"
                       "ou quatre feuilles), echelle (le cadran à l'échelle 1:1 sur\n"
                       "autant de feuilles qu'il en faut, avec bandes de 10 mm,\n"
                       "repères et barre de 100 mm)"),
     .set = SetPrint},
    {.french = "--pdf",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "le fichier PDF de --impression"),
     .set = SetFile<&CliOptions::pdf>},
    {.french = "--papier",
     .alias = "--paper",
     .value = CliValue::Required,
     .placeholder = "A4|A3|Letter",
     .help = UMBRIX_TR("Cli", "le papier de --impression (A4 par défaut)"),
     .set = SetPaper},
    {.french = "--enregistrer",
     .english = "--save",
     .value = CliValue::Required,
     .placeholder = kFile,
     .help = UMBRIX_TR("Cli", "réécrit le projet dans la version actuelle du format"),
     .set = SetFile<&CliOptions::save>},
    {.french = "--langue",
     .alias = "--language",
     .value = CliValue::MayBeEmpty,  // an empty word is an unknown language, said as such
     .placeholder = "fr|en",
     .help = UMBRIX_TR("Cli",
                       "la langue des messages et du rapport (par défaut celle\n"
                       "du bureau : LANGUAGE, LC_ALL, LC_MESSAGES, LANG)"),
     .set = SetLanguage},
    {.french = "--map",
     .help = UMBRIX_TR("Cli", "mode développeur (projets au format étendu)"),
     .set = SetDeveloperMode},
    {.french = "--",
     .help = UMBRIX_TR("Cli", "fin des options : ce qui suit est le projet (« -x.umd »)")},
    {.french = "--aide",
     .help = UMBRIX_TR("Cli", "cette aide, en français"),
     .alone = true,
     .set = SetAction<CliOptions::Action::HelpFrench>},
    {.french = "--help",
     .alias = "-h",
     .help = UMBRIX_TR("Cli", "cette aide, en anglais"),
     .alone = true,
     .set = SetAction<CliOptions::Action::HelpEnglish>},
    {.french = "--version",
     .help = UMBRIX_TR("Cli", "la version"),
     .alone = true,
     .set = SetAction<CliOptions::Action::Version>},
};

/// The option of a name, listed or only accepted; none for an unknown name and for "--".
const CliOption* OptionNamed(std::string_view name) {
  for (const CliOption& row : kOptions) {
    if (row.set == nullptr) continue;
    for (const char* n : {row.french, row.english, row.alias, row.spelling}) {
      if (n != nullptr && name == n) return &row;
    }
  }
  return nullptr;
}

/// The texts of one help. The English help reads the English catalogue whatever the interface
/// language is. The French help takes the interface's own words, which French leaves as they
/// stand and another language translates, but never English: the English interface keeps it
/// French.
class HelpTexts {
 public:
  /// `head`, the help's first text, tells the English interface by its translation.
  HelpTexts(bool french, const char* head) : french_(french) {
    const bool loaded =
        english_.load(LocaleOf(InterfaceLanguageId::English), QStringLiteral("umbrix"),
                      QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (!french_) {
      source_ = loaded ? Source::English : Source::Marked;
    } else {
      const QString english = english_.translate(kCliContext, head);
      source_ = !english.isEmpty() && Translated(kCliContext, head) == english ? Source::Marked
                                                                               : Source::Interface;
    }
  }
  bool French() const { return french_; }
  std::string operator()(const char* text) const {
    switch (source_) {
      case Source::Marked:
        return text;
      case Source::Interface:
        return Translated(kCliContext, text).toStdString();
      case Source::English:
        break;
    }
    const QString english = english_.translate(kCliContext, text);
    return english.isEmpty() ? std::string(text) : english.toStdString();
  }

 private:
  enum class Source { Marked, Interface, English };
  bool french_;
  Source source_ = Source::Marked;
  QTranslator english_;
};

/// The column where the options' help lines start.
constexpr size_t kHelpColumn = 26;

/// An option's lines in a help: its names, each with its value, then its help line beside them
/// when there is room, else below; every line of the help line under the first.
std::string OptionLines(const CliOption& row, const HelpTexts& texts) {
  const char* first = texts.French() || row.english == nullptr ? row.french : row.english;
  const char* second = first == row.french ? row.english : row.french;
  std::string out = "  ";
  bool more = false;
  for (const char* name : {first, second, row.alias}) {
    if (name == nullptr) continue;
    if (more) out += ", ";
    out += name;
    if (row.placeholder != nullptr) out += " " + texts(row.placeholder);
    more = true;
  }
  const std::string indent(kHelpColumn, ' ');
  const size_t columns = Columns(out);
  if (columns + 2 <= kHelpColumn) {
    out.append(kHelpColumn - columns, ' ');
  } else {
    out += "\n" + indent;
  }
  const std::string help = row.help != nullptr ? texts(row.help) : std::string();
  for (const char c : help) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out + "\n";
}

}  // namespace

// The names of the options and of their values are the command line's syntax, the same in every
// language: scripts type them.

std::optional<RunMode> CommandMode(std::string_view name) {
  const std::string n = Lower(name);
  if (n == "calculer") return RunMode::Compute;
  if (n == "simuler") return RunMode::Simulate;
  if (n == "tracer") return RunMode::Trace;
  if (n == UMBRIX_FILE_TEXT("éphémérides") || n == "ephemerides") return RunMode::Ephemeris;
  return std::nullopt;
}

std::optional<PrintLayout> PrintLayoutNamed(std::string_view name) {
  const std::string n = Lower(name);
  if (n == "imprimer") return PrintLayout::Report;
  if (n == "demi") return PrintLayout::Half;
  if (n == "plein") return PrintLayout::Full;
  if (n == "2") return PrintLayout::TwoSheets;
  if (n == "4") return PrintLayout::FourSheets;
  if (n == "echelle" || n == UMBRIX_FILE_TEXT("échelle")) return PrintLayout::TrueScale;
  return std::nullopt;
}

std::span<const CliOption> CliOptionTable() { return kOptions; }

CliParse ParseCliArguments(const std::vector<std::string>& args) {
  static constexpr const char* kGivenTwice = UMBRIX_TR("Cli", "l'option %1 est donnée deux fois");
  static constexpr const char* kNeedsValue = UMBRIX_TR("Cli", "l'option %1 attend une valeur");
  CliOptions o;
  for (const std::string& a : args) {
    if (a == "--") break;  // what follows is a file name, even "--help"
    const CliOption* option = OptionNamed(a);
    if (option != nullptr && option->alone) {
      option->set(o, "");
      return {o, ""};
    }
  }

  // each option once: a second one would silently drop the first
  std::vector<const CliOption*> given;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (!optionsEnded && name == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && name.size() > 2 && name.starts_with("--")) {
      if (const size_t eq = name.find('='); eq != std::string::npos) {
        value = name.substr(eq + 1);
        name.resize(eq);
      }
    } else if (optionsEnded || name == "-" || !name.starts_with("-")) {
      if (!o.project.empty())
        return Refuse(UMBRIX_TR("Cli", "un seul projet à la fois : « %1 »"), {name});
      o.project = name;
      continue;
    }

    const CliOption* option = OptionNamed(name);
    if (option == nullptr) return Refuse(UMBRIX_TR("Cli", "option inconnue : « %1 »"), {name});
    if (option->value == CliValue::None && value) {
      return Refuse(UMBRIX_TR("Cli", "l'option %1 ne prend pas de valeur"), {name});
    }
    if (std::find(given.begin(), given.end(), option) != given.end()) {
      return Refuse(kGivenTwice, {name});
    }
    given.push_back(option);
    if (!value && option->value == CliValue::Optional && i + 1 < args.size() &&
        IsStudyTarget(args[i + 1])) {
      value = args[++i];
    }
    if (!value && (option->value == CliValue::Required || option->value == CliValue::MayBeEmpty)) {
      if (i + 1 >= args.size()) return Refuse(kNeedsValue, {name});
      value = args[++i];
    }
    if (option->value == CliValue::Required && value->empty()) return Refuse(kNeedsValue, {name});
    if (const std::optional<CliRefusal> refused = option->set(o, value.value_or(""))) {
      return Refuse(refused->error, refused->args);
    }
  }
  if (o.project.empty()) return Refuse(UMBRIX_TR("Cli", "il manque le fichier du projet (.umd)"));
  // a print goes to a PDF file, and a PDF is a print
  if (o.print && !o.pdf)
    return Refuse(UMBRIX_TR("Cli", "l'option --impression attend --pdf FICHIER"));
  if (o.pdf && !o.print) return Refuse(UMBRIX_TR("Cli", "l'option --pdf attend --impression"));
  if (std::find(given.begin(), given.end(), OptionNamed("--papier")) != given.end() && !o.print) {
    return Refuse(UMBRIX_TR("Cli", "l'option --papier attend --impression"));
  }
  int toStandardOutput = 0;
  for (const auto* output : {&o.report, &o.png, &o.bmp, &o.svg, &o.dxf, &o.save, &o.fabricationDxf,
                             &o.fabricationSvg, &o.pdf}) {
    if (*output == "-") ++toStandardOutput;
  }
  if (toStandardOutput > 1) {
    return Refuse(UMBRIX_TR("Cli", "une seule sortie peut aller sur la sortie standard (« - »)"));
  }
  return {o, ""};
}

std::string HelpText(bool french) {
  static constexpr const char* kHead = UMBRIX_TR(
      "Cli",
      "Usage : umbrix-cli PROJET.umd [options]\n"
      "\n"
      "Ouvre un projet Umbrix comme le fait le programme : le projet est lu, sa dernière\n"
      "commande est refaite (ou celle que demande --commande), puis ce qui est demandé\n"
      "est écrit.\n"
      "\n"
      "Options :\n");
  static constexpr const char* kFoot = UMBRIX_TR(
      "Cli",
      "\n"
      "Chaque FICHIER peut être « - » : la sortie standard (une seule sortie à la fois).\n"
      "Un fichier existant est remplacé d'un coup, ses droits gardés ; un fichier en\n"
      "lecture seule, le projet ouvert ou un projet ouvert ailleurs ne le sont jamais.\n"
      "\n"
      "Les messages que le programme montrerait dans une boîte sont écrits sur la sortie\n"
      "d'erreur, précédés de leur titre (« Erreur... : Donner la géométrie du cadran »).\n"
      "Les questions reçoivent la réponse qui ne change rien (Annuler, Non).\n"
      "\n"
      "Codes de sortie : 0 succès ; 1 calcul refusé (une donnée manque, le calcul échoue,\n"
      "ou il n'y a pas de dessin à écrire) ; 2 erreur d'usage ou de fichier.\n");
  const HelpTexts texts(french, kHead);
  std::string out = texts(kHead);
  for (const CliOption& option : kOptions) out += OptionLines(option, texts);
  return out + texts(kFoot);
}

// the program's name and its version, as scripts read them in every language
std::string VersionText() { return std::string("umbrix-cli ") + UMBRIX_VERSION + "\n"; }

std::string CliParse::ErrorText() const { return CliText(error, errorArgs); }

std::string CliText(const std::string& pattern, const std::vector<std::string>& args) {
  return Translated(kCliContext, pattern, args).toStdString();
}

}  // namespace umbrix
