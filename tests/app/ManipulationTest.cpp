// The drawing worked with the mouse, the wheel and the keys, through the session and the fake
// platform.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Manipulation.h"
#include "app/SessionFixtures.h"

namespace umbrix {
namespace {

using testing::App;

/// A session with a dial traced from the typed orientation, interactive mode off, and the
/// manipulation logic over it. The fake's room gives the 800 mm plate 400 plate pixels (2 mm a
/// pixel) inside a 441-pixel bitmap with 20-pixel margins.
struct Drawn {
  explicit Drawn(const std::string& side = "800", DrawingRoom room = {449, 449}) {
    app.platform.room = room;
    testing::TypePlate(app.form(), side);
    testing::TypeFullPlace(app.form());
    testing::TypeWorkedOrientation(app.form());
    EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
    app.state().Modified = false;
    app.platform.Forget();
  }
  App app;
  Manipulation hands{app.session, app.platform};

  Form& form() { return app.form(); }
  /// The dial traced again after an entry that blanked it.
  void Retrace() { EXPECT_TRUE(app.session.StartComputation(RunMode::Trace)); }
  const Entry& entry(Field f) { return app.project().At(f); }
  KeyOutcome Press(KeyChord chord, KeyContext context = {}) {
    return hands.KeyCommand(chord, context);
  }
  KeyOutcome Press(Key key) { return Press(KeyChord{key, {}, false}); }
  void Click(PixelPoint at, Modifiers m = {}) { hands.MouseDown(at, MouseButton::Left, m); }
};

constexpr Modifiers kCtrl{true, false};
constexpr Modifiers kShift{false, true};
constexpr PixelPoint kCentre{220, 220};

TEST(SequencePicture, NameIsTheBaseThenAtLeastThreeDigitsThenBmp) {
  EXPECT_EQ(SequencePictureName("pic", 0), "pic000.bmp");
  EXPECT_EQ(SequencePictureName("pic", 7), "pic007.bmp");
  EXPECT_EQ(SequencePictureName("pic", 42), "pic042.bmp");
  EXPECT_EQ(SequencePictureName("pic", 999), "pic999.bmp");
  EXPECT_EQ(SequencePictureName("pic", 1000), "pic1000.bmp");
  EXPECT_EQ(SequencePictureName("", 3), "003.bmp");
}

TEST(InteractiveMode, AClickBeforeAnyDialDoesNothingNotEvenTheFrame) {
  App app;
  Manipulation hands{app.session, app.platform};
  hands.MouseDown({10, 10}, MouseButton::Left, {});
  EXPECT_FALSE(app.session.InteractiveMode());
  EXPECT_FALSE(hands.Dragging());
  hands.MouseDown({5000, 10}, MouseButton::Left, {});
  EXPECT_TRUE(app.platform.frames.empty());
  EXPECT_FALSE(app.state().Modified);
}

TEST(InteractiveMode, TheFrameStaysAfterReleaseAndArrowsMoveTheFootUntilTab) {
  Drawn d;
  d.Click(kCentre);
  EXPECT_TRUE(d.app.session.InteractiveMode());
  EXPECT_TRUE(d.hands.Dragging());
  EXPECT_EQ(d.hands.Cursor(), DrawingCursor::Move);
  EXPECT_EQ(d.app.platform.frames, std::vector<Colour>{colours::Red});
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"frame-red", "present"}));

  d.hands.MouseUp();
  EXPECT_FALSE(d.hands.Dragging());
  EXPECT_EQ(d.hands.Cursor(), DrawingCursor::Default);
  EXPECT_TRUE(d.app.session.InteractiveMode());

  EXPECT_EQ(d.Press(Key::Right), KeyOutcome{true});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 2.0);
  EXPECT_EQ(d.entry(Field::Gnomx).text, "2");
  EXPECT_TRUE(d.app.project().Hautf);
  EXPECT_TRUE(d.app.state().Modified);
  EXPECT_EQ(d.app.session.Title(), "Umbrix * ");
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"fill-white", "present"}));

  // Tab ends it, the report pane takes the focus, and the arrows are ordinary keys again
  EXPECT_EQ(d.Press(Key::Tab), (KeyOutcome{true, FocusRequest::ReportPane}));
  EXPECT_FALSE(d.app.session.InteractiveMode());
  EXPECT_EQ(d.app.platform.frames.back(), colours::Black);
  EXPECT_EQ(d.Press(Key::Right), KeyOutcome{});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 2.0);
  // Tab elsewhere than from the comments pane keeps its role; from there it enters the mode
  EXPECT_EQ(d.Press(Key::Tab), KeyOutcome{});
  EXPECT_EQ(d.Press({Key::Tab, {}, false}, {true, false, true}), KeyOutcome{true});
  EXPECT_TRUE(d.app.session.InteractiveMode());
  EXPECT_EQ(d.app.platform.frames.back(), colours::Red);
}

