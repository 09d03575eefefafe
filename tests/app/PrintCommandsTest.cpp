// The print commands and the drawing saved as a bitmap over the fake platform and a scripted
// printer: the refusals, the cancelled dialog, the pages sent, the screen given back.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/PrintCommands.h"
#include "app/SessionFixtures.h"
#include "model/Numbers.h"
#include "support/RecordingCanvas.h"

namespace umbrix {
namespace {

using testing::App;

/// A printer that answers its dialog from a script, measures a fixed page and keeps every job.
class FakePrinter final : public Printer {
 public:
  bool accept = true;
  std::optional<Message> failure;
  PageMetrics portrait{4660, 6716, 96, 56, 134, 600};
  PageMetrics landscape{6716, 4660, 96, 56, 134, 600};
  int dialogs = 0;
  std::vector<std::string> proposedNames;
  std::vector<PageOrientation> measured;
  std::vector<PrintJob> jobs;
  /// What the dial tracer drew on the last job.
  testing::RecordingCanvas dial;
  std::vector<std::string>* log = nullptr;

  void ProposeFileName(const std::string& name) override { proposedNames.push_back(name); }
  std::string PaperName() const override { return "A4"; }
  bool ChoosePrinter() override {
    ++dialogs;
    if (log != nullptr) log->push_back("print-dialog");
    return accept;
  }
  PageMetrics Measure(PageOrientation o) override {
    measured.push_back(o);
    return o == PageOrientation::Portrait ? portrait : landscape;
  }
  std::optional<Message> Print(const PrintJob& job, const DialTracer& trace) override {
    jobs.push_back(job);
    if (log != nullptr) log->push_back("print");
    dial = {};
    for (const PrintPage& page : job.pages) {
      if (page.dial) trace(dial, job.dialFrame);
    }
    return failure;
  }
};

struct Printing {
  App app;
  FakePrinter printer;
  PrintCommands commands{app.session, app.platform, printer, app.platform};
  Printing() { printer.log = &app.platform.log; }

