#pragma once
// A main window stand-in for the dialog: records every call, answers the clock from a setting.

#include <utility>
#include <vector>

#include "form/Form.h"
#include "model/Dates.h"
#include "support/FakeZones.h"

namespace umbrix::testing {

class FakeFormHost : public FormHost {
 public:
  struct Mark {
    bool testDataValid;
    bool clearDrawing;
    bool modifiedAlreadySet;  // `Modified` as the host saw it
    friend bool operator==(const Mark&, const Mark&) = default;
  };

  explicit FakeFormHost(const ProjectState* state = nullptr) : state_(state) {}
  void Watch(const ProjectState* state) { state_ = state; }

  void MarkModified(bool testDataValid, bool clearDrawing) override {
    marks.push_back({testDataValid, clearDrawing, state_ != nullptr && state_->Modified});
  }
  void FitDrawing() override { ++fits; }
  void MenuEnabledChanged(MenuItem item, bool enabled) override {
    menus.emplace_back(item, enabled);
  }
  void ShowMessage(const Message& message) override { messages.push_back(message); }
  ClockReading Now() const override { return clock; }
  const ZoneRules* Zones() const override { return &zones; }
  bool TakeLaterOffset(const std::string& pattern, const std::vector<std::string>& args) override {
    questions.push_back(ComposeText(pattern, args));
    return takeLater;
  }

  void Forget() {
    marks.clear();
    fits = 0;
    menus.clear();
    messages.clear();
  }
  bool AnyClear() const {
    for (const Mark& m : marks) {
      if (m.clearDrawing) return true;
    }
    return false;
  }

  std::vector<Mark> marks;
  int fits = 0;
  std::vector<std::pair<MenuItem, bool>> menus;
  Messages messages;
  FakeZoneRules zones;
  std::vector<std::string> questions;
  bool takeLater = false;
  // 14 July 2023, 15:30:00
  ClockReading clock{SerialFromCivil({2023, 7, 14}), 15.5 / 24};

 private:
  const ProjectState* state_ = nullptr;
};

/// A dialog over its own record and state, created as at start-up.
struct Dialog {
  explicit Dialog(std::vector<std::string> args = {}, DateStyle dates = {}, bool englishUi = false)
      : form(project, state, host, std::move(dates)) {
    state.EnglishUi = englishUi;
    host.Watch(&state);
    request = form.FormCreate(args);
    host.Forget();
  }
  DialProject project = BlankProject();
  ProjectState state;
  FakeFormHost host;
  Form form;
  StartupRequest request;
};

}  // namespace umbrix::testing
