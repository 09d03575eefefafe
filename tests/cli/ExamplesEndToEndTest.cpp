// The bundled examples: each file is what its recipe writes, and each goes through umbrix-cli to
// its golden report, a PNG, a BMP, an SVG and a DXF.
//
// To rewrite the examples and the golden reports on purpose, after checking the change by hand:
//   UMBRIX_REGENERATE_GOLDEN=1 build/dev/tests/cli/umbrix_cli_tests --gtest_filter='Examples*'
// (the examples are rewritten first, then the reports read from them).

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "ExampleProjects.h"
#include "app/SessionFixtures.h"
#include "cli/CliOptions.h"
#include "support/FileCopy.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

const fs::path kExamples = fs::path(UMBRIX_SOURCE_DIR) / "examples";
const fs::path kGolden = fs::path(UMBRIX_TEST_DATA_DIR) / "cli";

fs::path GoldenReportOf(const std::string& example) {
  return kGolden / fs::path(example).replace_extension(".txt");
}

TEST(Examples, EachFileIsWhatItsRecipeWrites) {
  const bool regenerate = testing::RegeneratingGoldenFiles();
  for (const testing::ExampleProject& example : testing::ExampleProjects()) {
    testing::TempFolder scratch;
    testing::FakePlatform platform;
    Session session(platform);
    session.Start({});
    ASSERT_TRUE(example.type(session))
        << example.file << ": " << ::testing::PrintToString(platform.MessageTexts());
    EXPECT_TRUE(session.State().DrawingExists) << example.file;
    const fs::path written = regenerate ? kExamples / example.file : scratch.Path() / example.file;
    ASSERT_TRUE(session.WriteProject(written.string(), false)) << example.file;
    if (regenerate) continue;
    EXPECT_EQ(ReadBytes(written), ReadBytes(kExamples / example.file))
        << example.file << " is not what its recipe writes (see the top of this file to "
        << "regenerate it on purpose)";
  }
}

TEST(Examples, EachRunsThroughTheCommandLineToItsReportAndDrawings) {
  const bool regenerate = testing::RegeneratingGoldenFiles();
  for (const testing::ExampleProject& example : testing::ExampleProjects()) {
    SCOPED_TRACE(example.file);
    testing::TempFolder out;
    const std::string png = out.File("dial.png");
    const std::string bmp = out.File("dial.bmp");
    const std::string svg = out.File("dial.svg");
    const std::string dxf = out.File("dial.dxf");
    const testing::CliRunResult run = testing::RunCliProcess(
        {testing::CopyInto(out.Path(), kExamples / example.file).string(), "--report", "-", "--png", png, "--bmp", bmp,
         "--svg", svg, "--dxf", dxf},
        out.Path());
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err.find("Erreur..."), std::string::npos) << run.err;

    if (regenerate) {
      testing::WriteBytes(GoldenReportOf(example.file), run.out);
    } else {
      EXPECT_EQ(run.out, ReadBytes(GoldenReportOf(example.file)));
    }
    EXPECT_FALSE(run.out.empty());

    EXPECT_EQ(ReadBytes(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    const std::string bmpBytes = ReadBytes(bmp);
    ASSERT_GT(bmpBytes.size(), 30u);
    EXPECT_EQ(bmpBytes.substr(0, 2), "BM");
    EXPECT_EQ(bmpBytes[28], 4) << "bits per pixel";
    const std::string svgBytes = ReadBytes(svg);
    EXPECT_NE(svgBytes.find("<svg"), std::string::npos);
    EXPECT_NE(svgBytes.find("</svg>"), std::string::npos);
    const std::string dxfBytes = ReadBytes(dxf);
    EXPECT_EQ(dxfBytes.rfind("999\r\nUmbrix dxf 3D\r\n", 0), 0u);
    EXPECT_NE(dxfBytes.find("\r\n  0\r\nEOF\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace umbrix