  void Compute() {
    testing::TypeWorkedCase(app.form());
    ASSERT_TRUE(app.session.ComputeCommand(RunMode::Compute));
    app.platform.Forget();
  }
};

TEST(PrintCommands, RefusalsComeBeforeTheDialog) {
  Printing p;
  EXPECT_EQ(p.commands.PrintReport(), PrintOutcome::Refused);
  for (PrintLayout l : {PrintLayout::Half, PrintLayout::Full, PrintLayout::TwoSheets,
                        PrintLayout::FourSheets, PrintLayout::TrueScale}) {
    EXPECT_EQ(p.commands.PrintDrawing(l), PrintOutcome::Refused);
  }
  p.commands.SaveDrawingBitmap();
  EXPECT_EQ(p.printer.dialogs, 0);
  EXPECT_TRUE(p.app.platform.saveDialogs.empty());
  std::vector<std::string> expected = {"Il n'y a pas d'information à imprimer"};
  expected.insert(expected.end(), 5, "Il n'y a pas de graphique à imprimer");
  expected.emplace_back("Il n'y a pas de graphique à sauver");
  EXPECT_EQ(p.app.platform.MessageTexts(), expected);
  for (const Message& m : p.app.platform.messages) EXPECT_EQ(m.caption, "Erreur...");
}

TEST(PrintCommands, ACancelledDialogLeavesTheBitmapAsItWas) {
  Printing p;
  p.Compute();
  p.printer.accept = false;
  const int w = p.app.platform.bitmapWidth;
  EXPECT_EQ(p.commands.PrintDrawing(PrintLayout::FourSheets), PrintOutcome::Cancelled);
  EXPECT_EQ(p.commands.PrintReport(), PrintOutcome::Cancelled);
  EXPECT_EQ(p.printer.dialogs, 2);
  EXPECT_TRUE(p.printer.jobs.empty());
  EXPECT_EQ(p.app.platform.log, (std::vector<std::string>{"print-dialog", "print-dialog"}));
  EXPECT_EQ(p.app.platform.bitmapWidth, w);
}

TEST(PrintCommands, EveryGraphicPrintDrawsTheDialAsVectorsAndLeavesTheScreen) {
  for (PrintLayout l :
       {PrintLayout::Half, PrintLayout::Full, PrintLayout::TwoSheets, PrintLayout::FourSheets}) {
    Printing p;
    p.Compute();
    const int w = p.app.platform.bitmapWidth;
    ASSERT_EQ(p.commands.PrintDrawing(l), PrintOutcome::Printed);
    ASSERT_EQ(p.printer.jobs.size(), 1u);
    const PrintJob& job = p.printer.jobs[0];
    const GraphicGeometry g =
        ComputeGraphicGeometry(l, p.printer.portrait, p.app.project().Plate, p.app.platform.margin);
    ASSERT_EQ(job.pages.size(), g.pieces.size());
    for (const PrintPage& page : job.pages) EXPECT_TRUE(page.dial.has_value());
    // the dial traced at the print's size, not the screen's
    EXPECT_EQ(job.dialFrame.widthPx, g.magnification * g.bitmapWidth);
    EXPECT_GT(p.printer.dial.Of(testing::CallKind::DrawSegment).size(), 10u);
    EXPECT_EQ(p.app.platform.log, (std::vector<std::string>{"print-dialog", "print"}));
    EXPECT_EQ(p.app.platform.bitmapWidth, w);
    EXPECT_TRUE(p.app.state().DrawingExists);
  }
}

TEST(PrintCommands, TheDrawingIsTracedAtThePrintSizeWithoutTouchingTheReport) {
  Printing p;
  p.Compute();
  const std::string report = p.app.session.ReportPane();
  ASSERT_EQ(p.commands.PrintDrawing(PrintLayout::TwoSheets), PrintOutcome::Printed);
  const PrintJob& job = p.printer.jobs.at(0);
  // 800 mm square: portrait, two sheets whose pieces share the middle column
  EXPECT_EQ(job.orientation, PageOrientation::Portrait);
  ASSERT_EQ(job.pages.size(), 2u);
  const DialPiece a = job.pages[0].dial.value();
  const DialPiece b = job.pages[1].dial.value();
  // the second sheet starts one drawing pixel (the magnification) before the first one ends
  const int u = static_cast<int>(job.dotScale);
  EXPECT_EQ(a.sourceX + a.target.width - u, b.sourceX);
  EXPECT_EQ(p.app.session.ReportPane(), report);
  EXPECT_EQ(p.printer.measured, (std::vector<PageOrientation>{PageOrientation::Portrait}));
}

TEST(PrintCommands, TheReportPrintListsTheValuesWithoutTheFormatLine) {
  Printing p;
  p.Compute();
  p.app.session.CommentsEdited("premier\r\nsecond");
  ASSERT_EQ(p.commands.PrintReport(), PrintOutcome::Printed);
  const PrintJob& job = p.printer.jobs.at(0);
  ASSERT_FALSE(job.pages.empty());
  const auto& first = job.pages[0];
  ASSERT_GT(first.texts.size(), 5u);
  EXPECT_EQ(first.texts[4].text, "Non 'Cadran rectangulaire");
  EXPECT_EQ(first.texts[5].text, "800 'Coté du cadran");
  ASSERT_TRUE(first.dial.has_value());
  EXPECT_EQ(first.dial->target.y, 4 * p.printer.portrait.lineHeight);
  // the last page's header counts all pages
  const std::string last = job.pages.back().texts[2].text;
  const std::string n = std::to_string(job.pages.size());
  EXPECT_EQ(last.substr(last.size() - 2 * n.size() - 1), n + "/" + n);
  bool comments = false;
  for (const auto& page : job.pages) {
    for (const auto& t : page.texts) comments = comments || t.text == "second";
  }
  EXPECT_TRUE(comments);
  // the dial drawn on the page, the screen's bitmap untouched
  EXPECT_TRUE(p.app.platform.LogHasInOrder({"print-dialog", "print"}));
  EXPECT_EQ(std::count(p.app.platform.log.begin(), p.app.platform.log.end(), "resize"), 0);
}

TEST(PrintCommands, ATextPrintWithoutADrawingLeavesTheBitmapAlone) {
  Printing p;
  testing::TypePlate(p.app.form());
  p.app.platform.Forget();
  ASSERT_FALSE(p.app.state().DrawingExists);
  ASSERT_EQ(p.commands.PrintReport(), PrintOutcome::Printed);
  const PrintJob& job = p.printer.jobs.at(0);
  EXPECT_FALSE(job.pages.at(0).dial.has_value());
  EXPECT_EQ(p.app.platform.log, (std::vector<std::string>{"print-dialog", "print"}));
}

TEST(PrintCommands, TheTrueScalePrintDrawsTheDialAsVectorsAndLeavesTheScreen) {
  Printing p;
  p.Compute();
  ASSERT_EQ(p.commands.PrintDrawing(PrintLayout::TrueScale), PrintOutcome::Printed);
  const PrintJob& job = p.printer.jobs.at(0);
  EXPECT_EQ(job.pages.size(), 20u);
  EXPECT_DOUBLE_EQ(job.dialFrame.MmPerPixelX, 25.4 / 600);
  EXPECT_GT(p.printer.dial.Of(testing::CallKind::DrawSegment).size(), 10u);
  EXPECT_EQ(p.app.platform.log, (std::vector<std::string>{"print-dialog", "print"}));
}

TEST(PrintCommands, TheWindowsTrueScalePrintSaysItsSheetsFirstAndMayBeCancelled) {
  const struct {
    double side;  // mm
    Answer answer;
    const char* question;
    PrintOutcome outcome;
  } rows[] = {
      // 800 mm on A4 at 1:1: five rows of four sheets
      {800, Answer::Cancel,
       "L'impression à l'échelle 1:1 demande 20 feuilles A4, en 4 × 5 (lignes × colonnes).\r\n"
       "Imprimer ?",
       PrintOutcome::Cancelled},
      {800, Answer::Ok,
       "L'impression à l'échelle 1:1 demande 20 feuilles A4, en 4 × 5 (lignes × colonnes).\r\n"
       "Imprimer ?",
       PrintOutcome::Printed},
  };
  for (const auto& row : rows) {
    Printing p;
    p.commands.ConfirmTrueScaleSheets(true);
    p.Compute();
    p.app.form().Enter(Field::Cote, FormatGeneral(row.side));
    ASSERT_TRUE(p.app.session.ComputeCommand(RunMode::Compute));
    p.app.platform.Forget();
    p.app.platform.answers = {row.answer};
    EXPECT_EQ(p.commands.PrintDrawing(PrintLayout::TrueScale), row.outcome) << row.side;
    ASSERT_EQ(p.app.platform.questions.size(), 1u);
    EXPECT_EQ(p.app.platform.questions[0].text, row.question);
    EXPECT_EQ(p.printer.jobs.size(), row.outcome == PrintOutcome::Printed ? 1u : 0u);
  }
}

TEST(PrintCommands, APrintToAFileProposesTheProjectAndTheLayout) {
  Printing p;
  p.Compute();
  testing::TempFolder folder;
  ASSERT_TRUE(p.app.session.WriteProject(folder.File("mur-declinant-ouest.umd"), false));
  for (PrintLayout l : {PrintLayout::TrueScale, PrintLayout::Half, PrintLayout::FourSheets}) {
    p.commands.PrintDrawing(l);
  }
  p.commands.PrintReport();
  EXPECT_EQ(p.printer.proposedNames,
            (std::vector<std::string>{"mur-declinant-ouest_echelle.pdf", "mur-declinant-ouest_demi.pdf",
                                      "mur-declinant-ouest_4.pdf",
                                      "mur-declinant-ouest_imprimer.pdf"}));
}

TEST(PrintCommands, APrinterFailureIsShownAndTheScreenComesBack) {
  Printing p;
  p.Compute();
  const int w = p.app.platform.bitmapWidth;
  p.printer.failure = ErrorMessage("Impression impossible");
  EXPECT_EQ(p.commands.PrintDrawing(PrintLayout::Full), PrintOutcome::Failed);
  EXPECT_EQ(p.app.platform.MessageTexts(), (std::vector<std::string>{"Impression impossible"}));
  EXPECT_EQ(p.app.platform.bitmapWidth, w);
}

TEST(SaveDrawingBitmap, ANewProjectProposesNoNameASavedOneItsOwn) {
  Printing p;
  p.Compute();
  p.app.platform.filesToSave = {std::nullopt};
  p.commands.SaveDrawingBitmap();
  ASSERT_EQ(p.app.platform.saveDialogs.size(), 1u);
  EXPECT_EQ(p.app.platform.saveDialogs[0],
            (FileDialog{"bmp",
                        "Graphique Umbrix (*.bmp)|*.bmp|Image lissée, à la résolution de l'écran "
                        "(*.png)|*.png",
                        ""}));
  EXPECT_TRUE(p.app.platform.savedPictures.empty());

  testing::TempFolder folder;
  ASSERT_TRUE(p.app.session.WriteProject(folder.File("mur.ouest.umd"), false));
  p.app.platform.Forget();
  p.app.platform.filesToSave = {folder.File("dessin.bmp")};
  p.commands.SaveDrawingBitmap();
  EXPECT_EQ(p.app.platform.saveDialogs.at(0).proposedName, "mur.ouest.bmp");
  EXPECT_EQ(p.app.platform.savedPictures, (std::vector<std::string>{folder.File("dessin.bmp")}));
  EXPECT_TRUE(p.app.platform.questions.empty());
}

TEST(SaveDrawingBitmap, AnExistingFileIsReplacedOnlyOnOk) {
  Printing p;
  p.Compute();
  testing::TempFolder folder;
  const std::string name = folder.File("dessin.bmp");
  std::ofstream(name) << "x";
  p.app.platform.filesToSave = {name, name};
  p.app.platform.answers = {Answer::Cancel, Answer::Ok};
  p.commands.SaveDrawingBitmap();
  EXPECT_TRUE(p.app.platform.savedPictures.empty());
  p.commands.SaveDrawingBitmap();
  EXPECT_EQ(p.app.platform.savedPictures, (std::vector<std::string>{name}));
  ASSERT_EQ(p.app.platform.questions.size(), 2u);
  EXPECT_EQ(p.app.platform.questions[0],
            (Question{"Fichier existant...", "Le fichier existe déjà, voulez-vous le remplacer ?",
                      Buttons::OkCancel}));
  // a write that failed says so
  p.app.platform.failSaves = true;
  p.app.platform.filesToSave = {folder.File("autre.bmp")};
  p.commands.SaveDrawingBitmap();
  EXPECT_EQ(p.app.platform.MessageTexts().back(),
            "Erreur d'écriture du fichier " + folder.File("autre.bmp"));
}

TEST(PrintMenu, TheItemsRunTheirCommands) {
  const struct {
    MenuId id;
    const char* message;
  } rows[] = {{MenuId::Imprimer1, "Il n'y a pas d'information à imprimer"},
              {MenuId::DemiFormat1, "Il n'y a pas de graphique à imprimer"},
              {MenuId::PleinFormat1, "Il n'y a pas de graphique à imprimer"},
              {MenuId::N2formats1, "Il n'y a pas de graphique à imprimer"},
              {MenuId::N4formats1, "Il n'y a pas de graphique à imprimer"},
              {MenuId::Echelle1, "Il n'y a pas de graphique à imprimer"},
              {MenuId::Sauverlimage1, "Il n'y a pas de graphique à sauver"}};
  for (const auto& r : rows) {
    Printing p;
    MenuCommands menus;
    RegisterPrintCommands(menus, p.commands);
    EXPECT_TRUE(menus.Run(r.id));
    EXPECT_EQ(p.app.platform.MessageTexts(), (std::vector<std::string>{r.message}));
  }
  EXPECT_EQ(RowOf(MenuId::Echelle1).parent, MenuId::ImprimerleGraphique1);
  EXPECT_STREQ(RowOf(MenuId::Echelle1).caption, "Imprimer à l'é&chelle 1:1");
}

}  // namespace
}  // namespace umbrix
