// umbrix-cli --impression: the options, and every print of the worked example as a PDF read
// back with pdfinfo.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "cli/CliOptions.h"
#include "support/FileCopy.h"
#include "support/PdfTools.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::RunCliProcess;

const fs::path kWorked = fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

TEST(CliPrintArguments, LayoutsAndPaper) {
  const struct {
    const char* name;
    std::optional<PrintLayout> layout;
  } rows[] = {{"imprimer", PrintLayout::Report},
              {"DEMI", PrintLayout::Half},
              {"plein", PrintLayout::Full},
              {"2", PrintLayout::TwoSheets},
              {"4", PrintLayout::FourSheets},
              {"echelle", PrintLayout::TrueScale},
              {"ÉCHELLE", PrintLayout::TrueScale},
              {"3", std::nullopt},
              {"1:1", std::nullopt},
              {"", std::nullopt}};
  for (const auto& r : rows) EXPECT_EQ(PrintLayoutNamed(r.name), r.layout) << r.name;

  const CliParse p = ParseCliArguments({"mur.umd", "--impression=4", "--pdf", "p.pdf"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->print, PrintLayout::FourSheets);
  EXPECT_EQ(p.options->pdf, "p.pdf");
  EXPECT_EQ(p.options->paper, "A4");
  const CliParse letter =
      ParseCliArguments({"--papier", "letter", "mur.umd", "--impression", "echelle", "--pdf=-"});
  ASSERT_TRUE(letter.options) << letter.error;
  EXPECT_EQ(letter.options->paper, "letter");
  EXPECT_EQ(letter.options->pdf, "-");
}

TEST(CliPrintArguments, Refusals) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
      {{"m.umd", "--impression", "demi"}, "l'option --impression attend --pdf FICHIER"},
      {{"m.umd", "--pdf", "p.pdf"}, "l'option --pdf attend --impression"},
      {{"m.umd", "--impression", "3", "--pdf", "p"},
       "impression inconnue : « 3 » (imprimer, demi, plein, 2, 4 ou echelle)"},
      {{"m.umd", "--impression", "demi", "--pdf", "p", "--papier", "A5"},
       "papier inconnu : « A5 » (A4, A3 ou Letter)"},
      {{"m.umd", "--papier", "A4", "--png", "x.png"}, "l'option --papier attend --impression"},
      {{"m.umd", "--impression", "demi", "--impression", "plein", "--pdf", "p"},
       "l'option --impression est donnée deux fois"},
      {{"m.umd", "--impression", "demi", "--pdf", "-", "--report", "-"},
       "une seule sortie peut aller sur la sortie standard (« - »)"},
  };
  for (const auto& [args, message] : rows) {
    const CliParse p = ParseCliArguments(args);
    EXPECT_FALSE(p.options) << message;
    EXPECT_EQ(p.ErrorText(), message);
  }
}

TEST(CliPrint, EveryLayoutOfTheWorkedExampleAsAPdf) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  const struct {
    const char* layout;
    const char* paper;
    size_t pages;
    double width, height;  // points
  } rows[] = {{"imprimer", "A4", 2, 595.3, 841.9},  {"demi", "A4", 1, 595.3, 841.9},
              {"plein", "A4", 1, 595.3, 841.9},     {"2", "A4", 2, 595.3, 841.9},
              {"4", "A4", 4, 595.3, 841.9},         {"echelle", "A4", 20, 595.3, 841.9},
              {"echelle", "A3", 12, 841.9, 1190.6}, {"echelle", "Letter", 20, 612, 792},
              {"4", "Letter", 4, 612, 792}};
  testing::TempFolder folder;
  // a copy: a run holds its project open, and other tests open the example too
  const std::string worked = testing::CopyInto(folder.Path(), kWorked).string();
  for (const auto& r : rows) {
    const fs::path pdf = folder.Path() / "print.pdf";
    const auto run = RunCliProcess(
        {worked, "--impression", r.layout, "--pdf", pdf.string(), "--papier", r.paper},
        folder.Path());
    ASSERT_EQ(run.status, kExitSuccess) << r.layout << " " << run.err;
    EXPECT_EQ(run.err, "");
    const auto sizes = testing::PdfPageSizes(pdf);
    EXPECT_EQ(sizes.size(), r.pages) << r.layout << " " << r.paper;
    for (const auto& s : sizes) {
      EXPECT_NEAR(s.width, r.width, 0.5) << r.layout << " " << r.paper;
      EXPECT_NEAR(s.height, r.height, 0.5) << r.layout << " " << r.paper;
    }
  }
}

TEST(CliPrint, WithoutADrawingNothingIsWrittenAndTheRunIsRefused) {
  testing::TempFolder folder;
  const std::string worked = testing::CopyInto(folder.Path(), kWorked).string();
  const fs::path pdf = folder.Path() / "sans.pdf";
  const auto run = RunCliProcess(
      {worked, "-c", "éphémérides", "--impression", "plein", "--pdf", pdf.string()}, folder.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_NE(run.err.find("Erreur... : Il n'y a pas de graphique à imprimer"), std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(pdf));
  // the data and the report print without a drawing
  const auto text = RunCliProcess(
      {worked, "-c", "éphémérides", "--impression", "imprimer", "--pdf", "-"}, folder.Path());
  EXPECT_EQ(text.status, kExitSuccess) << text.err;
  EXPECT_EQ(text.out.rfind("%PDF-", 0), 0u);
}

TEST(CliPrint, TheHelpTellsOfThePrints) {
  for (bool french : {true, false}) {
    const std::string help = HelpText(french);
    EXPECT_NE(help.find("--impression"), std::string::npos);
    EXPECT_NE(help.find("--pdf"), std::string::npos);
    EXPECT_NE(help.find("--papier A4|A3|Letter"), std::string::npos);
  }
}

}  // namespace
}  // namespace umbrix