TEST(InteractiveMode, AClickOutsideOrWithAnotherButtonEndsIt) {
  Drawn d;
  d.Click(kCentre);
  d.hands.MouseUp();
  d.Click({441, 10});  // one pixel right of the bitmap
  EXPECT_FALSE(d.app.session.InteractiveMode());
  EXPECT_FALSE(d.hands.Dragging());
  EXPECT_EQ(d.app.platform.frames, (std::vector<Colour>{colours::Red, colours::Black}));

  d.Click(kCentre);
  d.hands.MouseUp();
  d.hands.MouseDown(kCentre, MouseButton::Other, {});
  EXPECT_FALSE(d.app.session.InteractiveMode());
  EXPECT_EQ(d.app.platform.frames.back(), colours::Black);
}

TEST(InteractiveMode, KeysOfTheModeNeedTheMainWindowActive) {
  Drawn d;
  d.Click(kCentre);
  EXPECT_EQ(d.Press({Key::Right, {}, false}, {false, true, false}), KeyOutcome{});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 0.0);
}

TEST(Drag, WithoutTheShadowACtrlDragMovesNothingButMarksModified) {
  Drawn d;
  ASSERT_FALSE(d.app.project().Options.Ombre1.checked);
  d.Click(kCentre, kCtrl);
  EXPECT_EQ(d.hands.Cursor(), DrawingCursor::Time);
  d.hands.MouseMove({260, 220});
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.5);
  EXPECT_TRUE(d.app.state().Modified);
  EXPECT_EQ(d.app.session.Title(), "Umbrix * ");
  // the reference stayed where the drag began: that place again is no move at all
  EXPECT_EQ(d.hands.LastMouse(), kCentre);
  d.app.state().Modified = false;
  d.hands.MouseMove(kCentre);
  EXPECT_FALSE(d.app.state().Modified);
  d.hands.MouseMove({270, 220});
  EXPECT_TRUE(d.app.state().Modified);
  EXPECT_EQ(d.Press(Key::Backspace), KeyOutcome{});
  EXPECT_EQ(d.Press(Key::Space), KeyOutcome{});
}

TEST(Drag, TheFootStopsExactlyOnThePlateEdge) {
  Drawn d;
  d.Click(kCentre);
  d.hands.MouseMove({3000, -3000});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 400.0);
  EXPECT_EQ(d.entry(Field::Gnomy).value, 400.0);
  EXPECT_EQ(d.entry(Field::Gnomx).text, "400");
  EXPECT_TRUE(d.app.project().Hautf);
  d.hands.MouseMove({-9000, 9000});
  EXPECT_EQ(d.entry(Field::Gnomx).value, -400.0);
  EXPECT_EQ(d.entry(Field::Gnomy).value, -400.0);
  EXPECT_EQ(d.hands.LastMouse(), (PixelPoint{-9000, 9000}));
}

TEST(Drag, OneMovePixelRightAndDownMovesTheFootByTheScaleRoundedToATenth) {
  // 100 mm drawn 300 pixels wide: a third of a millimetre a pixel
  Drawn d("100", {349, 349});
  ASSERT_EQ(d.app.session.Frame().widthPx, 341);
  d.Click(kCentre);
  d.hands.MouseMove({221, 221});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 0.3);
  EXPECT_EQ(d.entry(Field::Gnomy).value, -0.3);
  EXPECT_EQ(d.entry(Field::Gnomx).text, "0.3");
  d.hands.MouseMove({223, 221});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 1.0);  // 0.3 + 0.667
}

