// A second instance of the program for the two-process tests, driven through its standard
// input and output:
//   hold FILE  opens FILE as a project, prints "held" (or the refusal), then keeps it until a
//              line arrives on standard input;
//   try FILE   tries to open FILE, then to save over it, printing one line for each:
//              "ouvert" / "enregistré", or the message the program would show.

#include <iostream>
#include <string>

#include "files/FileFixtures.h"

namespace {

using umbrix::testing::Session;

std::string Outcome(const umbrix::FileResult& r, const char* success) {
  return r.ok ? success : r.error.Composed();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: umbrix_hold_project hold|try FILE\n";
    return 2;
  }
  const std::string mode = argv[1];
  const std::string file = argv[2];
  Session session;
  if (mode == "hold") {
    const umbrix::FileResult r = session.Load(file);
    std::cout << Outcome(r, "held") << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return r.ok ? 0 : 1;
  }
  if (mode == "try") {
    std::cout << Outcome(session.Load(file), "ouvert") << std::endl;
    session.form.Enter(umbrix::Field::Cote, "90");
    std::cout << Outcome(session.Save(file), "enregistré") << std::endl;
    return 0;
  }
  std::cerr << "unknown mode " << mode << "\n";
  return 2;
}
