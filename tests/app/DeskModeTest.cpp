// The desk dial through the session and a fake window: entering and leaving, its settings file,
// the resize rule, the timer's shadow at the present instant and the commands it silences.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "app/DeskMode.h"
#include "app/FakeDeskWindow.h"
#include "app/MainMenu.h"
#include "app/Manipulation.h"
#include "app/MenuCommands.h"
#include "app/SessionFixtures.h"
#include "files/ProjectFile.h"
#include "files/TextLines.h"

namespace umbrix {
namespace {

using testing::App;
using testing::FakeDeskWindow;
using testing::TempFolder;

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

/// The values of a settings file, or nothing.
std::optional<DeskSettings> ReadSettings(const std::filesystem::path& path) {
  return ParseDeskSettings(DecodeLines(Slurp(path)));
}

/// A program with a desk dial, its worked project saved as "mur.umd" in a folder of its own.
struct Desk {
  explicit Desk(bool traced = true, const std::string& side = "800") {
    testing::TypeWorkedCase(app.form());
    app.form().Enter(Field::Cote, side);
    if (traced) app.session.StartComputation(RunMode::Compute);
    EXPECT_TRUE(app.session.WriteProject(folder.File("mur.umd"), false));
    app.platform.Forget();
  }
  TempFolder folder;
  App app;
  FakeDeskWindow window{app.platform};
  DeskDial desk{app.session, app.platform, window, folder.Path() / "reglages"};