TEST(Keys, LeftOnA100MmPlateDrawn300PixelsWideStepsOneWholeMillimetre) {
  Drawn d("100", {349, 349});
  d.Click(kCentre);
  d.hands.MouseMove({221, 220});  // 0.3
  d.hands.MouseUp();
  EXPECT_EQ(d.Press(Key::Left), KeyOutcome{true});
  EXPECT_EQ(d.entry(Field::Gnomx).value, -1.0);  // RoundScaled(1, 0.3 - 1)
  EXPECT_EQ(d.Press(Key::Left), KeyOutcome{true});
  EXPECT_EQ(d.entry(Field::Gnomx).value, -2.0);
}

TEST(Drag, TheWholePlateHeightIs365DaysAndTheWholeWidth24Hours) {
  Drawn d;
  d.app.project().Options.Ombre1.checked = true;
  const double day = d.entry(Field::Dadiur).value;
  d.Click({220, 20}, kShift);
  EXPECT_EQ(d.hands.Cursor(), DrawingCursor::Date);
  d.hands.MouseMove({230, 420});  // 400 plate pixels down: a year later
  EXPECT_EQ(d.entry(Field::Dadiur).value, day + 365);
  EXPECT_EQ(d.entry(Field::Dadiur).text, FormatDateShort(day + 365));
  EXPECT_EQ(d.app.project().Adadiur, FormatDateLong(day + 365));
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.5);  // a date drag leaves the time alone
  EXPECT_EQ(d.hands.LastMouse(), (PixelPoint{220, 420}));
  d.hands.MouseUp();

  d.Click({20, 220}, kCtrl);
  d.hands.MouseMove({120, 300});  // a quarter of the width: 12:00 + 6 h
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.75);
  EXPECT_EQ(d.entry(Field::Hediur).text, "18:00:00");
  EXPECT_EQ(d.app.project().Ahediur, "18:00:00");
  EXPECT_EQ(d.entry(Field::Dadiur).value, day + 365);
  d.hands.MouseMove({420, 300});  // three quarters more: past midnight, back at 12:00
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.5);
  d.hands.MouseMove({20, 300});  // the whole width back: 24 hours earlier, the same time
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.5);
  d.hands.MouseMove({-280, 300});  // 18 hours earlier, before midnight: 18:00 the day before
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.75);
}

TEST(Drag, TheDateDragNeedsTheShadowOrTheDateArc) {
  Drawn d;
  const double day = d.entry(Field::Dadiur).value;
  d.Click(kCentre, kShift);
  d.hands.MouseMove({220, 240});
  EXPECT_EQ(d.entry(Field::Dadiur).value, day);
  d.app.project().Options.MenDat.checked = true;
  d.hands.MouseMove({220, 260});  // the reference did not move: 40 pixels
  EXPECT_EQ(d.entry(Field::Dadiur).value,
            day + 37);  // Round(day + 40 * 365 / 400), the half to even
}

TEST(Drag, CtrlPressedDuringAMoveMakesItATimeDragFromTheNextMove) {
  Drawn d;
  d.app.project().Options.Ombre1.checked = true;
  d.Click(kCentre);
  d.hands.MouseMove({230, 220});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 20.0);
  d.hands.ModifiersChanged(kCtrl);
  EXPECT_EQ(d.hands.Kind(), DragKind::Time);
  EXPECT_EQ(d.hands.Cursor(), DrawingCursor::Time);
  d.hands.MouseMove({330, 260});
  EXPECT_EQ(d.entry(Field::Gnomx).value, 20.0);
  EXPECT_EQ(d.entry(Field::Gnomy).value, 0.0);
  EXPECT_EQ(d.entry(Field::Hediur).value, 0.75);
  d.hands.ModifiersChanged({});
  EXPECT_EQ(d.hands.Kind(), DragKind::Move);
  // outside a drag the modifiers change nothing
  d.hands.MouseUp();
  d.hands.ModifiersChanged(kShift);
  EXPECT_EQ(d.hands.Kind(), DragKind::Move);
}

