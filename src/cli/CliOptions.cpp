#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "model/Formats.h"
#include "model/Texts.h"
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

CliParse ParseCliArguments(const std::vector<std::string>& args) {
  static constexpr const char* kGivenTwice = UMBRIX_TR("Cli", "l'option %1 est donnée deux fois");
  static constexpr const char* kNeedsValue = UMBRIX_TR("Cli", "l'option %1 attend une valeur");
  CliOptions o;
  for (const std::string& a : args) {
    if (a == "--") break;  // what follows is a file name, even "--help"
    if (a == "--aide") o.action = CliOptions::Action::HelpFrench;
    if (a == "--help" || a == "-h") o.action = CliOptions::Action::HelpEnglish;
    if (a == "--version") o.action = CliOptions::Action::Version;
    if (o.action != CliOptions::Action::Run) return {o, ""};
  }

  // each option once: a second one would silently drop the first
  std::vector<std::string> given;
  auto once = [&given](const std::string& key) {
    if (std::find(given.begin(), given.end(), key) != given.end()) return false;
    given.push_back(key);
    return true;
  };
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

    if (name == "--map") {
      if (value) return Refuse(UMBRIX_TR("Cli", "l'option %1 ne prend pas de valeur"), {name});
      if (!once("map")) return Refuse(kGivenTwice, {name});
      o.developerMode = true;
      continue;
    }
    if (name == "--langue" || name == "--language") {
      if (!once("language")) return Refuse(kGivenTwice, {name});
      if (!value) {
        if (i + 1 >= args.size()) return Refuse(kNeedsValue, {name});
        value = args[++i];
      }
      o.language = LanguageNamed(*value);
      if (!o.language) {
        return Refuse(UMBRIX_TR("Cli", "langue inconnue : « %1 » (fr ou en)"), {*value});
      }
      continue;
    }
    if (name == "--zone" || name == "--fuseau") {
      if (!once("zone")) return Refuse(kGivenTwice, {name});
      // an empty name is a value of its own: it removes the project's zone
      if (!value) {
        if (i + 1 >= args.size()) return Refuse(kNeedsValue, {name});
        value = args[++i];
      }
      o.zone = *value;
      continue;
    }
    if (name == "--fiabilite" || name == UMBRIX_FILE_TEXT("--fiabilité")) {
      if (!once("reliability")) return Refuse(kGivenTwice, {name});
      // the file is optional: without it, the study goes to standard output
      if (!value && i + 1 < args.size() && IsStudyTarget(args[i + 1])) value = args[++i];
      o.reliability = value && !value->empty() ? *value : "-";
      continue;
    }
    // every other option takes a value
    struct Output {
      const char* key;
      const char* name;
      const char* alias;
      std::optional<std::string>* value;
    };
    const Output outputs[] = {
        {"report", "--report", "--rapport", &o.report},
        {"png", "--png", "--png", &o.png},
        {"bmp", "--bmp", "--bmp", &o.bmp},
        {"svg", "--svg", "--svg", &o.svg},
        {"dxf", "--dxf", "--dxf", &o.dxf},
        {"save", "--save", "--enregistrer", &o.save},
        {"fabrication-dxf", "--fabrication-dxf", "--fabrication-dxf", &o.fabricationDxf},
        {"fabrication-svg", "--fabrication-svg", "--fabrication-svg", &o.fabricationSvg},
        {"pdf", "--pdf", "--pdf", &o.pdf}};
    std::optional<std::string>* target = nullptr;
    std::string key;
    for (const Output& out : outputs) {
      if (name == out.name || name == out.alias) {
        target = out.value;
        key = out.key;
      }
    }
    const bool isCommand = name == "--command" || name == "--commande" || name == "-c";
    const bool isSize = name == "--size" || name == "--taille";
    const bool isMarkStep =
        name == "--ecart-marques" || name == UMBRIX_FILE_TEXT("--écart-marques");
    const bool isTimeStep = name == "--ecart-heures" || name == UMBRIX_FILE_TEXT("--écart-heures");
    const bool isNumeralHeight = name == "--hauteur-chiffres" || name == "--numeral-height";
    if (isNumeralHeight) key = "numeral-height";
    const bool isOldHours = name == "--heures-anciennes" || name == "--old-hours";
    if (isOldHours) key = "old-hours";
    const bool isPrint = name == "--impression" || name == "--print";
    const bool isPaper = name == "--papier" || name == "--paper";
    if (isPrint) key = "print";
    if (isPaper) key = "paper";
    if (isCommand) key = "command";
    if (isSize) key = "size";
    if (isMarkStep) key = "mark-step";
    if (isTimeStep) key = "time-step";
    if (key.empty()) return Refuse(UMBRIX_TR("Cli", "option inconnue : « %1 »"), {name});
    if (!once(key)) return Refuse(kGivenTwice, {name});
    if (!value) {
      if (i + 1 >= args.size()) return Refuse(kNeedsValue, {name});
      value = args[++i];
    }
    if (value->empty()) return Refuse(kNeedsValue, {name});

    if (target != nullptr) {
      *target = *value;
    } else if (isNumeralHeight) {
      const std::optional<double> h = ParseDecimal(*value);
      if (!h || !(*h >= kMinCliNumeralHeightMm && *h <= kMaxCliNumeralHeightMm)) {
        return Refuse(
            UMBRIX_TR("Cli",
                      "hauteur des chiffres incorrecte : « %1 » (de 1 à 100 mm, par exemple 5)"),
            {*value});
      }
      o.numeralHeightMm = *h;
    } else if (isOldHours) {
      std::string rest = *value;
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
          return Refuse(UMBRIX_TR("Cli",
                                  "heures anciennes inconnues : « %1 » (italiques, "
                                  "babyloniques ou temporaires, séparées par des virgules)"),
                        {rest.substr(0, comma)});
        }
        if (comma == std::string::npos) break;
        rest = rest.substr(comma + 1);
      }
    } else if (isPrint) {
      o.print = PrintLayoutNamed(*value);
      if (!o.print) {
        return Refuse(
            UMBRIX_TR("Cli",
                      "impression inconnue : « %1 » (imprimer, demi, plein, 2, 4 ou echelle)"),
            {*value});
      }
    } else if (isPaper) {
      const std::string paper = Lower(*value);
      if (paper != "a4" && paper != "a3" && paper != "letter") {
        return Refuse(UMBRIX_TR("Cli", "papier inconnu : « %1 » (A4, A3 ou Letter)"), {*value});
      }
      o.paper = *value;
    } else if (isMarkStep || isTimeStep) {
      const double max = isMarkStep ? kMaxMarkStepMm : kMaxTimeStepSeconds;
      const std::optional<double> step = Step(*value, max);
      if (!step) {
        return Refuse(isMarkStep ? UMBRIX_TR("Cli",
                                             "écart incorrect : « %1 » (un nombre "
                                             "au-dessus de 0, au plus 100 mm)")
                                 : UMBRIX_TR("Cli",
                                             "écart incorrect : « %1 » (un nombre "
                                             "au-dessus de 0, au plus 3600 s)"),
                      {*value});
      }
      (isMarkStep ? o.markStepMm : o.timeStepSeconds) = *step;
    } else if (isCommand) {
      o.command = CommandMode(*value);
      if (!o.command) {
        return Refuse(UMBRIX_TR("Cli",
                                "commande inconnue : « %1 » (calculer, simuler, tracer "
                                "ou éphémérides)"),
                      {*value});
      }
    } else {
      const size_t x = Lower(*value).find('x');
      const auto w = x == std::string::npos ? std::nullopt : Side(value->substr(0, x));
      const auto h = x == std::string::npos ? std::nullopt : Side(value->substr(x + 1));
      if (!w || !h) {
        return Refuse(UMBRIX_TR("Cli",
                                "taille incorrecte : « %1 » (LxH, de %2 à %3 pixels, par "
                                "exemple 600x600)"),
                      {*value, std::to_string(kMinDrawingSide), std::to_string(kMaxDrawingSide)});
      }
      o.width = *w;
      o.height = *h;
    }
  }
  if (o.project.empty()) return Refuse(UMBRIX_TR("Cli", "il manque le fichier du projet (.umd)"));
  // a print goes to a PDF file, and a PDF is a print
  if (o.print && !o.pdf)
    return Refuse(UMBRIX_TR("Cli", "l'option --impression attend --pdf FICHIER"));
  if (o.pdf && !o.print) return Refuse(UMBRIX_TR("Cli", "l'option --pdf attend --impression"));
  if (std::find(given.begin(), given.end(), "paper") != given.end() && !o.print) {
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
  if (french) {
    return CliText(UMBRIX_TR(
        "Cli",
        "Usage : umbrix-cli PROJET.umd [options]\n"
        "\n"
        "Ouvre un projet Umbrix comme le fait le programme : le projet est lu, sa dernière\n"
        "commande est refaite (ou celle que demande --commande), puis ce qui est demandé\n"
        "est écrit.\n"
        "\n"
        "Options :\n"
        "  --commande NOM, --command NOM, -c NOM\n"
        "                          calculer, simuler, tracer ou éphémérides\n"
        "  --rapport FICHIER, --report FICHIER\n"
        "                          le rapport, en UTF-8 ; « - » pour la sortie standard\n"
        "  --png FICHIER           le dessin en PNG, lissé\n"
        "  --bmp FICHIER           le dessin en BMP 4 bits\n"
        "  --svg FICHIER           le dessin en SVG, à l'échelle (en millimètres)\n"
        "  --dxf FICHIER           le dessin en DXF (R12), comme « Export dxf »\n"
        "  --fabrication-dxf FICHIER\n"
        "                          le dessin de fabrication en DXF (R12, millimètres) : un\n"
        "                          calque par rôle (découpe, gravure, porte-ombre, repères,\n"
        "                          cartouche), chiffres dans la plaque, sans fond ni ombre ;\n"
        "                          le même quelle que soit la taille du dessin\n"
        "  --fabrication-svg FICHIER\n"
        "                          le même dessin en SVG, en millimètres, calques Inkscape\n"
        "  --hauteur-chiffres MM, --numeral-height MM\n"
        "                          hauteur des chiffres du dessin de fabrication (de 1 à\n"
        "                          100 mm) ; par défaut le 25e du petit côté (de 3 à 12 mm),\n"
        "                          réduit tant qu'un chiffre ne tient pas entre les lignes\n"
        "  --zone NOM, --fuseau NOM\n"
        "                          le fuseau horaire du lieu par son nom (Europe/Paris) :\n"
        "                          les heures des instants sont son heure légale, heure\n"
        "                          d'été comprise ; --zone \"\" retire celui du projet\n"
        "  --heures-anciennes LISTE, --old-hours LISTE\n"
        "                          trace aussi les heures italiques, babyloniques ou\n"
        "                          temporaires (séparées par des virgules, par exemple\n"
        "                          italiques,babyloniques) ; il faut la latitude\n"
        "  --taille LxH, --size LxH\n"
        "                          taille maximale du dessin en pixels (600x600 par défaut) ;\n"
        "                          le cadran garde ses proportions\n"
        "  --fiabilite [FICHIER|-]\n"
        "                          la fiabilité de la mesure : le calcul refait avec chaque\n"
        "                          marque déplacée et chaque heure décalée, les écarts qui en\n"
        "                          résultent, le verdict et le conseil ; sans fichier (ou « - »)\n"
        "                          sur la sortie standard\n"
        "  --ecart-marques MM      déplacement des marques pour --fiabilite (0.5 mm par défaut)\n"
        "  --ecart-heures S        décalage des heures pour --fiabilite (30 s par défaut)\n"
        "  --impression NOM --pdf FICHIER [--papier A4|A3|Letter]\n"
        "                          imprime en PDF, comme les commandes d'impression :\n"
        "                          imprimer (données, dessin, commentaires et rapport), demi,\n"
        "                          plein, 2 ou 4 (le dessin sur une demi-page, une page, deux\n"
        "                          ou quatre feuilles), echelle (le cadran à l'échelle 1:1 sur\n"
        "                          autant de feuilles qu'il en faut, avec bandes de 10 mm,\n"
        "                          repères et barre de 100 mm) ; papier A4 par défaut\n"
        "  --enregistrer FICHIER, --save FICHIER\n"
        "                          réécrit le projet dans la version actuelle du format\n"
        "  --langue fr|en          la langue des messages et du rapport (par défaut celle\n"
        "                          du bureau : LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n"
        "  --map                   mode développeur (projets au format étendu)\n"
        "  --                      fin des options : ce qui suit est le projet (« -x.umd »)\n"
        "  --aide                  cette aide ; --help : la même en anglais\n"
        "  --version               la version\n"
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
        "ou il n'y a pas de dessin à écrire) ; 2 erreur d'usage ou de fichier.\n"));
  }
  return CliText(UMBRIX_TR(
      "Cli",
      "Usage: umbrix-cli PROJECT.umd [options]\n"
      "\n"
      "Opens an Umbrix project as the program does: the project is read, its last command\n"
      "is run again (or the one --command asks for), then what is asked for is written.\n"
      "\n"
      "Options:\n"
      "  --command NAME, --commande NAME, -c NAME\n"
      "                          calculer (compute), simuler (simulate), tracer (trace)\n"
      "                          or éphémérides (ephemeris)\n"
      "  --report FILE, --rapport FILE\n"
      "                          the report, in UTF-8; \"-\" for standard output\n"
      "  --png FILE              the drawing as PNG, smooth\n"
      "  --bmp FILE              the drawing as 4-bit BMP\n"
      "  --svg FILE              the drawing as SVG, true scale (millimetres)\n"
      "  --dxf FILE              the drawing as DXF (R12), as \"Export dxf\" writes it\n"
      "  --fabrication-dxf FILE\n"
      "                          the workshop drawing as DXF (R12, millimetres): one\n"
      "                          layer per role (cut, engrave, shadow-caster, layout marks,\n"
      "                          title block), numerals inside the plate, no background or\n"
      "                          shadow; the same whatever the drawing's size\n"
      "  --fabrication-svg FILE\n"
      "                          the same drawing as SVG, in millimetres, Inkscape layers\n"
      "  --zone NAME, --fuseau NAME\n"
      "                          the place's time zone by name (Europe/Paris): the\n"
      "                          instants' clock times are its legal time, summer time\n"
      "                          included; --zone \"\" removes the project's zone\n"
      "  --numeral-height MM, --hauteur-chiffres MM\n"
      "                          height of the workshop drawing's numerals (1 to 100 mm);\n"
      "                          by default the short side over 25 (3 to 12 mm), made\n"
      "                          smaller while a numeral finds no room between the lines\n"
      "  --old-hours LIST, --heures-anciennes LIST\n"
      "                          also draws the Italian, Babylonian or temporary hours\n"
      "                          (italiques, babyloniques, temporaires, separated by\n"
      "                          commas); the latitude must be known\n"
      "  --size WxH, --taille WxH\n"
      "                          largest drawing in pixels (600x600 by default);\n"
      "                          the dial keeps its proportions\n"
      "  --fiabilite [FILE|-]\n"
      "                          how far the measurement can be trusted: the computation\n"
      "                          run again with each mark moved and each clock time shifted,\n"
      "                          the changes it brings, the verdict and the advice (French\n"
      "                          text); without a file (or \"-\") on standard output\n"
      "  --ecart-marques MM      how far --fiabilite moves the marks (0.5 mm by default)\n"
      "  --ecart-heures S        how far --fiabilite shifts the clock times (30 s by default)\n"
      "  --impression NAME --pdf FILE [--papier A4|A3|Letter]\n"
      "                          prints to PDF as the print commands do: imprimer (data,\n"
      "                          drawing, comments and report), demi, plein, 2 or 4 (the\n"
      "                          drawing on half a page, a page, two or four sheets),\n"
      "                          echelle (the dial at true size 1:1 on as many sheets as it\n"
      "                          needs, with 10 mm bands, join marks and a 100 mm bar);\n"
      "                          A4 paper by default\n"
      "  --save FILE, --enregistrer FILE\n"
      "                          writes the project back in the current file version\n"
      "  --langue fr|en, --language fr|en\n"
      "                          the language of the messages and the report (by default\n"
      "                          the desktop's: LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n"
      "  --map                   developer mode (extended project files)\n"
      "  --                      end of options: what follows is the project (\"-x.umd\")\n"
      "  --help                  this help; --aide: the same in French\n"
      "  --version               the version\n"
      "\n"
      "Each FILE may be \"-\": standard output (one output at a time). An existing file\n"
      "is replaced in one step, its permissions kept; a read-only file, the open project\n"
      "or a project open elsewhere never is.\n"
      "\n"
      "Messages the program would show in a box go to standard error, prefixed by their\n"
      "caption (\"Erreur... : Donner la géométrie du cadran\"). Questions get the answer\n"
      "that changes nothing (Cancel, No).\n"
      "\n"
      "Exit status: 0 success; 1 computation refused (an entry is missing, the computation\n"
      "fails, or there is no drawing to write); 2 usage or file error.\n"));
}

// the program's name and its version, as scripts read them in every language
std::string VersionText() { return std::string("umbrix-cli ") + UMBRIX_VERSION + "\n"; }

std::string CliParse::ErrorText() const { return CliText(error, errorArgs); }

std::string CliText(const std::string& pattern, const std::vector<std::string>& args) {
  return Translated(kCliContext, pattern, args).toStdString();
}

}  // namespace umbrix