  std::filesystem::path Settings() const { return folder.Path() / "mur.umb"; }
  bool On() const { return app.session.DeskMode(); }
};

/// The twelve values as a settings file.
std::string SettingsBytes(const DeskSettings& s) { return EncodeLines(BuildDeskSettingsLines(s)); }

// ---------------------------------------------------------------- the geometry rules

constexpr PlateWindow kSquare{-50, 50, -50, 50};
constexpr PlateWindow kTall{-50, 50, -100, 100};  // twice as tall as wide
constexpr PlateWindow kWide{-100, 100, -50, 50};
constexpr PlateWindow kThreeHalves{-75, 75, -50, 50};

TEST(DeskGeometry, TheMinimumKeepsTheShorterSideAtSevenMarginsLessOne) {
  struct Row {
    PlateWindow plate;
    int margin;
    PixelSize expected;
  };
  const Row rows[] = {
      {kSquare, 14, {6 + 97 + 29, 20 + 126}},
      // nine margins across, the height from the proportions
      {kTall, 14, {6 + 126, 20 + 194 + 29}},
      {kWide, 14, {6 + 194 + 29, 20 + 126}},
      // 97 x 1.5 = 145.5 rounds to the even 146
      {kThreeHalves, 14, {6 + 146 + 29, 20 + 126}},
      {kSquare, 10, {6 + 69 + 21, 20 + 90}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DeskMinimumSize(r.plate, r.margin, {6, 20}), r.expected)
        << r.plate.XMax << " x " << r.plate.YMax << " m " << r.margin;
  }
}

TEST(DeskGeometry, ASidewaysDragIsRefusedAndTheWidthFollowsTheHeight) {
  struct Row {
    PlateWindow plate;
    PixelSize proposed;
    std::optional<PixelSize> expected;
  };
  // current 160 x 160 outer, 154 x 140 client, margin 14
  const Row rows[] = {
      {kSquare, {300, 160}, std::nullopt},
      {kSquare, {100, 160}, std::nullopt},
      {kSquare, {160, 200}, PixelSize{151 + 29 + 6, 200}},
      {kSquare, {160, 150}, PixelSize{101 + 29 + 6, 150}},
      // a drag of the bottom border that also moved sideways: the width is the rule's
      {kSquare, {400, 200}, PixelSize{186, 200}},
      {kWide, {170, 200}, PixelSize{302 + 29 + 6, 200}},
      // 151 / 2 = 75.5 rounds to the even 76
      {kTall, {160, 200}, PixelSize{76 + 29 + 6, 200}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DeskResize(r.plate, 14, r.proposed, {160, 160}, {154, 140}), r.expected)
        << r.proposed.width << " x " << r.proposed.height;
  }
}

TEST(DeskGeometry, TheBitmapFillsTheClientAreaAlongItsTighterSide) {
  struct Row {
    PlateWindow plate;
    PixelSize client;
    PixelSize expected;
  };
  const Row rows[] = {
      {kSquare, {154, 140}, {111 + 29, 111 + 29}},
      // k = 125 / 200: 62.5 rounds to the even 62
      {kWide, {154, 140}, {125 + 29, 62 + 29}},
      {kTall, {154, 140}, {56 + 29, 111 + 29}},
      // a client area smaller than its margins keeps a one-pixel plate
      {kSquare, {20, 20}, {1 + 29, 1 + 29}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DeskBitmapSize(r.plate, 14, r.client), r.expected)
        << r.client.width << " x " << r.client.height;
  }
}

TEST(DeskGeometry, TheDeskTitleHasNoProgramNameNorExtension) {
  EXPECT_EQ(DeskTitle("/home/maker/mur-declinant-ouest.umd", false), "  mur-declinant-ouest");
  EXPECT_EQ(DeskTitle("/home/maker/mur-declinant-ouest.umd", true), "* mur-declinant-ouest");
  EXPECT_EQ(DeskTitle("", false), "  ");
}

// ---------------------------------------------------------------- entering

TEST(DeskEntering, WithoutATracedDialOnlyTheMessageShows) {
  Desk d(false);
  ASSERT_FALSE(d.app.state().DrawingExists);
  MenuCommands menus;
  d.desk.Register(menus);
  ASSERT_TRUE(menus.Run(MenuId::CadBur1));
  EXPECT_EQ(d.app.platform.MessageTexts(), std::vector<std::string>{"Le cadran n'est pas tracé"});
  EXPECT_EQ(d.app.platform.log, std::vector<std::string>{"message:Le cadran n'est pas tracé"});
  EXPECT_FALSE(d.On());
  EXPECT_FALSE(std::filesystem::exists(d.Settings()));
}

TEST(DeskEntering, ASettingsFileOfAnotherFormatIsRefusedAndKept) {
  Desk d;
  const std::string foreign = "Umbrix6d\r\n1 'Left normal\r\n";
  WriteText(d.Settings(), foreign);
  d.desk.ToggleCommand();
  EXPECT_EQ(d.app.platform.MessageTexts(),
            std::vector<std::string>{FullPath(d.Settings().string()) + " : format incorrect"});
  EXPECT_EQ(d.app.platform.messages.front().caption, "Erreur...");
  EXPECT_FALSE(d.On());
  EXPECT_EQ(d.window.placement, (ScreenRect{300, 200, 760, 638}));
  EXPECT_FALSE(d.window.deskLook);
  EXPECT_EQ(Slurp(d.Settings()), foreign);
}

TEST(DeskEntering, AFirstUseOpensA160SquareAtTheWindowsPlace) {
  Desk d;
  d.desk.ToggleCommand();
  ASSERT_TRUE(d.On());
  EXPECT_TRUE(d.app.platform.messages.empty());
  EXPECT_EQ(d.window.placement, (ScreenRect{300, 200, 160, 160}));
  EXPECT_EQ(d.app.session.Title(), "  mur");
  EXPECT_FALSE(d.window.onTop);
  EXPECT_FALSE(d.desk.StayOnTop());
  EXPECT_TRUE(d.window.ticking);
  EXPECT_TRUE(d.window.deskLook);
  // the whole look in one call, then the dial traced once at its size
  DeskLook look;
  look.desk = true;
  look.place = {300, 200, 160, 160};
  look.minWidth = 132;
  look.minHeight = 146;
  look.ticking = true;
  EXPECT_EQ(d.window.looks, std::vector<DeskLook>{look});
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"desk-look", "resize", "present"}));
  EXPECT_EQ(d.app.platform.drawings, 1);
  // the desk font's margin, the bitmap fitted to the 154 x 140 client area
  EXPECT_EQ(d.app.session.Frame().marginPx, 14);
  EXPECT_EQ(d.app.platform.bitmapWidth, 140);
  EXPECT_EQ(d.app.platform.bitmapHeight, 140);

  // the file holds the normal window and 100 in the desktop lines until the mode is left
  const auto stored = ReadSettings(d.Settings());
  ASSERT_TRUE(stored);
  DeskSettings expected;
  expected.leftNormal = 300;
  expected.topNormal = 200;
  expected.widthNormal = 760;
  expected.heightNormal = 638;
  expected.minWidthNormal = 544;
  expected.minHeightNormal = 424;
  expected.maximizedNormal = 0;
  EXPECT_EQ(*stored, expected);
  EXPECT_EQ(DecodeLines(Slurp(d.Settings())).front(), "UmbrixBur1");
}