TEST(Drag, ADragWithTheFinalCasterUncheckedKeepsTheMovedFoot) {
  Drawn d;
  ASSERT_FALSE(d.app.project().Hautf);
  d.Click(kCentre);
  d.hands.MouseMove({225, 215});
  EXPECT_TRUE(d.app.project().Hautf);
  EXPECT_EQ(d.entry(Field::Gnomx).value, 10.0);
  EXPECT_EQ(d.entry(Field::Gnomy).value, 10.0);
  EXPECT_EQ(d.entry(Field::Gnomf).value, 100.0);
  EXPECT_EQ(d.entry(Field::Gnomf).text, "100");
}

TEST(Wheel, ScalesTheHeightOverTheDrawingInInteractiveModeOnly) {
  Drawn d;
  d.hands.Wheel(kCentre, true);  // not interactive yet
  EXPECT_EQ(d.entry(Field::Gnomf).value, 100.0);
  d.Click(kCentre);
  d.hands.MouseUp();
  d.hands.Wheel({500, 10}, true);  // outside the bitmap
  EXPECT_EQ(d.entry(Field::Gnomf).value, 100.0);
  EXPECT_FALSE(d.app.state().Modified);
  d.hands.Wheel(kCentre, true);
  EXPECT_EQ(d.entry(Field::Gnomf).value, 110.0);
  EXPECT_TRUE(d.app.project().Hautf);
  EXPECT_TRUE(d.app.state().Modified);
  d.hands.Wheel(kCentre, false);
  EXPECT_EQ(d.entry(Field::Gnomf).value, 100.0);
  d.hands.Wheel(kCentre, false);
  EXPECT_EQ(d.entry(Field::Gnomf).value, 90.9);
  EXPECT_EQ(d.entry(Field::Gnomf).text, "90.9");
}

TEST(Wheel, NeverRoundsTheHeightDownToNothing) {
  Drawn d;
  d.form().SetChecked(Check::Hautf, true);
  d.form().Enter(Field::Gnomf, "0.05");
  d.Retrace();
  d.Click(kCentre);
  d.hands.Wheel(kCentre, false);
  EXPECT_EQ(d.entry(Field::Gnomf).value, 0.05);
  EXPECT_EQ(d.Press(Key::PageDown), KeyOutcome{true});
  EXPECT_EQ(d.entry(Field::Gnomf).value, 0.05);
}

/// One key of interactive mode on the traced 800 mm dial (2 mm a pixel), foot at the centre,
/// height 100 mm, 12:00 on the start-up date.
struct KeyRow {
  const char* name;
  KeyChord chord;
  bool shadow;   // `Ombre1` checked
  bool dateArc;  // `MenDat` checked
  bool consumed;
  Field field;   // the entry that changes (when consumed)
  double delta;  // its change
};

TEST(Keys, EachKeyOfInteractiveModeByTheTable) {
  const Modifiers none{};
  const std::vector<KeyRow> rows = {
      {"Backspace", {Key::Backspace, none, false}, true, false, true, Field::Hediur, -1.0 / 288},
      {"Backspace unshadowed", {Key::Backspace, none, false}, false, true, false, Field::Hediur, 0},
      {"Space", {Key::Space, none, false}, true, false, true, Field::Hediur, 1.0 / 288},
      {"Space unshadowed", {Key::Space, none, false}, false, false, false, Field::Hediur, 0},
      {"Page Up", {Key::PageUp, none, false}, false, false, true, Field::Gnomf, 10},
      {"pad 9", {Key::Digit9, none, true}, false, false, true, Field::Gnomf, 10},
      {"Page Down", {Key::PageDown, none, false}, false, false, true, Field::Gnomf, -9.1},
      {"pad 3", {Key::Digit3, none, true}, false, false, true, Field::Gnomf, -9.1},
      {"End", {Key::End, none, false}, false, true, true, Field::Dadiur, 2},
      {"pad 1", {Key::Digit1, none, true}, true, false, true, Field::Dadiur, 2},
      {"End undated", {Key::End, none, false}, false, false, false, Field::Dadiur, 0},
      {"Home", {Key::Home, none, false}, true, false, true, Field::Dadiur, -2},
      {"pad 7", {Key::Digit7, none, true}, false, true, true, Field::Dadiur, -2},
      {"Home undated", {Key::Digit7, none, true}, false, false, false, Field::Dadiur, 0},
      {"Left", {Key::Left, none, false}, false, false, true, Field::Gnomx, -2},
      {"pad 4", {Key::Digit4, none, true}, false, false, true, Field::Gnomx, -2},
      {"Ctrl+Left", {Key::Left, kCtrl, false}, false, false, true, Field::Gnomx, -2},
      {"Right", {Key::Right, none, false}, false, false, true, Field::Gnomx, 2},
      {"pad 6", {Key::Digit6, none, true}, false, false, true, Field::Gnomx, 2},
      {"Up", {Key::Up, none, false}, false, false, true, Field::Gnomy, 2},
      {"pad 8", {Key::Digit8, none, true}, false, false, true, Field::Gnomy, 2},
      {"Down", {Key::Down, none, false}, false, false, true, Field::Gnomy, -2},
      {"pad 2", {Key::Digit2, none, true}, false, false, true, Field::Gnomy, -2},
      {"pad 5", {Key::Digit5, none, true}, true, true, false, Field::Gnomx, 0},
      {"pad 0", {Key::Digit0, none, true}, true, true, false, Field::Gnomx, 0},
      {"row digit 4", {Key::Digit4, none, false}, true, true, false, Field::Gnomx, 0},
      {"another key", {Key::Other, none, false}, true, true, false, Field::Gnomx, 0},
      {"Shift+Y", {Key::Y, kShift, false}, true, true, false, Field::Gnomx, 0},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(row.name);
    Drawn d;
    d.app.project().Options.Ombre1.checked = row.shadow;
    d.app.project().Options.MenDat.checked = row.dateArc;
    d.Click(kCentre);
    d.hands.MouseUp();
    const double before = d.entry(row.field).value;
    d.app.platform.Forget();
    EXPECT_EQ(d.Press(row.chord).consumed, row.consumed);
    EXPECT_NEAR(d.entry(row.field).value, before + row.delta, 1e-12);
    EXPECT_EQ(d.app.state().Modified, row.consumed);
    EXPECT_EQ(d.app.platform.LogHasInOrder({"fill-white", "present"}), row.consumed);
    const bool caster =
        row.field == Field::Gnomx || row.field == Field::Gnomy || row.field == Field::Gnomf;
    EXPECT_EQ(d.app.project().Hautf, row.consumed && caster);
  }
}

TEST(Keys, TimeStepsWrapAroundMidnight) {
  Drawn d;
  d.app.project().Options.Ombre1.checked = true;
  d.form().Enter(Field::Hediur, "00:02:00");
  d.Retrace();
  d.Click(kCentre);
  d.Press(Key::Backspace);
  EXPECT_NEAR(d.entry(Field::Hediur).value, 287.0 / 288, 1e-15);
  EXPECT_EQ(d.entry(Field::Hediur).text, "23:55:00");
  EXPECT_EQ(d.app.project().Ahediur, "23:55:00");
  d.Press(Key::Space);
  d.Press(Key::Space);
  EXPECT_NEAR(d.entry(Field::Hediur).value, 1.0 / 288, 1e-15);
}

TEST(Commands, CtrlMInTheDialogValidatesTheFieldBeingEditedFirst) {
  App app;
  testing::TypeWorkedCase(app.form());
  Manipulation hands{app.session, app.platform};
  app.form().SetText(Field::Gnomon, "120");
  app.form().SetActiveControl(ControlId::Gnomon);
  const KeyContext inDialog{false, true, false};
  EXPECT_EQ(hands.KeyCommand({Key::M, kCtrl, false}, inDialog), KeyOutcome{true});
  EXPECT_EQ(app.project().Gnomon.value, 120.0);
  EXPECT_TRUE(app.state().DrawingExists);
  EXPECT_EQ(app.state().RunMode, RunMode::Compute);
  EXPECT_NE(app.session.ReportPane().find("austral"), std::string::npos);
}