TEST(DeskEntering, AModifiedProjectShowsAStarInTheDeskTitle) {
  Desk d;
  d.app.session.SetModifiedTitle();
  d.desk.ToggleDeskMode();
  EXPECT_EQ(d.app.session.Title(), "* mur");
  d.desk.ToggleDeskMode();
  EXPECT_EQ(d.app.session.Title(), "Umbrix * mur.umd");
}

TEST(DeskEntering, APlateTwiceAsTallAsWideCannotBeNarrowerThanNineMarginsAndTheFrame) {
  Desk d;
  d.app.form().SetChecked(Check::Rectg, true);
  d.app.form().Enter(Field::Cotel, "400");
  d.app.session.StartComputation(RunMode::Compute);
  ASSERT_TRUE(d.app.state().DrawingExists);
  d.app.platform.Forget();
  d.desk.ToggleDeskMode();
  ASSERT_TRUE(d.On());
  // 6 + 9 x 14 wide, 20 + 194 + 29 high: the stored 160 x 160 grows to the minimum
  EXPECT_EQ(d.window.minWidth, 132);
  EXPECT_EQ(d.window.minHeight, 243);
  EXPECT_EQ(d.window.placement, (ScreenRect{300, 200, 160, 243}));
  // the plate's shorter side gets its seven margins less one pixel
  EXPECT_EQ(d.app.platform.bitmapHeight, 223);
  EXPECT_FALSE(d.desk.ResizeRequest({120, 243}, {160, 243}));
}

TEST(DeskEntering, AnUntitledProjectKeepsItsSettingsInTheSettingsFolder) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  app.session.StartComputation(RunMode::Compute);
  FakeDeskWindow window{app.platform};
  // the per-user folder does not exist yet
  const std::filesystem::path settings = folder.Path() / "config" / "Umbrix";
  DeskDial desk{app.session, app.platform, window, settings};
  desk.ToggleDeskMode();
  ASSERT_TRUE(app.session.DeskMode());
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(ReadSettings(settings / "sans-titre.umb"));
  EXPECT_EQ(app.session.Title(), "* ");
}

TEST(DeskEntering, ValuesThatAreNotWholeNumbersFallBackToAFirstUse) {
  Desk d;
  std::string bytes = SettingsBytes(DeskSettings{});
  bytes.replace(bytes.find("100 'Left desktop"), 3, "abc");
  WriteText(d.Settings(), bytes);
  d.desk.ToggleDeskMode();
  ASSERT_TRUE(d.On());
  EXPECT_EQ(d.window.placement, (ScreenRect{300, 200, 160, 160}));
}

// ---------------------------------------------------------------- leaving and coming back

TEST(DeskLeaving, TheNormalWindowComesBackMaximizedAsItWas) {
  Desk d;
  d.window.placement = {120, 80, 800, 650};
  d.window.maximized = true;
  d.desk.ToggleDeskMode();
  ASSERT_TRUE(d.On());
  // the desk window starts where the maximized window was
  EXPECT_EQ(d.window.placement, (ScreenRect{0, 0, 160, 160}));
  d.window.Place({1500, 40, 170, 180});
  d.app.platform.Forget();

  d.desk.ToggleCommand();

  EXPECT_FALSE(d.On());
  EXPECT_TRUE(d.window.maximized);
  EXPECT_EQ(d.window.placement, (ScreenRect{120, 80, 800, 650}));
  EXPECT_EQ(d.window.minWidth, 544);
  EXPECT_EQ(d.window.minHeight, 424);
  EXPECT_FALSE(d.window.deskLook);
  EXPECT_FALSE(d.window.ticking);
  EXPECT_FALSE(d.window.onTop);
  EXPECT_EQ(d.app.platform.margin, 20);
  EXPECT_EQ(d.app.session.Title(), "Umbrix   mur.umd");
  DeskLook look;
  look.place = {120, 80, 800, 650};
  look.minWidth = 544;
  look.minHeight = 424;
  look.maximized = true;
  ASSERT_EQ(d.window.looks.size(), 2u);
  EXPECT_EQ(d.window.looks.back(), look);
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"normal-look", "resize"}));
  // the normal fit again: the room of the normal window, the normal margin
  EXPECT_EQ(d.app.session.Frame().marginPx, 20);
  EXPECT_EQ(d.app.platform.bitmapWidth, 400 + 41);

  const auto stored = ReadSettings(d.Settings());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->leftNormal, 120);
  EXPECT_EQ(stored->widthNormal, 800);
  EXPECT_EQ(stored->maximizedNormal, 1);
  EXPECT_EQ(stored->leftDesktop, 1500);
  EXPECT_EQ(stored->topDesktop, 40);
  EXPECT_EQ(stored->widthDesktop, 170);
  EXPECT_EQ(stored->heightDesktop, 180);
  EXPECT_EQ(stored->stayOnTopDesktop, 0);
}

TEST(DeskLeaving, TheNextEntryComesBackWhereTheDeskWindowWasAndOnTop) {
  Desk d;
  d.desk.ToggleDeskMode();
  d.window.Place({900, 30, 200, 210});
  MenuCommands menus;
  d.desk.Register(menus);
  ASSERT_TRUE(menus.Run(MenuId::TjsVisible1));
  EXPECT_TRUE(menus.State(MenuId::TjsVisible1)->checked);
  EXPECT_TRUE(d.desk.StayOnTop());
  EXPECT_TRUE(d.window.onTop);
  ASSERT_TRUE(menus.Run(MenuId::RetUmbrix1));
  ASSERT_FALSE(d.On());
  // the check mark stays while the window stops being on top
  EXPECT_TRUE(d.desk.StayOnTop());
  EXPECT_FALSE(d.window.onTop);

  d.desk.ToggleDeskMode();
  EXPECT_EQ(d.window.placement, (ScreenRect{900, 30, 200, 210}));
  EXPECT_TRUE(d.window.onTop);
  ASSERT_TRUE(menus.Run(MenuId::TjsVisible1));
  EXPECT_FALSE(d.window.onTop);
  EXPECT_FALSE(d.desk.StayOnTop());
}

TEST(DeskLeaving, AStoredZeroClearsACheckMarkLeftFromAnotherProject) {
  Desk d;
  d.desk.ToggleDeskMode();
  d.desk.ToggleStayOnTop();
  d.desk.ToggleDeskMode();
  DeskSettings other;
  other.stayOnTopDesktop = 0;
  WriteText(d.Settings(), SettingsBytes(other));
  d.desk.ToggleDeskMode();
  EXPECT_FALSE(d.desk.StayOnTop());
  EXPECT_FALSE(d.window.onTop);
}

// ---------------------------------------------------------------- resizing, ticking

TEST(DeskResizing, TheRuleAppliesOnlyInTheModeAndAResizeRefitsTheDial) {
  Desk d;
  EXPECT_EQ(d.desk.ResizeRequest({300, 160}, {160, 160}), (PixelSize{300, 160}));
  d.desk.ToggleDeskMode();
  EXPECT_FALSE(d.desk.ResizeRequest({300, 160}, {160, 160}));
  // judged from the size given, whatever the window's size is now
  d.window.placement.width = 400;
  d.window.placement.height = 300;
  const auto accepted = d.desk.ResizeRequest({160, 240}, {160, 160});
  ASSERT_TRUE(accepted);
  EXPECT_EQ(*accepted, (PixelSize{6 + 191 + 29, 240}));
  d.window.Place({300, 200, accepted->width, accepted->height});
  d.app.platform.Forget();
  d.desk.Resized();
  EXPECT_EQ(d.app.platform.bitmapWidth, 220);
  EXPECT_EQ(d.app.platform.bitmapHeight, 220);
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"resize", "fill-white", "present"}));
  EXPECT_EQ(d.app.platform.log.size(), 3u) << "the report is not touched";
}