TEST(Commands, EachCtrlLetterStartsItsCommandAndIsConsumed) {
  struct Row {
    Key key;
    RunMode mode;
  };
  for (const Row& row : {Row{Key::Y, RunMode::Ephemeris}, Row{Key::K, RunMode::Trace},
                         Row{Key::L, RunMode::Simulate}, Row{Key::M, RunMode::Compute}}) {
    App app;
    testing::TypeWorkedCase(app.form());
    testing::TypeWorkedOrientation(app.form());
    Manipulation hands{app.session, app.platform};
    app.form().SetText(Field::DecEd, "25");
    app.form().SetActiveControl(ControlId::DecEd);
    EXPECT_TRUE(hands.KeyCommand({row.key, kCtrl, false}, {}).consumed);
    EXPECT_EQ(app.state().RunMode, row.mode);
    EXPECT_EQ(app.project().DecEd.value, 25.0);
    // without Ctrl the letter is an ordinary key
    EXPECT_FALSE(hands.KeyCommand({row.key, {}, false}, {}).consumed);
  }
}

TEST(Commands, CtrlJShowsTheEphemerisOfTheCurrentInstant) {
  App app;
  Manipulation hands{app.session, app.platform};
  app.form().SetText(Field::Dadiur, "21/06/2024");
  app.form().SetActiveControl(ControlId::Dadiur);
  EXPECT_TRUE(hands.KeyCommand({Key::J, kCtrl, false}, {false, true, false}).consumed);
  ASSERT_EQ(app.platform.messages.size(), 1u);
  const std::string& text = app.platform.messages[0].text;
  EXPECT_EQ(text.rfind("   ** Ephémérides **\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("21 juin 2024"), std::string::npos) << text;
}

TEST(Commands, EscGoesFromTheDialogToTheMainWindowAndBack) {
  App app;
  Manipulation hands{app.session, app.platform};
  const KeyChord esc{Key::Escape, {}, false};
  EXPECT_EQ(hands.KeyCommand(esc, {false, true, false}),
            (KeyOutcome{true, FocusRequest::MainWindow}));
  EXPECT_EQ(hands.KeyCommand(esc, {true, true, false}), (KeyOutcome{true, FocusRequest::Dialog}));
  // the dialog hidden: what "&Saisies" does
  app.platform.Forget();
  EXPECT_EQ(hands.KeyCommand(esc, {true, false, false}), KeyOutcome{true});
  EXPECT_EQ(app.platform.log, std::vector<std::string>{"dialog"});
  EXPECT_TRUE(app.form().DialogActive());
}

TEST(Sequence, ThreeArrowsWriteThreeNumberedPicturesAndUncheckingStartsAgain) {
  Drawn d;
  d.form().SetChecked(Check::Sequ, true);
  d.form().SetNomFic("vue");
  d.Click(kCentre);
  d.Press(Key::Right);
  d.Press(Key::Right);
  d.Press(Key::Up);
  EXPECT_EQ(d.app.platform.savedPictures,
            (std::vector<std::string>{"vue000.bmp", "vue001.bmp", "vue002.bmp"}));
  // each picture is the redrawn dial
  EXPECT_TRUE(d.app.platform.LogHasInOrder({"fill-white", "present", "save-picture:vue000.bmp"}));
  // neither a drag nor a key that does nothing writes a picture
  d.hands.MouseMove({250, 250});
  d.Press(Key::Digit5);
  EXPECT_EQ(d.app.platform.savedPictures.size(), 3u);

  d.form().SetChecked(Check::Sequ, false);
  d.Press(Key::Right);
  EXPECT_EQ(d.app.platform.savedPictures.size(), 3u);
  d.form().SetChecked(Check::Sequ, true);
  d.Press(Key::Right);
  EXPECT_EQ(d.app.platform.savedPictures.back(), "vue000.bmp");
}

TEST(Sequence, APictureThatCannotBeWrittenIsReportedAndKeepsItsNumber) {
  Drawn d;
  d.form().SetChecked(Check::Sequ, true);
  d.form().SetNomFic("vue");
  d.Click(kCentre);
  d.app.platform.failSaves = true;
  EXPECT_TRUE(d.Press(Key::Right).consumed);
  EXPECT_EQ(d.app.platform.MessageTexts(),
            std::vector<std::string>{"Erreur d'écriture du fichier vue000.bmp"});
  d.app.platform.failSaves = false;
  d.Press(Key::Right);
  EXPECT_EQ(d.app.platform.savedPictures, (std::vector<std::string>{"vue000.bmp", "vue000.bmp"}));
}

}  // namespace
}  // namespace umbrix