/// The largest gap (mm) between the points of two drawings made of the same calls; infinite when
/// their calls differ in kind, colour, text or number of points.
double DrawingGap(const testing::RecordingCanvas& a, const testing::RecordingCanvas& b) {
  constexpr double kApart = std::numeric_limits<double>::infinity();
  if (a.calls.size() != b.calls.size()) return kApart;
  double worst = 0;
  for (size_t i = 0; i < a.calls.size(); ++i) {
    const testing::CanvasCall& p = a.calls[i];
    const testing::CanvasCall& q = b.calls[i];
    if (p.kind != q.kind || p.colour != q.colour || p.text != q.text ||
        p.points.size() != q.points.size()) {
      return kApart;
    }
    for (size_t j = 0; j < p.points.size(); ++j) {
      worst = std::max({worst, std::abs(p.points[j].x - q.points[j].x),
                        std::abs(p.points[j].y - q.points[j].y)});
    }
  }
  return worst;
}

/// The desk dial's drawing with its shadow as the main window draws it: light grey, unedged.
testing::RecordingCanvas WithPlainShadow(testing::RecordingCanvas desk) {
  using testing::CallKind;
  std::vector<testing::CanvasCall> calls;
  std::vector<PointMm> shadow;
  for (testing::CanvasCall call : desk.calls) {
    const bool fill =
        call.kind == CallKind::DrawFilledPolygon || call.kind == CallKind::DrawFilledQuads;
    if (fill && call.colour == colours::Grey) {
      call.colour = colours::LightGrey;
      shadow = call.points;
    } else if (call.kind == CallKind::DrawPolyline && call.colour == colours::Black &&
               !shadow.empty() && call.points.size() == shadow.size() + 1 &&
               std::equal(shadow.begin(), shadow.end(), call.points.begin())) {
      continue;  // the edge
    }
    calls.push_back(call);
  }
  desk.calls = calls;
  return desk;
}

/// The worked project with the shadow at `hour` on 21 June 2024, drawn at `w` x `h` pixels in
/// the margin 14.
testing::RecordingCanvas TypedShadow(const std::string& hour, int w, int h) {
  App b;
  testing::TypeWorkedCase(b.form());
  b.form().Enter(Field::Dadiur, "21/06/2024");
  b.form().Enter(Field::Hediur, hour);
  b.session.StartComputation(RunMode::Compute);
  b.session.ToggleOption(OptionItem::Ombre1);
  b.platform.margin = 14;
  b.platform.Forget();
  b.session.DrawAtSize(w, h);
  return b.platform.bitmap;
}

TEST(DeskTicking, TheTickDrawsTheShadowOfThePresentInstantInTheDialsTime) {
  Desk d;
  // 15:00 local in winter time one hour east of Greenwich, the dial's zone two hours east
  d.app.platform.now = SerialFromCivil({2024, 6, 21}) + 15.0 / 24;
  d.app.platform.zone = {ZoneState::Standard, -60.0, 0.0, -60.0};
  d.desk.ToggleDeskMode();
  const std::string report = d.app.session.ReportPane();
  d.app.platform.Forget();
  d.desk.Tick();
  EXPECT_EQ(d.app.platform.log, (std::vector<std::string>{"fill-white", "present"}));
  EXPECT_EQ(d.app.session.ReportPane(), report);

  const int w = d.app.session.Frame().widthPx;
  const int h = d.app.session.Frame().heightPx;
  const testing::RecordingCanvas drawn = WithPlainShadow(d.app.platform.bitmap);
  EXPECT_LT(DrawingGap(drawn, TypedShadow("16:00:00", w, h)), 1e-6);
  // the clock without the zone correction would show another shadow
  EXPECT_GT(DrawingGap(drawn, TypedShadow("15:00:00", w, h)), 1.0);
}

// ---------------------------------------------------------------- what the mode silences

TEST(DeskSilence, FileCommandsDropsAndKeysDoNothingWhileTheModeLasts) {
  Desk d;
  d.desk.ToggleDeskMode();
  d.app.session.SetModifiedTitle();
  d.app.platform.Forget();
  d.app.platform.filesToOpen = {d.folder.File("mur.umd")};
  Manipulation hands(d.app.session, d.app.platform);
  d.app.files.NewProject();
  d.app.files.OpenCommand();
  d.app.files.SaveCommand();
  d.app.exports.ExportDxfCommand();
  d.app.files.DropFiles({d.folder.File("mur.umd")});
  d.app.session.FitDrawing();
  hands.MouseDown({50, 50}, MouseButton::Left, {});
  hands.Wheel({50, 50}, true);
  const KeyOutcome key = hands.KeyCommand({Key::M, {true, false}, false}, {});
  EXPECT_FALSE(key.consumed);
  EXPECT_TRUE(d.app.platform.log.empty());
  EXPECT_EQ(d.app.session.Title(), "* mur");
  EXPECT_TRUE(d.On());
  EXPECT_FALSE(d.app.session.InteractiveMode());
}

// ---------------------------------------------------------------- quitting, opening

TEST(DeskQuitting, QuittingClosingAndShuttingDownStoreTheDeskWindow) {
  enum class Way { Quit, Close, Shutdown };
  for (const Way way : {Way::Quit, Way::Close, Way::Shutdown}) {
    Desk d;
    d.desk.ToggleDeskMode();
    d.window.Place({640, 360, 180, 190});
    d.desk.ToggleStayOnTop();
    switch (way) {
      case Way::Quit:
        EXPECT_TRUE(d.app.files.Quit());
        EXPECT_EQ(d.app.platform.terminated, 1);
        break;
      case Way::Close:
        EXPECT_TRUE(d.app.files.CloseRequested());
        break;
      case Way::Shutdown:
        d.app.session.SystemShutdown();
        break;
    }
    const auto stored = ReadSettings(d.Settings());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->leftDesktop, 640) << static_cast<int>(way);
    EXPECT_EQ(stored->topDesktop, 360) << static_cast<int>(way);
    EXPECT_EQ(stored->widthDesktop, 180) << static_cast<int>(way);
    EXPECT_EQ(stored->heightDesktop, 190) << static_cast<int>(way);
    EXPECT_EQ(stored->stayOnTopDesktop, 1) << static_cast<int>(way);
    EXPECT_EQ(stored->leftNormal, 300) << static_cast<int>(way);
  }
}

TEST(DeskQuitting, CancellingTheSaveQuestionKeepsTheModeAndTheFile) {
  Desk d;
  d.desk.ToggleDeskMode();
  const std::string before = Slurp(d.Settings());
  d.app.session.SetModifiedTitle();
  d.window.Place({640, 360, 180, 190});
  d.app.platform.answers = {Answer::Cancel};
  EXPECT_FALSE(d.app.files.Quit());
  EXPECT_TRUE(d.On());
  EXPECT_EQ(Slurp(d.Settings()), before);
  EXPECT_EQ(d.app.platform.terminated, 0);
}

TEST(DeskOpening, ADeskFileOpensItsProjectInTheModeAtTheStoredPlace) {
  TempFolder folder;
  {
    Desk first;
    first.desk.ToggleDeskMode();
    first.window.Place({700, 500, 210, 220});
    first.desk.ToggleStayOnTop();
    first.desk.ToggleDeskMode();
    std::filesystem::copy_file(first.folder.File("mur.umd"), folder.File("mur.umd"));
    std::filesystem::copy_file(first.Settings(), folder.Path() / "mur.umb");
  }
  App app;
  FakeDeskWindow window{app.platform};
  DeskDial desk{app.session, app.platform, window, folder.Path()};
  ASSERT_TRUE(app.session.OpenProject(folder.File("mur.umb")));
  ASSERT_TRUE(app.session.DeskMode());
  EXPECT_EQ(window.placement, (ScreenRect{700, 500, 210, 220}));
  EXPECT_TRUE(window.onTop);
  EXPECT_EQ(app.session.Title(), "  mur");
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST(DeskOpening, ADeskFileWithoutADeskDialOpensOnlyItsProject) {
  TempFolder folder;
  {
    Desk d;
    std::filesystem::copy_file(d.folder.File("mur.umd"), folder.File("mur.umd"));
  }
  App cli;
  ASSERT_TRUE(cli.session.OpenProject(folder.File("mur.umb")));
  EXPECT_FALSE(cli.session.DeskMode());
  EXPECT_TRUE(cli.state().DrawingExists);
  EXPECT_EQ(cli.session.Title(), "Umbrix   mur.umd");
}

}  // namespace
}  // namespace umbrix
